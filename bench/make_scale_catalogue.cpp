// Writes a large catalogue for measuring the program at scale:
//   make_scale_catalogue DB_FILE [ROWS=100000] [PORTRAIT_BYTES=15000]
// An existing file that already holds ROWS rows is kept.
#include <cstdio>
#include <string>

#include "scale_catalogue.h"

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fputs("usage: make_scale_catalogue DB_FILE [ROWS] [PORTRAIT_BYTES]\n", stderr);
        return 2;
    }
    const int rows = argc > 2 ? std::stoi(argv[2]) : 100000;
    const std::size_t bytes = argc > 3 ? std::stoul(argv[3]) : 15000;
    return zorvik::bench::makeScaleCatalogue(argv[1], rows, bytes) ? 0 : 1;
}
