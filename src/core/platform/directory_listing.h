#pragma once

#include <optional>
#include <string>
#include <vector>

namespace zorvik::platform {

// A calendar date in UTC.
struct CalendarDate {
    int year = 0;
    int month = 0;
    int day = 0;

    // "%04d-%02d-%02d", the form the catalogue stores.
    std::string toString() const;
    bool operator==(const CalendarDate&) const = default;
};

// One entry of a folder listing.
struct DirectoryEntry {
    std::string name;     // UTF-8; decoded from CP932 when the name on disk is not UTF-8
    std::string diskName; // the name's bytes as stored on disk
    bool isFolder = false;
    CalendarDate lastWriteDate; // last-write time as a UTC calendar date
    bool isLink = false; // a symbolic link: the kind and date are those of its target
    // The name is shown with its bytes (see text::nameWithBytes): decoded,
    // it would read like another name.
    bool toldApart = false;
};

// The outcome of listing a folder.
struct DirectoryListing {
    bool opened = false; // false: the folder could not be listed at all
    // errno of a failure that stopped the listing early, or of an entry that
    // could not be looked up (a folder that may be listed but not entered),
    // else 0: the entries are then not all there.
    int errorCode = 0;
    std::vector<DirectoryEntry> entries;
};

// What a listing must tell of each entry.
enum class ListingDetail {
    KindsAndDates, // every entry is looked up (one stat each)
    KindsOnly,     // the folder's own record is trusted; lastWriteDate stays empty
};

// Lists a folder's entries (no "." and ".."), sorted by name ignoring ASCII
// letter case (ties by the exact bytes, capitals first) so that "the first
// listed" is the same on every machine. Every entry's name is its own: a
// CP932 name that decodes to a sibling's name is shown with its bytes.
// A symbolic link counts as what it points to.
DirectoryListing listDirectory(const std::string& folder,
                               ListingDetail detail = ListingDetail::KindsAndDates);

// Whether a folder holds a file (or a link to one) whose name ends with
// suffix, ASCII letters compared without case; stops at the first. None
// when the folder cannot be listed completely.
std::optional<bool> holdsFileEndingWith(const std::string& folder, const std::string& suffix);

// The path of a '/'-separated relative path inside folder as it exists on
// disk, each part found as resolveInFolder finds it.
std::string resolvePathInFolder(const std::string& folder, const std::string& relativePath);

// True when name ends with suffix, ASCII letters compared without case.
bool endsWithIgnoringCase(const std::string& name, const std::string& suffix);

// The path of name inside folder as it exists on disk: the UTF-8 form when
// it exists, else the entry whose decoded name equals name (a CP932 name),
// else the entry that matches ignoring ASCII case. Falls back to
// folder + "/" + name when nothing matches.
std::string resolveInFolder(const std::string& folder, const std::string& name);

} // namespace zorvik::platform
