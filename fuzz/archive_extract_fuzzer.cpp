// The bundled archiver plug-in extracting any bytes as an archive, through
// its exported command function, with and without the stored folders.
// Afterwards nothing at all may have been written outside the destination
// folder: not anywhere in the scratch tree around it, however many levels
// up, nor in a canary folder an absolute entry name could reach; inside it
// only plain folders and files that are no links to other files.

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

// An absolute folder that archives may name (the seeds and the dictionary
// do): nothing may appear in it. Whatever else removes it meanwhile, an
// entry written there would make it again.
constexpr const char* kCanary = "/tmp/archive-fuzz-canary";

// The scratch folder holds the archive and, five folders down, the
// destination: an entry climbing out of it lands in the scratch tree.
struct Layout {
    std::string root = zorvik::fuzz::ScratchFolder::instance().path();
    std::string archive = root + "/input.zip";
    std::string destination = root + "/deep/er/and/deeper/out";
    // What the scratch tree holds outside the destination.
    std::set<std::string> expected{"input.zip", "deep", "deep/er", "deep/er/and", "deep/er/and/deeper"};
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

// Every path of the scratch tree outside the destination, links not followed.
std::set<std::string> outsideDestination(const Layout& layout) {
    std::set<std::string> paths;
    std::error_code error;
    for (fs::recursive_directory_iterator it(layout.root, error), end; it != end; it.increment(error)) {
        if (it->path() == layout.destination) {
            it.disable_recursion_pending();
            continue;
        }
        paths.insert(fs::relative(it->path(), layout.root).string());
    }
    return paths;
}

void checkOutside(const Layout& layout) {
    if (outsideDestination(layout) != layout.expected) {
        fail("something was written into the scratch tree outside the destination folder");
    }
    std::error_code error;
    if (fs::exists(kCanary, error) && !fs::is_empty(kCanary, error)) {
        fail("something was written through an absolute name into the canary folder");
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
    fs::create_directories(fs::path(layout.destination).parent_path());
    fs::create_directories(kCanary);
    zorvik::fuzz::ScratchFolder::instance().write(
        "input.zip", std::string_view(reinterpret_cast<const char*>(data), size));
    // A small size limit keeps a bomb from filling the disk on every run.
    const std::string paths = " \"" + layout.archive + "\" \"" + layout.destination + "\" ";
    extract(layout, "x" + paths + "-size:1m");
    extract(layout, "e" + paths + "-size:1m *.def *.sff");
    return 0;
}
