#pragma once

#include <string>
#include <string_view>

namespace zorvik::platform {

// Replaces the file at path with content so that a crash leaves either the
// old file or the new one, never a truncated mix: the content goes to a
// temporary file in the same folder, which is flushed and renamed over path.
bool writeFileAtomically(const std::string& path, std::string_view content);

// The whole file's bytes; false when it cannot be read.
bool readWholeFile(const std::string& path, std::string& bytes);

} // namespace zorvik::platform
