#include "image/image_backup.h"

#include "image/image_file.h"

#include <algorithm>
#include <cstdlib>
#include <regex>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace {

const char* KindName(BackupKind kind) {
    switch (kind) {
    case BackupKind::Calibration:
        return "calibration";
    case BackupKind::DtmfDecoder:
        return "dtmf-decoder";
    case BackupKind::Read:
        break;
    }
    return "read";
}

const char* Variable(const char* name) {
    const char* value = std::getenv(name);
    return value && *value ? value : nullptr;
}

// The backups a prune may remove, oldest first: names this program gives, calibration aside.
std::vector<fs::path> RemovableBackups(const fs::path& directory) {
    static const std::regex name(R"(\d{8}-\d{6}-(read|dtmf-decoder)(-\d+)?\.dat)");
    std::vector<fs::path> found;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(directory, ec))
        if (entry.is_regular_file(ec) && std::regex_match(entry.path().filename().string(), name))
            found.push_back(entry.path());
    // The time stamp leads the name; a same-second suffix sorts after the first one.
    std::sort(found.begin(), found.end(), [](const fs::path& a, const fs::path& b) {
        const std::string x = a.filename().string(), y = b.filename().string();
        return x.substr(0, 15) != y.substr(0, 15) ? x < y
               : x.size() != y.size()             ? x.size() < y.size()
                                                  : x < y;
    });
    return found;
}

void Prune(const fs::path& directory, int keep) {
    const std::vector<fs::path> backups = RemovableBackups(directory);
    const size_t limit = static_cast<size_t>(std::max(keep, 0));
    std::error_code ec;
    for (size_t i = 0; i + limit < backups.size(); ++i)
        fs::remove(backups[i], ec);
}

} // namespace

fs::path BackupDirectory() {
    if (const char* home = Variable("KESTRA_HOME"))
        return fs::path(home) / "backups";
    if (const char* data = Variable("XDG_DATA_HOME"))
        return fs::path(data) / "kestra" / "backups";
    const char* home = Variable("HOME");
    return fs::path(home ? home : ".") / ".local" / "share" / "kestra" / "backups";
}

std::string BackupFileName(std::time_t when, BackupKind kind) {
    std::tm local{};
    localtime_r(&when, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
    return std::string(stamp) + "-" + KindName(kind) + ".dat";
}

BackupResult SaveBackup(const MemoryImage& image, BackupKind kind, const fs::path& directory,
                        std::time_t when, int keep) {
    std::error_code ec;
    fs::create_directories(directory, ec);
    if (ec)
        return {{}, "cannot make " + directory.string() + ": " + ec.message()};
    const std::string name = BackupFileName(when, kind);
    fs::path path = directory / name;
    for (int n = 2; fs::exists(path, ec); ++n)
        path = directory / (name.substr(0, name.size() - 4) + "-" + std::to_string(n) + ".dat");
    const FileResult saved = SaveImageFile(path, image);
    if (!saved.ok())
        return {{}, "cannot write " + path.string() + ": " + saved.reason};
    Prune(directory, keep);
    return {path, {}};
}
