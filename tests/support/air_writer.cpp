#include "support/air_writer.h"

namespace zorvik::test {

AirWriter& AirWriter::action(int number) {
    return line("[Begin Action " + std::to_string(number) + "]");
}

AirWriter& AirWriter::frame(int group, int number, int x, int y, int time, const std::string& flip,
                            const std::string& blend) {
    std::string text = std::to_string(group) + "," + std::to_string(number) + ", " +
                       std::to_string(x) + "," + std::to_string(y) + ", " + std::to_string(time);
    if (!flip.empty() || !blend.empty()) {
        text += ", " + flip;
    }
    if (!blend.empty()) {
        text += ", " + blend;
    }
    return line(text);
}

AirWriter& AirWriter::loopStart() {
    return line("Loopstart");
}

AirWriter& AirWriter::line(const std::string& raw) {
    lines_.push_back(raw);
    return *this;
}

std::string AirWriter::text(const std::string& newline) const {
    std::string out;
    for (const std::string& raw : lines_) {
        out += raw + newline;
    }
    return out;
}

std::string everyLineFormAir() {
    return AirWriter()
        .line("; Standing \x97\xa7\x82\xbf") // "立ち" in Shift-JIS
        .line("")
        .line("[Begin Action 000]")
        .line("Clsn2Default: 2")
        .line(" Clsn2[0] = -13,  0, 16,-79")
        .line(" Clsn2[1] =   5,-79, -7,-93")
        .frame(0, 0, 0, 0, 5)
        .line("Clsn1: 1")
        .line(" Clsn1[0] = 10,-60, 40,-50")
        .frame(0, 1, 2, -1, 4, "H")
        .loopStart()
        .frame(0, 2, 0, 0, 6, "vh", "as128d128")
        .frame(0, 1, 0, 0, -1, "", "A")
        .line("")
        .line("[ begin   ACTION 5 ] ; the walk")
        .frame(20, 0, 0, 0, 3, "V", "A1")
        .frame(20, 1, 0, 0, 3, "", "S")
        .text();
}

} // namespace zorvik::test
