#include "image/auto_dial_rules.h"

std::string ComposeAniCall(std::string_view callId, std::string_view separator,
                           std::string_view selfId) {
    std::string code(callId);
    code += separator;
    code += selfId;
    return code;
}

bool RewriteSuffix(std::string& code, std::string_view oldSuffix, std::string_view newSuffix) {
    if (code.empty() || !code.ends_with(oldSuffix) || oldSuffix == newSuffix)
        return false;
    code.replace(code.size() - oldSuffix.size(), oldSuffix.size(), newSuffix);
    return true;
}
