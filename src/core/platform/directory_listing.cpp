#include "core/platform/directory_listing.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unordered_map>

#include "core/text/ascii_text.h"
#include "core/text/encoding.h"

namespace zorvik::platform {

namespace {

CalendarDate utcDate(std::time_t when) {
    std::tm parts{};
    gmtime_r(&when, &parts);
    return {parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday};
}

struct DirCloser {
    void operator()(DIR* dir) const { closedir(dir); }
};

// Sorts by name with ASCII letters compared without case, ties broken by the
// exact bytes. Each name is folded once rather than at every comparison:
// large character folders hold thousands of entries.
void sortForListing(std::vector<DirectoryEntry>& entries) {
    std::vector<std::pair<std::string, std::size_t>> keys;
    keys.reserve(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        keys.emplace_back(text::asciiLowered(entries[i].name), i);
    }
    std::sort(keys.begin(), keys.end(), [&](const auto& a, const auto& b) {
        if (a.first != b.first) {
            return a.first < b.first;
        }
        return entries[a.second].name < entries[b.second].name;
    });
    std::vector<DirectoryEntry> sorted;
    sorted.reserve(entries.size());
    for (const auto& key : keys) {
        sorted.push_back(std::move(entries[key.second]));
    }
    entries = std::move(sorted);
}

bool isLink(int folderFd, const dirent& entry) {
    if (entry.d_type != DT_UNKNOWN) {
        return entry.d_type == DT_LNK;
    }
    struct stat info {};
    return fstatat(folderFd, entry.d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 &&
           S_ISLNK(info.st_mode);
}

// Whether an entry is a folder, a link counting as what it points to.
bool isFolderEntry(int folderFd, const dirent& entry) {
    if (entry.d_type != DT_UNKNOWN && entry.d_type != DT_LNK) {
        return entry.d_type == DT_DIR;
    }
    struct stat info {};
    return fstatat(folderFd, entry.d_name, &info, 0) == 0 && S_ISDIR(info.st_mode);
}

// Names that only decoding made alike (a CP932 name beside the same name
// in UTF-8) are told apart by their bytes; a name whose bytes are its text
// keeps it. Names decoded inexactly carry their bytes already.
void tellAlikeNamesApart(std::vector<DirectoryEntry>& entries) {
    // Almost every folder holds UTF-8 names only: nothing to compare then.
    if (std::all_of(entries.begin(), entries.end(),
                    [](const DirectoryEntry& entry) { return entry.name == entry.diskName; })) {
        return;
    }
    std::unordered_map<std::string, int> uses;
    for (DirectoryEntry& entry : entries) {
        ++uses[entry.name];
        entry.toldApart =
            entry.name != entry.diskName && entry.name == text::nameWithBytes(entry.diskName);
    }
    for (DirectoryEntry& entry : entries) {
        if (entry.name != entry.diskName && !entry.toldApart && uses[entry.name] > 1) {
            entry.name = text::nameWithBytes(entry.diskName);
            entry.toldApart = true;
        }
    }
}

} // namespace

std::string CalendarDate::toString() const {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", year, month, day);
    return buffer;
}

bool endsWithIgnoringCase(const std::string& name, const std::string& suffix) {
    return name.size() >= suffix.size() &&
           text::equalsIgnoringAsciiCase(std::string_view(name).substr(name.size() - suffix.size()),
                                         suffix);
}

DirectoryListing listDirectory(const std::string& folder, ListingDetail detail) {
    DirectoryListing listing;
    std::unique_ptr<DIR, DirCloser> dir(opendir(folder.empty() ? "/" : folder.c_str()));
    if (!dir) {
        return listing;
    }
    listing.opened = true;
    const int fd = dirfd(dir.get());
    for (;;) {
        errno = 0;
        const dirent* entry = readdir(dir.get());
        if (entry == nullptr) {
            if (errno != 0) {
                listing.errorCode = errno;
            }
            break;
        }
        const std::string diskName = entry->d_name;
        if (diskName == "." || diskName == "..") {
            continue;
        }
        const bool knownKind = entry->d_type != DT_UNKNOWN && entry->d_type != DT_LNK;
        if (detail == ListingDetail::KindsOnly && knownKind) {
            listing.entries.push_back(
                {text::decodeFileName(diskName), diskName, entry->d_type == DT_DIR, {}});
            continue;
        }
        struct stat info {};
        if (fstatat(fd, entry->d_name, &info, 0) != 0 &&
            fstatat(fd, entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0) {
            // An entry that vanished while listing is simply gone; one that
            // cannot be looked up (no search permission) may still be there.
            if (errno != ENOENT && listing.errorCode == 0) {
                listing.errorCode = errno;
            }
            continue;
        }
        listing.entries.push_back({text::decodeFileName(diskName), diskName, S_ISDIR(info.st_mode),
                                   utcDate(info.st_mtime), isLink(fd, *entry)});
    }
    tellAlikeNamesApart(listing.entries);
    sortForListing(listing.entries);
    return listing;
}

std::optional<bool> holdsFileEndingWith(const std::string& folder, const std::string& suffix) {
    std::unique_ptr<DIR, DirCloser> dir(opendir(folder.c_str()));
    if (!dir) {
        return std::nullopt;
    }
    for (;;) {
        errno = 0;
        const dirent* entry = readdir(dir.get());
        if (entry == nullptr) {
            return errno == 0 ? std::optional(false) : std::nullopt;
        }
        if (endsWithIgnoringCase(entry->d_name, suffix) && !isFolderEntry(dirfd(dir.get()), *entry)) {
            return true;
        }
    }
}

std::string resolvePathInFolder(const std::string& folder, const std::string& relativePath) {
    std::string path = folder;
    std::size_t start = 0;
    while (start <= relativePath.size()) {
        const std::size_t slash = std::min(relativePath.find('/', start), relativePath.size());
        if (slash > start) {
            path = resolveInFolder(path, relativePath.substr(start, slash - start));
        }
        start = slash + 1;
    }
    return path;
}

std::string resolveInFolder(const std::string& folder, const std::string& name) {
    const std::string direct = folder + "/" + name;
    struct stat info {};
    if (lstat(direct.c_str(), &info) == 0) {
        return direct;
    }
    const DirectoryListing listing = listDirectory(folder, ListingDetail::KindsOnly);
    for (const DirectoryEntry& entry : listing.entries) {
        if (entry.name == name) {
            return folder + "/" + entry.diskName;
        }
    }
    for (const DirectoryEntry& entry : listing.entries) {
        if (text::equalsIgnoringAsciiCase(entry.name, name)) {
            return folder + "/" + entry.diskName;
        }
    }
    return direct;
}

} // namespace zorvik::platform
