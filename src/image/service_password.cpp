#include "image/service_password.h"

namespace {

char FoldCase(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

} // namespace

bool ServicePasswordMatches(std::string_view entry) {
    if (entry.size() != kServicePassword.size())
        return false;
    for (size_t i = 0; i < entry.size(); ++i)
        if (FoldCase(entry[i]) != FoldCase(kServicePassword[i]))
            return false;
    return true;
}
