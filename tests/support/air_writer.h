#pragma once

#include <string>
#include <vector>

namespace zorvik::test {

// Writes the text of an .air file line by line, as character authors do.
class AirWriter {
public:
    // "[Begin Action N]".
    AirWriter& action(int number);
    // "group,number, x,y, time" with ", flip" and ", blend" when given.
    AirWriter& frame(int group, int number, int x, int y, int time, const std::string& flip = {},
                     const std::string& blend = {});
    AirWriter& loopStart();
    // Any line as it stands.
    AirWriter& line(const std::string& raw);

    // The lines joined with newline (CR LF by default), ending in one.
    std::string text(const std::string& newline = "\r\n") const;

private:
    std::vector<std::string> lines_;
};

// An .air text with every line form: comments (one in Shift-JIS), blank
// lines, collision boxes, Loopstart, flips, blends and a held frame.
std::string everyLineFormAir();

} // namespace zorvik::test
