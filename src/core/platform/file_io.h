#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zorvik::platform {

// Replaces the file at path with content so that a crash leaves either the
// old file or the new one, never a truncated mix: the content goes to a
// temporary file in the same folder, which is flushed and renamed over path.
bool writeFileAtomically(const std::string& path, std::string_view content);

// Creates one folder (its parent must exist); false when it cannot be
// created, also when something of that name exists already.
bool createSingleFolder(const std::string& path);

// Creates a new folder of a name no one else has, prefix followed by
// random letters, inside parent; "" when it cannot be created.
std::string createUniqueFolder(const std::string& parent, const std::string& prefix);

// True when anything exists at path (a link counts as what it points to).
bool pathExists(const std::string& path);

// The whole file's bytes; false when it cannot be read or is no regular file.
bool readWholeFile(const std::string& path, std::string& bytes);
bool readWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes);

} // namespace zorvik::platform
