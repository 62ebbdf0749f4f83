// The list update at collection scale, on generated folder characters:
//  (a) an update of 10,000 unchanged characters against listing the same
//      folder with one stat per entry;
//  (b) the first registration of 2,000 characters with portraits against
//      reading all their .def and .sff bytes; the characters are realistic:
//      a sprite file of about 170 KB with a 120 x 140 portrait among 14 poses;
//      for comparison, the same with the files read by one worker thread;
//  (c) first registration and unchanged update of 10,000 against 1,000.
// Baseline and subject are measured in the same run; medians are printed.

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "core/catalogue/character_db.h"
#include "core/discovery/list_update.h"
#include "core/discovery/list_update_observer.h"
#include "core/platform/directory_listing.h"
#include "core/platform/file_io.h"
#include "core/platform/stdout_redirect.h"
#include "core/platform/user_messages.h"
#include "core/settings/app_settings.h"
#include "support/character_fixture.h"
#include "support/pcx_writer.h"
#include "support/sff_writer.h"
#include "support/temp_folder.h"
#include "silent_observers.h"

namespace {

using zorvik::bench::CountingMessages;
using zorvik::bench::SilentObserver;

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kRounds = 9;

// Something to time, and what must happen before each timing (untimed).
struct Timed {
    std::function<void()> prepare;
    std::function<void()> run;
};

double median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// The median times of a subject and its baseline, timed in turns so that
// both see the same state of the machine.
std::pair<double, double> medianPairMs(const Timed& subject, const Timed& baseline) {
    std::vector<double> subjectTimes;
    std::vector<double> baselineTimes;
    const auto time = [](const Timed& timed, std::vector<double>& times) {
        timed.prepare();
        const auto start = Clock::now();
        timed.run();
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    };
    for (int round = 0; round < kRounds; ++round) {
        time(subject, subjectTimes);
        time(baseline, baselineTimes);
    }
    return {median(subjectTimes), median(baselineTimes)};
}

// A sprite file as characters ship them: 14 poses of 100 to 200 pixels
// a side around the 120 x 140 portrait (9000,1), about 170 KB.
std::string realisticSff() {
    using namespace zorvik::test;
    SffFile file;
    file.subfiles.push_back(SffSubfile::sprite(9000, 0, portraitPicture(25, 25).pcx()));
    for (int pose = 0; pose < 14; ++pose) {
        const PcxPicture picture = portraitPicture(100 + (pose * 37) % 100, 100 + (pose * 53) % 100);
        file.subfiles.push_back(
            SffSubfile::sprite(static_cast<std::int16_t>(pose / 10), pose % 10, picture.pcx()));
    }
    file.subfiles.push_back(SffSubfile::sprite(9000, 1, portraitPicture(120, 140).pcx()));
    return file.bytes();
}

// A character folder of count folder characters, each a .def and an .sff.
std::string makeCollection(const zorvik::test::TempFolder& root, const std::string& name,
                           int count, const std::string& sff = zorvik::test::portraitSff()) {
    const std::string folder = root.makeFolder(name);
    for (int i = 0; i < count; ++i) {
        zorvik::test::DefFields fields;
        fields.name = "Character " + std::to_string(i);
        const std::string character = name + "/char" + std::to_string(i);
        root.write(character + "/char.def", zorvik::test::defText(fields));
        root.write(character + "/kfm.sff", sff);
    }
    return folder;
}

zorvik::ListUpdateOutcome runUpdate(const std::string& mainDir, const std::string& db, bool sprites,
                                    const std::string& pluginFolder, std::size_t workers = 0) {
    zorvik::AppSettings settings;
    settings.MainDir = mainDir;
    settings.TempDir = fs::temp_directory_path().string() + "/";
    settings.RegisterSprite = sprites;
    zorvik::Kel_CharacterDb catalogue(db);
    SilentObserver observer;
    CountingMessages messages;
    const std::atomic<bool> cancel{false};
    const zorvik::platform::StdoutRedirect quiet; // the plug-in manager's trace
    return zorvik::RunListUpdate(
        {settings, catalogue, messages, observer, cancel, pluginFolder, nullptr, workers});
}

void listWithStat(const std::string& folder) {
    DIR* dir = opendir(folder.c_str());
    struct stat info {};
    while (const dirent* entry = readdir(dir)) {
        fstatat(dirfd(dir), entry->d_name, &info, 0);
    }
    closedir(dir);
}

// Reads every .def and .sff file of every character folder.
void readCharacterFiles(const std::string& folder) {
    std::string bytes;
    for (const auto& character : fs::directory_iterator(folder)) {
        if (!character.is_directory()) {
            continue;
        }
        for (const auto& file : fs::directory_iterator(character.path())) {
            const std::string name = file.path().filename().string();
            if (zorvik::platform::endsWithIgnoringCase(name, ".def") ||
                zorvik::platform::endsWithIgnoringCase(name, ".sff")) {
                zorvik::platform::readWholeFile(file.path().string(), bytes);
            }
        }
    }
}

void report(const char* what, double subject, const char* baselineName, double baseline,
            const char* target) {
    std::printf("%-46s %9.1f ms | %-28s %9.1f ms | ratio %6.2fx (target %s)\n", what, subject,
                baselineName, baseline, subject / baseline, target);
}

// (b) on a collection of folder characters made elsewhere, such as
// make_collection.py's; its archives are left out (no plug-ins).
int firstRegistrationOf(const std::string& collection, const std::string& db,
                        const std::string& noPlugins) {
    const auto freshDb = [&] { fs::remove(db); };
    const Timed read{[] {}, [&] { readCharacterFiles(collection); }};
    const auto [registered, readTime] =
        medianPairMs({freshDb, [&] { runUpdate(collection, db, true, noPlugins); }}, read);
    report("(b) first registration with portraits", registered, "read .def + .sff", readTime,
           "<= 2.5x");
    const auto [oneWorker, readOnce] =
        medianPairMs({freshDb, [&] { runUpdate(collection, db, true, noPlugins, 1); }}, read);
    report("    files read by one worker", oneWorker, "read .def + .sff", readOnce, "-");
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    // "collection_bench a" or "b" repeats only that part, for profiling;
    // "collection_bench b FOLDER" measures (b) on that collection.
    const std::string only = argc > 1 ? argv[1] : "";
    zorvik::test::TempFolder root;
    const std::string noPlugins = root.makeFolder("no-plugins");
    const std::string db = root.file("db.sqlite3");
    const auto freshDb = [&] { fs::remove(db); };
    const auto none = [] {};
    if (only == "b" && argc > 2) {
        return firstRegistrationOf(argv[2], db, noPlugins);
    }
    if (only == "b") {
        const std::string two = makeCollection(root, "c2000", 2000, realisticSff());
        for (int i = 0; i < 20; ++i) {
            freshDb();
            runUpdate(two, db, true, noPlugins);
        }
        return 0;
    }
    const std::string small = makeCollection(root, "c1000", 1000);
    const std::string large = makeCollection(root, "c10000", 10000);
    if (only == "a") {
        for (int i = 0; i < 100; ++i) {
            runUpdate(large, db, false, noPlugins);
        }
        return 0;
    }

    // (a) unchanged update against listing with stat.
    runUpdate(large, db, false, noPlugins);
    const auto [unchanged10k, listing10k] =
        medianPairMs({none, [&] { runUpdate(large, db, false, noPlugins); }},
                     {none, [&] { listWithStat(large); }});
    report("(a) update, 10,000 unchanged", unchanged10k, "list + stat", listing10k, "<= 3x");

    // (b) first registration with portraits against reading the files.
    const std::string sprites = realisticSff();
    std::printf("(b) sprite file of each character: %zu bytes\n", sprites.size());
    const std::string two = makeCollection(root, "c2000", 2000, sprites);
    const Timed read2k{none, [&] { readCharacterFiles(two); }};
    const auto [register2k, readTime] =
        medianPairMs({freshDb, [&] { runUpdate(two, db, true, noPlugins); }}, read2k);
    report("(b) first registration, 2,000 with portraits", register2k, "read .def + .sff", readTime,
           "<= 2.5x");
    const auto [plain2k, readAgain] =
        medianPairMs({freshDb, [&] { runUpdate(two, db, false, noPlugins); }}, read2k);
    report("    the same without portraits", plain2k, "read .def + .sff", readAgain, "-");
    const auto [oneWorker2k, readOnce] =
        medianPairMs({freshDb, [&] { runUpdate(two, db, true, noPlugins, 1); }}, read2k);
    report("    with portraits, files read by one worker", oneWorker2k, "read .def + .sff", readOnce,
           "-");

    // (c) growth from 1,000 to 10,000.
    const auto [first10k, first1k] =
        medianPairMs({freshDb, [&] { runUpdate(large, db, false, noPlugins); }},
                     {freshDb, [&] { runUpdate(small, db, false, noPlugins); }});
    report("(c) first registration, 10,000", first10k, "the same, 1,000", first1k, "<= 11x");
    const std::string smallDb = root.file("small.sqlite3");
    runUpdate(small, smallDb, false, noPlugins);
    runUpdate(large, db, false, noPlugins);
    const auto [same10k, same1k] =
        medianPairMs({none, [&] { runUpdate(large, db, false, noPlugins); }},
                     {none, [&] { runUpdate(small, smallDb, false, noPlugins); }});
    report("(c) update unchanged, 10,000", same10k, "the same, 1,000", same1k, "<= 11x");
    return 0;
}
