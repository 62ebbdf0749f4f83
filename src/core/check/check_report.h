#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/text/message.h"

namespace zorvik {

// A row whose file or folder is no longer in the character folder.
struct MissingCharacter {
    std::int64_t id = 0;
    std::string fileName;
    bool marked = false; // already marked missing (DELETED = 2) by a list update
};

// Why a character would fail in the engine.
enum class BrokenKind {
    MissingFile,       // a file its .def names does not resolve
    NoDefFile,         // no top-level .def file with a Name
    UnreadableArchive, // no plug-in reads or lists the archive
};

// One problem of a character found on disk.
struct BrokenCharacter {
    std::int64_t id = 0;
    std::string fileName; // the row's FILENAME
    BrokenKind kind = BrokenKind::MissingFile;
    std::string defFile; // the .def, relative to the character's folder or archive
    std::string key;     // the [Files] key, as the check asks for it ("cns", "pal3")
    std::string value;   // the path the .def gives
};

// One row of a group of duplicates.
struct DuplicateMember {
    std::int64_t id = 0;
    std::string fileName;
    std::string name;
    std::string author;
};

// Rows that are the same character, by ID.
struct DuplicateGroup {
    std::vector<DuplicateMember> members;
};

// What a collection check found; every entry carries its row's ID, so a
// window can select the row in the list.
struct CheckReport {
    bool completed = false; // false: cancelled, or failed (error says why)
    std::optional<Message> error;
    std::vector<MissingCharacter> missing;
    std::vector<BrokenCharacter> broken;
    std::vector<DuplicateGroup> sameNameAndAuthor;
    std::vector<DuplicateGroup> samePortrait;
    // Archives whose plug-in has no listing command: their files were not checked.
    int archivesNotChecked = 0;

    bool problemsFound() const {
        return !missing.empty() || !broken.empty() || !sameNameAndAuthor.empty() ||
               !samePortrait.empty();
    }
};

} // namespace zorvik
