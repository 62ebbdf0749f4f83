#pragma once

#include <string>
#include <string_view>

#include "core/roster/roster_options.h"

// The lines of the engine's select.def [Characters] section, in UTF-8:
// "entry[, stage][, order=N]" with ';' starting a comment.
namespace zorvik {

// True when a text can stand as one comma-separated field of a line: not
// empty, no ',', ';' or control characters, no blanks at either end.
bool fitsInSelectField(std::string_view text);

// True when a folder or .def name can start a line: a field, no path
// separator (the engine splits at '\' too), no leading '[' (a section
// header), and not "." or "..", which would lead out of the folder.
bool fitsAsCharacterName(std::string_view name);

// True when a folder's path below the character folder can start a line:
// every '/'-separated part fits as a character name.
bool fitsAsCharacterPath(std::string_view path);

// The character part of a line: "folder" when the .def is folder.def, as
// the engine then finds it by itself, else "folder/def". The names are
// compared ignoring ASCII letter case, as the engine's file system does.
// A folder in a group folder ("KOF/kyo") always names its .def: the engine
// finds a bare name only at the top level.
std::string characterEntry(std::string_view folder, std::string_view defFileName);

// The whole line, without a line ending: the entry, the stage, and order=N
// after a stage field (empty when there is no stage), as the engine expects.
std::string characterLine(std::string_view entry, const RosterOptions& options);

// A folder name as lines are compared: ASCII letters in small case.
std::string folderKey(std::string_view folder);

// The key of the character folder an old line names: "kfm" for "kfm",
// "KFM/", "kfm/alt.def" or "kfm\alt.def, stages/x.def ; note"; "" for a
// line that names no folder (blank, comment, or no first field).
std::string namedFolderKey(std::string_view line);

} // namespace zorvik
