// The bundled archiver plug-in extracting any bytes as an archive, through
// its exported command function, with and without the stored folders.
// Afterwards nothing may exist outside the destination folder, and inside
// it only plain folders and files that are no links to other files.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <set>
#include <string>
#include <string_view>
#include <sys/stat.h>

#include "core/archive/archiver_abi.h"
#include "scratch_folder.h"

ZORVIK_ARCHIVER_EXPORT int ZORVIK_ARCHIVER_CALL ZorvikArc(void* ownerWindow,
                                                          const char* commandLine, char* output,
                                                          int outputSize);

namespace {

namespace fs = std::filesystem;
using zorvik::fuzz::fail;

// The scratch folder holds the archive, the destination and an empty
// sibling of the destination, where an escaping entry would show.
struct Layout {
    std::string root = zorvik::fuzz::ScratchFolder::instance().path();
    std::string archive = root + "/input.zip";
    std::string destination = root + "/out";
    std::string sibling = root + "/outside";
};

void checkDestination(const Layout& layout) {
    std::error_code error;
    for (fs::recursive_directory_iterator it(layout.destination, error), end; it != end;
         it.increment(error)) {
        struct stat info {};
        if (lstat(it->path().c_str(), &info) != 0) {
            fail("an extracted entry vanished");
        }
        if (!S_ISDIR(info.st_mode) && !(S_ISREG(info.st_mode) && info.st_nlink == 1)) {
            fail("the destination holds a link or a special file");
        }
    }
}

void checkOutside(const Layout& layout) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(layout.root)) {
        names.insert(entry.path().filename().string());
    }
    if (names != std::set<std::string>{"input.zip", "out", "outside"} ||
        !fs::is_empty(layout.sibling)) {
        fail("something was written outside the destination folder");
    }
}

void extract(const Layout& layout, const std::string& commandLine) {
    fs::create_directory(layout.destination);
    char output[ZORVIK_ARCHIVER_OUTPUT_SIZE];
    ZorvikArc(nullptr, commandLine.c_str(), output, sizeof output);
    checkDestination(layout);
    checkOutside(layout);
    fs::remove_all(layout.destination);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const Layout layout;
    fs::create_directory(layout.sibling);
    zorvik::fuzz::ScratchFolder::instance().write(
        "input.zip", std::string_view(reinterpret_cast<const char*>(data), size));
    // A small size limit keeps a bomb from filling the disk on every run.
    const std::string paths = " \"" + layout.archive + "\" \"" + layout.destination + "\" ";
    extract(layout, "x" + paths + "-size:1m");
    extract(layout, "e" + paths + "-size:1m *.def *.sff");
    return 0;
}
