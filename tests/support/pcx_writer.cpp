#include "support/pcx_writer.h"

#include <algorithm>

namespace zorvik::test {

namespace {

void appendU16(std::string& out, std::int16_t value) {
    const auto bits = static_cast<std::uint16_t>(value);
    out.push_back(static_cast<char>(bits & 0xFF));
    out.push_back(static_cast<char>(bits >> 8));
}

void appendRun(std::string& out, std::uint8_t value, int count) {
    if (count == 1 && value < 0xC0) {
        out.push_back(static_cast<char>(value));
        return;
    }
    out.push_back(static_cast<char>(0xC0 | count));
    out.push_back(static_cast<char>(value));
}

void appendEncodedRow(std::string& out, const std::vector<std::uint8_t>& row) {
    std::size_t i = 0;
    while (i < row.size()) {
        std::size_t run = 1;
        while (i + run < row.size() && run < 63 && row[i + run] == row[i]) {
            ++run;
        }
        appendRun(out, row[i], static_cast<int>(run));
        i += run;
    }
}

} // namespace

std::string PcxHeaderFields::bytes() const {
    std::string out(128, '\0');
    out[0] = static_cast<char>(manufacturer);
    out[1] = static_cast<char>(version);
    out[2] = static_cast<char>(encoding);
    out[3] = static_cast<char>(bitsPerPixel);
    std::string bounds;
    for (std::int16_t value : {xMin, yMin, xMax, yMax}) {
        appendU16(bounds, value);
    }
    out.replace(4, bounds.size(), bounds);
    out[65] = static_cast<char>(planes);
    std::string line;
    appendU16(line, bytesPerLine);
    out.replace(66, 2, line);
    return out;
}

std::string PcxPicture::encodedRows(int bytesPerLine) const {
    std::string out;
    for (int y = 0; y < height; ++y) {
        std::vector<std::uint8_t> row(static_cast<std::size_t>(bytesPerLine), 0);
        const auto first = pixels.begin() + static_cast<std::ptrdiff_t>(y) * width;
        std::copy_n(first, std::min(width, bytesPerLine), row.begin());
        appendEncodedRow(out, row);
    }
    return out;
}

std::string PcxPicture::pcx(int bytesPerLine) const {
    const int line = bytesPerLine != 0 ? bytesPerLine : (width + 1) & ~1;
    PcxHeaderFields header;
    header.xMax = static_cast<std::int16_t>(width - 1);
    header.yMax = static_cast<std::int16_t>(height - 1);
    header.bytesPerLine = static_cast<std::int16_t>(line);
    std::string out = header.bytes() + encodedRows(line);
    out.push_back('\x0C');
    out.append(palette.begin(), palette.end());
    return out;
}

PcxPalette distinctPalette() {
    PcxPalette palette{};
    for (int i = 0; i < 256; ++i) {
        palette[3 * i] = static_cast<std::uint8_t>(i);
        palette[3 * i + 1] = static_cast<std::uint8_t>(255 - i);
        palette[3 * i + 2] = static_cast<std::uint8_t>(i * 7);
    }
    return palette;
}

PcxPicture portraitPicture(int width, int height) {
    PcxPicture picture{width, height, {}, distinctPalette()};
    picture.pixels.resize(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int dx = x - width / 2;
            const int dy = y - height / 2;
            const bool inFigure = dx * dx * 4 + dy * dy * 2 < width * width / 2;
            // Inside the figure: bands of shading a few pixels wide, with detail.
            const int shade = 16 + ((x / 3 + y / 5) % 12) * 16 + ((x * y) % 7 == 0 ? 3 : 0);
            picture.pixels[static_cast<std::size_t>(y) * width + x] =
                static_cast<std::uint8_t>(inFigure ? shade : 0);
        }
    }
    return picture;
}

} // namespace zorvik::test
