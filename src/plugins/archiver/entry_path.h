#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zorvik::archiver {

// An archive entry's name taken apart into the folders and file name it may
// be written to inside the destination.
struct EntryPath {
    std::vector<std::string> components;
    // Why the name may not be written anywhere, or nullptr when it may.
    const char* problem = nullptr;
};

// Splits name at '/' and '\'. Absolute names (leading separator or a drive
// letter) and names with a ".." component are refused; "." and empty
// components are dropped.
EntryPath parseEntryPath(std::string_view name);

} // namespace zorvik::archiver
