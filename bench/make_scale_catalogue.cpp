// Writes a large catalogue for measuring the program at scale:
//   make_scale_catalogue DB_FILE [ROWS=100000] [PORTRAIT_BYTES=15000 | PORTRAIT_FILE]
// Portraits are PORTRAIT_BYTES random bytes, or the bytes of an image file
// (for views that decode them). An existing file that already holds ROWS
// rows is kept.
#include <cstdio>
#include <string>

#include "core/platform/file_io.h"
#include "scale_catalogue.h"

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fputs("usage: make_scale_catalogue DB_FILE [ROWS] [PORTRAIT_BYTES | PORTRAIT_FILE]\n", stderr);
        return 2;
    }
    const int rows = argc > 2 ? std::stoi(argv[2]) : 100000;
    const std::string third = argc > 3 ? argv[3] : "15000";
    std::vector<std::uint8_t> image;
    if (zorvik::platform::readWholeFile(third, image)) {
        return zorvik::bench::makeScaleCatalogue(argv[1], rows, image) ? 0 : 1;
    }
    return zorvik::bench::makeScaleCatalogue(argv[1], rows, std::stoul(third)) ? 0 : 1;
}
