#include "link/port_access.h"

#ifndef _WIN32
#include <cerrno>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <vector>
#endif

namespace {

#ifndef _WIN32

std::string PermissionText(mode_t mode) {
    const char letters[] = "rwxrwxrwx";
    std::string text(9, '-');
    for (int bit = 0; bit < 9; ++bit)
        if (mode & (0400u >> bit))
            text[bit] = letters[bit];
    return text;
}

// getgrgid_r / getpwuid_r with a buffer that grows until the entry fits; detection opens
// ports on several threads, so the non-reentrant forms are out.
template <typename Entry, typename Id, typename Lookup>
bool LookUp(Id id, Entry& entry, std::vector<char>& buffer, Lookup lookup) {
    buffer.resize(1024);
    Entry* result = nullptr;
    int error = 0;
    while ((error = lookup(id, &entry, buffer.data(), buffer.size(), &result)) == ERANGE &&
           buffer.size() < (1u << 20))
        buffer.resize(buffer.size() * 2);
    return error == 0 && result != nullptr;
}

bool ProcessHoldsGroup(gid_t gid) {
    if (getegid() == gid)
        return true;
    const int count = getgroups(0, nullptr);
    if (count <= 0)
        return false;
    std::vector<gid_t> groups(static_cast<size_t>(count));
    const int got = getgroups(count, groups.data());
    return got > 0 && std::find(groups.begin(), groups.begin() + got, gid) != groups.begin() + got;
}

bool UserListedInGroup(const group& entry) {
    passwd user{};
    std::vector<char> buffer;
    if (!LookUp(geteuid(), user, buffer, getpwuid_r))
        return false;
    if (user.pw_gid == entry.gr_gid)
        return true;
    for (char** member = entry.gr_mem; member && *member; ++member)
        if (std::strcmp(*member, user.pw_name) == 0)
            return true;
    return false;
}

#endif

} // namespace

std::optional<PortAccess> CheckPortAccess(const std::string& device) {
#ifdef _WIN32
    (void)device;
    return std::nullopt;
#else
    if (device.empty() || access(device.c_str(), R_OK | W_OK) == 0 || errno != EACCES)
        return std::nullopt;
    struct stat info {};
    if (stat(device.c_str(), &info) != 0)
        return std::nullopt;
    PortAccess result{device, std::to_string(info.st_gid), PermissionText(info.st_mode),
                      (info.st_mode & (S_IRGRP | S_IWGRP)) == (S_IRGRP | S_IWGRP)};
    result.inSession = ProcessHoldsGroup(info.st_gid);
    group entry{};
    std::vector<char> buffer;
    if (LookUp(info.st_gid, entry, buffer, getgrgid_r)) {
        result.group = entry.gr_name;
        result.listedInGroup = result.inSession || UserListedInGroup(entry);
    }
    return result;
#endif
}

std::string PermissionAdvice(const PortAccess& access) {
    const std::string refused = "没有读写 " + access.device + " 的权限：";
    // Joining the group helps only when the group may read and write.
    if (access.inSession || !access.groupMayUse)
        return refused + "设备属于用户组 " + access.group + "，权限为 " + access.permissions +
               "，不允许当前用户读写。请检查设备的权限设置（例如 udev 规则）。";
    if (access.listedInGroup)
        return refused + "当前用户已加入用户组 " + access.group +
               "，但本次登录尚未生效。请注销并重新登录。";
    return refused + "设备属于用户组 " + access.group +
           "，当前用户不在该组中。请执行 sudo usermod -aG " + access.group +
           " $USER，然后注销并重新登录。";
}
