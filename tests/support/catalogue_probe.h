#pragma once

#include <string>
#include <vector>

namespace zorvik::test {

// SQLite's own structure check of the catalogue file at path: "ok" when it
// is sound, else SQLite's list of problems (or why it could not run).
std::string integrityCheck(const std::string& path);

// NAME of every row of the catalogue at path, in ID order.
std::vector<std::string> catalogueNames(const std::string& path);

// NAME of every row whose IMAGE holds a portrait, in ID order.
std::vector<std::string> namesWithPortrait(const std::string& path);

// The first column of every result row of sql, as text, on the catalogue at path.
std::vector<std::string> queryTexts(const std::string& path, const std::string& sql);

} // namespace zorvik::test
