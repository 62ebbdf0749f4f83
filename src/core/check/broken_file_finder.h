#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/check/character_def.h"
#include "core/check/check_report.h"
#include "core/check/folder_index.h"

namespace zorvik {

struct StatusRow;

// Tells which files a character's .def names that the engine would not
// find: each is looked for beside the .def, then in the engine's data
// folder. While no engine is set, stcommon is not reported, since every
// engine ships its own common files.
class BrokenFileFinder {
public:
    // True when a [Files] value resolves beside the .def.
    using BesideDef = std::function<bool(const std::string& value)>;

    explicit BrokenFileFinder(std::string engineDataFolder)
        : dataFolder_(std::move(engineDataFolder)) {}

    // Adds an entry to broken for every file of files that does not resolve.
    void check(const StatusRow& row, const std::string& defFile,
               const std::vector<FileReference>& files, const BesideDef& besideDef,
               std::vector<BrokenCharacter>& broken);

    // Checks a folder character whose folder is on disk.
    void checkFolder(const StatusRow& row, const std::string& folder,
                     std::vector<BrokenCharacter>& broken);

    // The first reason a folder character would fail in the engine, as
    // checkFolder finds it; a .def that names no sprite file at all counts
    // too (key "sprite", no value), since the engine has nothing to show.
    // None when the character is sound.
    std::optional<BrokenCharacter> firstBreak(const std::string& folder);

private:
    // checkFolder, giving the .def it read.
    std::optional<CharacterDef> checkFolderDef(const StatusRow& row, const std::string& folder,
                                               std::vector<BrokenCharacter>& broken);

    std::string dataFolder_;
    FolderIndex dataFiles_; // listed once for the whole check
};

// An entry for a row that is broken as a whole (no .def, an unreadable archive).
BrokenCharacter brokenAsAWhole(const StatusRow& row, BrokenKind kind);

} // namespace zorvik
