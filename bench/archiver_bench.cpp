// Extracting a 50 MB character archive: through the manager with the shipped
// DLLinfo.ini (only what registration needs) and through the plug-in in full,
// each against a full extraction by `bsdtar -xf` of the same archive, measured
// in the same run. Prints the median times and the ratios.

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <memory>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "core/archive/archiver_handler.h"
#include "core/platform/stdout_redirect.h"
#include "support/archive_writer.h"
#include "support/noise.h"
#include "support/temp_folder.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;
using zorvik::test::FixtureEntry;

constexpr int kRounds = 7;
constexpr int kSounds = 81;

// An 8-bit waveform with noise: compresses a little, as recorded sound does.
std::string sound(std::size_t size, std::uint32_t seed) {
    std::string bytes = zorvik::test::pseudoRandomBytes(size, seed);
    for (std::size_t i = 0; i < size; ++i) {
        const double wave = 100.0 * std::sin(static_cast<double>(i) * 0.01 * (seed % 7 + 1));
        bytes[i] = static_cast<char>(128 + static_cast<int>(wave) + (bytes[i] & 0x0F) - 8);
    }
    return bytes;
}

std::vector<FixtureEntry> characterEntries() {
    std::vector<FixtureEntry> entries{
        FixtureEntry::folder("kfm"),
        FixtureEntry::file("kfm/kfm.def", "[Info]\nName = \"Kung Fu Man\"\n[Files]\n"
                                          "sprite = kfm.sff\nsound = kfm.snd\n"),
        FixtureEntry::file("kfm/kfm.sff", zorvik::test::pseudoRandomBytes(3 << 20, 1)),
        FixtureEntry::file("kfm/kfm.cmd", std::string(20000, ';')),
        FixtureEntry::folder("kfm/sound")};
    for (int i = 0; i < kSounds; ++i) {
        entries.push_back(FixtureEntry::file("kfm/sound/voice" + std::to_string(i) + ".wav",
                                             sound(600 * 1024, static_cast<std::uint32_t>(i))));
    }
    return entries;
}

bool runBsdtar(const std::string& archive, const std::string& destination) {
    std::vector<std::string> words{"bsdtar", "-xf", archive, "-C", destination};
    std::vector<char*> argv;
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    pid_t child = 0;
    if (posix_spawnp(&child, "bsdtar", nullptr, nullptr, argv.data(), environ) != 0) {
        return false;
    }
    int status = 0;
    return waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

struct Case {
    const char* name;
    std::function<bool(const std::string& destination)> run;
    std::vector<double> milliseconds;
};

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Runs every case kRounds times in turn, each into a fresh folder that is
// removed afterwards (outside the timing).
bool measure(std::vector<Case>& cases, const std::string& scratch) {
    for (int round = 0; round < kRounds; ++round) {
        for (std::size_t turn = 0; turn < cases.size(); ++turn) {
            Case& current = cases[(turn + static_cast<std::size_t>(round)) % cases.size()];
            const std::string destination = scratch + "/out";
            fs::create_directory(destination);
            const auto start = std::chrono::steady_clock::now();
            const bool succeeded = current.run(destination);
            const std::chrono::duration<double, std::milli> took =
                std::chrono::steady_clock::now() - start;
            fs::remove_all(destination);
            if (!succeeded) {
                std::fprintf(stderr, "%s failed\n", current.name);
                return false;
            }
            current.milliseconds.push_back(took.count());
        }
    }
    return true;
}

void report(const std::vector<Case>& cases, std::uintmax_t archiveSize) {
    std::printf("archive: %.1f MB zip (a .def, a 3 MB .sff, %d sounds of 600 KiB)\n",
                static_cast<double>(archiveSize) / 1e6, kSounds);
    const double baseline = median(cases[0].milliseconds);
    for (const Case& entry : cases) {
        const double time = median(entry.milliseconds);
        std::printf("%-46s median %8.2f ms   ratio %.3fx\n", entry.name, time, time / baseline);
    }
}

std::unique_ptr<zorvik::KelArchiverHandler> quietHandler() {
    const zorvik::platform::StdoutRedirect quiet; // the manager's trace
    return std::make_unique<zorvik::KelArchiverHandler>(ZORVIK_PLUGIN_DIR);
}

std::vector<Case> makeCases(const std::string& archive, zorvik::KelArchiverHandler& handler,
                            const zorvik::KelArchiveDLL& plugin) {
    return {{"bsdtar -xf (full, baseline)",
             [&](const std::string& out) { return runBsdtar(archive, out); },
             {}},
            {"manager + shipped DLLinfo.ini (e *.def *.sff)",
             [&](const std::string& out) {
                 const zorvik::platform::StdoutRedirect quiet; // the manager's trace
                 const bool extracted = handler.OpenArchive(archive) && handler.Extract(out + "/");
                 handler.CloseArchive();
                 return extracted && fs::exists(out + "/kfm.def") && fs::exists(out + "/kfm.sff");
             },
             {}},
            {"plug-in full extraction (x)",
             [&](const std::string& out) {
                 std::string text(ZORVIK_ARCHIVER_OUTPUT_SIZE, '\0');
                 return plugin.RunCommand(nullptr, "x \"" + archive + "\" \"" + out + "/\"",
                                          text.data(), static_cast<int>(text.size())) == 0;
             },
             {}}};
}

} // namespace

int main() {
    const zorvik::test::TempFolder scratch;
    const std::string archive = scratch.file("kfm.zip");
    writeArchive(archive, zorvik::test::ArchiveFormat::Zip, characterEntries());

    const std::unique_ptr<zorvik::KelArchiverHandler> handler = quietHandler();
    zorvik::KelArchiveDLL plugin;
    if (!plugin.Load(std::string(ZORVIK_PLUGIN_DIR) + "/ZorvikArc.so", "ZorvikArc")) {
        std::fprintf(stderr, "cannot load the plug-in from %s\n", ZORVIK_PLUGIN_DIR);
        return 1;
    }
    std::vector<Case> cases = makeCases(archive, *handler, plugin);
    if (!measure(cases, scratch.path())) {
        return 1;
    }
    report(cases, fs::file_size(archive));
    return 0;
}
