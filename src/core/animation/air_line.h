#pragma once

#include <optional>
#include <string_view>

#include "core/animation/air_file.h"

// The line forms of an .air file, each recognised on its own. A line is
// given without its comment and surrounding blanks.
namespace zorvik::air {

// The line up to its ';' comment, without surrounding blanks and CR. A
// Shift-JIS character never holds the byte ';', so the cut is safe in any
// of the encodings character files use.
std::string_view withoutComment(std::string_view line);

// N of "[Begin Action N]", any letter case and blanks between the words.
std::optional<int> beginActionNumber(std::string_view line);

bool isLoopStart(std::string_view line);

// "Clsn1: n", "Clsn2: n", "Clsn1Default: n", "Clsn2Default: n".
struct ClsnHeader {
    int kind = 1; // 1 or 2
    bool isDefault = false;
};
std::optional<ClsnHeader> clsnHeader(std::string_view line);

// "ClsnK[i] = left, top, right, bottom".
struct ClsnBoxLine {
    int kind = 1;
    ClsnBox box;
};
std::optional<ClsnBoxLine> clsnBoxLine(std::string_view line);

// "group, number, x, y, time[, flip[, blend]]".
std::optional<AirFrame> frameLine(std::string_view line);

} // namespace zorvik::air
