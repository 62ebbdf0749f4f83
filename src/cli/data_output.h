#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace zorvik::cli {

// Standard output or standard error as the companion writes data to it.
// Names, .def values and file names may hold any byte. A terminal would
// obey the escape sequences among them, so there control characters are
// shown as \xHH and a text that is not UTF-8 is shown decoded from CP932,
// as the window shows it. A file or a pipe gets the bytes as they are, for
// scripts. Either way every byte is written: a NUL does not end the output.
class DataOutput {
public:
    // Escapes when stream is a terminal.
    explicit DataOutput(std::FILE* stream);
    DataOutput(std::FILE* stream, bool terminal);

    // A value on one line of tab-separated output: tabs and line breaks
    // inside it would break the line format, so they become blanks.
    std::string field(std::string_view value) const;

    // A message, which may span lines: its line breaks and tabs stay.
    std::string message(std::string_view text) const;

    // Writes text whole, NULs included.
    void write(std::string_view text) const;

private:
    std::FILE* stream_;
    bool terminal_;
};

} // namespace zorvik::cli
