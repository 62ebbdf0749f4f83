// The collection check at collection scale: the check of 10,000 folder
// characters (each .def naming ten files, stcommon found in the engine's
// data folder, a portrait of its own stored) against reading their .def files alone,
// measured in turns in the same run; medians are printed.
//   check_bench          the comparison
//   check_bench profile  repeats the check only, for profiling

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "core/catalogue/character_db.h"
#include "core/check/collection_check.h"
#include "core/discovery/character_files.h"
#include "core/discovery/list_update.h"
#include "core/discovery/list_update_observer.h"
#include "core/platform/directory_listing.h"
#include "core/platform/file_io.h"
#include "core/platform/stdout_redirect.h"
#include "core/platform/user_messages.h"
#include "core/settings/app_settings.h"
#include "core/settings/ini_handler.h"
#include "support/character_fixture.h"
#include "support/pcx_writer.h"
#include "support/sff_writer.h"
#include "support/temp_folder.h"
#include "silent_observers.h"

namespace {

using zorvik::bench::CountingMessages;
using zorvik::bench::SilentObserver;

using Clock = std::chrono::steady_clock;

constexpr int kCharacters = 10000;
constexpr int kRounds = 9;

// A character as authors ship them: the .def, its files beside it, and
// stcommon left to the engine.
std::string characterDef(int index) {
    return "[Info]\r\nname = \"Character " + std::to_string(index) +
           "\"\r\nauthor = \"Someone\"\r\n\r\n[Files]\r\ncmd = char.cmd\r\ncns = char.cns\r\n"
           "st = char.cns\r\nstcommon = common1.cns\r\nsprite = char.sff\r\nanim = char.air\r\n"
           "sound = char.snd\r\nai = char.ai\r\npal1 = char1.act\r\npal2 = char2.act\r\n";
}

// A sprite file whose portrait differs from every other character's.
std::string distinctPortraitSff(int index) {
    std::vector<std::uint8_t> pixels(12, 7);
    pixels[0] = static_cast<std::uint8_t>(index & 0xFF);
    pixels[1] = static_cast<std::uint8_t>((index >> 8) & 0xFF);
    const zorvik::test::PcxPicture picture{4, 3, pixels, zorvik::test::distinctPalette()};
    zorvik::test::SffFile file;
    file.subfiles.push_back(zorvik::test::SffSubfile::sprite(9000, 1, picture.pcx()));
    return file.bytes();
}

std::string makeCollection(const zorvik::test::TempFolder& root) {
    const std::string folder = root.makeFolder("chars");
    for (int i = 0; i < kCharacters; ++i) {
        const std::string character = "chars/char" + std::to_string(i) + "/";
        root.write(character + "char.def", characterDef(i));
        root.write(character + "char.sff", distinctPortraitSff(i));
        for (const char* file :
             {"char.cmd", "char.cns", "char.air", "char.snd", "char.ai", "char1.act", "char2.act"}) {
            root.write(character + file, "x");
        }
    }
    return folder;
}

// The baseline: every character's .def found and read, nothing more.
void readDefFiles(const std::string& mainDir) {
    std::string bytes;
    const auto listing =
        zorvik::platform::listDirectory(mainDir, zorvik::platform::ListingDetail::KindsOnly);
    for (const auto& entry : listing.entries) {
        for (const std::string& def : zorvik::findDefFiles(mainDir + "/" + entry.diskName)) {
            zorvik::platform::readWholeFile(def, bytes);
        }
    }
}

double median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

double timeMs(const std::function<void()>& run) {
    const auto start = Clock::now();
    run();
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

} // namespace

int main(int argc, char* argv[]) {
    const bool profile = argc > 1 && std::string(argv[1]) == "profile";
    zorvik::test::TempFolder root;
    zorvik::AppSettings settings;
    const double made = timeMs([&] { settings.MainDir = makeCollection(root); });
    settings.TempDir = root.makeFolder("temp") + "/";
    settings.MugenExeFile = root.write("engine/mugen.exe", "");
    root.write("engine/data/common1.cns", "c");
    settings.RegisterSprite = true;
    zorvik::Kel_CharacterDb catalogue(root.file("db.sqlite3"));
    SilentObserver observer;
    CountingMessages messages;
    const std::atomic<bool> cancel{false};
    const std::string noPlugins = root.makeFolder("no-plugins");
    const double registered = timeMs([&] {
        const zorvik::platform::StdoutRedirect quiet;
        zorvik::RunListUpdate({settings, catalogue, messages, observer, cancel, noPlugins, nullptr});
    });
    std::fprintf(stderr, "collection written in %.0f ms, registered in %.0f ms\n", made,
                 registered);
    const auto check = [&] {
        const auto report =
            zorvik::RunCollectionCheck({settings, catalogue, observer, cancel, noPlugins, nullptr});
        if (!report.completed || !report.broken.empty()) {
            std::fprintf(stderr, "unexpected report: %s\n", japaneseText(*report.error).c_str());
        }
    };
    if (profile) {
        for (int i = 0; i < 20; ++i) {
            check();
        }
        return 0;
    }
    std::vector<double> checkTimes;
    std::vector<double> readTimes;
    for (int round = 0; round < kRounds; ++round) {
        checkTimes.push_back(timeMs(check));
        readTimes.push_back(timeMs([&] { readDefFiles(settings.MainDir); }));
    }
    const double subject = median(checkTimes);
    const double baseline = median(readTimes);
    std::printf("%-40s %9.1f ms | %-28s %9.1f ms | ratio %6.2fx (target <= 2x)\n",
                "check, 10,000 folder characters", subject, "find and read the .def files",
                baseline, subject / baseline);
    return 0;
}
