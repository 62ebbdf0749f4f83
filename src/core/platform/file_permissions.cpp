#include "core/platform/file_permissions.h"

#include <algorithm>
#include <sys/stat.h>
#include <unistd.h>

namespace zorvik::platform {

namespace {

// The bits that apply to who, shifted to the "others" place (rwx = 7).
std::uint32_t bitsFor(const FileMode& file, const ProcessIdentity& who) {
    if (who.user == kSuperuser) {
        // Any class's bit: the superuser is every class at once.
        return (file.bits >> 6 | file.bits >> 3 | file.bits) & 07;
    }
    if (who.user == file.owner) {
        return (file.bits >> 6) & 07;
    }
    if (std::find(who.groups.begin(), who.groups.end(), file.group) != who.groups.end()) {
        return (file.bits >> 3) & 07;
    }
    return file.bits & 07;
}

constexpr std::uint32_t kWrite = 02;
constexpr std::uint32_t kSearch = 01;

} // namespace

bool modeGrantsWriting(const FileMode& file, const ProcessIdentity& who) {
    return (bitsFor(file, who) & kWrite) != 0;
}

bool modeGrantsChangingFolder(const FileMode& folder, const ProcessIdentity& who) {
    return (bitsFor(folder, who) & (kWrite | kSearch)) == (kWrite | kSearch);
}

std::optional<FileMode> fileMode(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        return std::nullopt;
    }
    return FileMode{static_cast<std::uint32_t>(info.st_mode & 07777), info.st_uid, info.st_gid};
}

ProcessIdentity currentProcess() {
    ProcessIdentity who;
    who.user = geteuid();
    who.groups.push_back(getegid());
    const int count = getgroups(0, nullptr);
    if (count > 0) {
        std::vector<gid_t> groups(static_cast<std::size_t>(count));
        const int got = getgroups(count, groups.data());
        who.groups.insert(who.groups.end(), groups.begin(), groups.begin() + std::max(got, 0));
    }
    return who;
}

bool mayReplaceFile(const std::string& path) {
    const auto mode = fileMode(path);
    return mode && modeGrantsWriting(*mode, currentProcess()) && ::access(path.c_str(), W_OK) == 0;
}

bool mayChangeFolder(const std::string& folder) {
    const auto mode = fileMode(folder);
    return mode && modeGrantsChangingFolder(*mode, currentProcess()) &&
           ::access(folder.c_str(), W_OK | X_OK) == 0;
}

bool mayExecute(const std::string& path) {
    return ::access(path.c_str(), X_OK) == 0;
}

} // namespace zorvik::platform
