// zorvik_ts_table IN.ts OUT.cpp: writes the companion's English table, the
// finished translations of IN.ts, as a C++ source. The companion is built
// without Qt, so it cannot load the .qm the window uses.

#include <cstdio>
#include <fstream>
#include <sstream>

#include "cli/ts_table/ts_reader.h"
#include "cli/ts_table/ts_table_source.h"

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fputs("usage: zorvik_ts_table IN.ts OUT.cpp\n", stderr);
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    std::stringstream xml;
    if (!in.is_open() || !(xml << in.rdbuf())) {
        std::fprintf(stderr, "%s: cannot be read\n", argv[1]);
        return 1;
    }
    std::string error;
    const auto entries = zorvik::cli::readTsEntries(xml.str(), error);
    if (!entries) {
        std::fprintf(stderr, "%s: malformed translation file: %s\n", argv[1], error.c_str());
        return 1;
    }
    // Written whole or not at all, so that a failed run leaves no half table.
    const std::string temporary = std::string(argv[2]) + ".part";
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out << zorvik::cli::englishTableSource(*entries);
    out.close();
    if (!out || std::rename(temporary.c_str(), argv[2]) != 0) {
        std::fprintf(stderr, "%s: cannot be written\n", argv[2]);
        return 1;
    }
    return 0;
}
