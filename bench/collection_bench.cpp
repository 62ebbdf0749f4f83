// The list update at collection scale, on generated folder characters:
//  (a) an update of 10,000 unchanged characters against listing the same
//      folder with one stat per entry;
//  (b) the first registration of 2,000 characters with portraits against
//      reading all their .def and .sff bytes;
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
#include "core/platform/file_io.h"
#include "core/platform/user_messages.h"
#include "core/settings/app_settings.h"
#include "support/character_fixture.h"
#include "support/temp_folder.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kRounds = 5;

class SilentObserver : public zorvik::ListUpdateObserver {
public:
    void setStatusText(const std::string&) override {}
    void setLabel(const std::string&) override {}
    void setProgressMaximum(int) override {}
    void setProgressPosition(int) override {}
    void closeDialog() override {}
    void reloadList() override {}
    void startBlink() override {}
};

class CountingMessages : public zorvik::UserMessages {
public:
    void show(const std::string&) override { ++shown; }
    bool askYesNo(const std::string&, const std::string&) override { return false; }
    int shown = 0;
};

double medianMs(const std::function<void()>& prepare, const std::function<void()>& subject) {
    std::vector<double> times;
    for (int round = 0; round < kRounds; ++round) {
        prepare();
        const auto start = Clock::now();
        subject();
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// A character folder of count folder characters, each a .def and an .sff.
std::string makeCollection(const zorvik::test::TempFolder& root, const std::string& name,
                           int count) {
    const std::string folder = root.makeFolder(name);
    const std::string sff = zorvik::test::portraitSff();
    for (int i = 0; i < count; ++i) {
        zorvik::test::DefFields fields;
        fields.name = "Character " + std::to_string(i);
        const std::string character = name + "/char" + std::to_string(i);
        root.write(character + "/char.def", zorvik::test::defText(fields));
        root.write(character + "/kfm.sff", sff);
    }
    return folder;
}

zorvik::ListUpdateOutcome runUpdate(const std::string& mainDir, const std::string& db,
                                    bool sprites, const std::string& pluginFolder) {
    zorvik::AppSettings settings;
    settings.MainDir = mainDir;
    settings.TempDir = fs::temp_directory_path().string() + "/";
    settings.RegisterSprite = sprites;
    zorvik::Kel_CharacterDb catalogue(db);
    SilentObserver observer;
    CountingMessages messages;
    const std::atomic<bool> cancel{false};
    return zorvik::RunListUpdate({settings, catalogue, messages, observer, cancel, pluginFolder,
                                  nullptr});
}

void listWithStat(const std::string& folder) {
    DIR* dir = opendir(folder.c_str());
    struct stat info {};
    while (const dirent* entry = readdir(dir)) {
        fstatat(dirfd(dir), entry->d_name, &info, 0);
    }
    closedir(dir);
}

void readCharacterFiles(const std::string& folder) {
    std::string bytes;
    for (const auto& character : fs::directory_iterator(folder)) {
        for (const auto& file : fs::directory_iterator(character.path())) {
            zorvik::platform::readWholeFile(file.path().string(), bytes);
        }
    }
}

void report(const char* what, double subject, const char* baselineName, double baseline,
            const char* target) {
    std::printf("%-46s %9.1f ms | %-28s %9.1f ms | ratio %6.2fx (target %s)\n", what, subject,
                baselineName, baseline, subject / baseline, target);
}

} // namespace

int main(int argc, char* argv[]) {
    // "collection_bench b" runs only the registration part, for profiling.
    const bool onlyRegistration = argc > 1 && std::string(argv[1]) == "b";
    zorvik::test::TempFolder root;
    const std::string noPlugins = root.makeFolder("no-plugins");
    const std::string db = root.file("db.sqlite3");
    const auto freshDb = [&] { fs::remove(db); };
    const auto none = [] {};
    if (onlyRegistration) {
        const std::string two = makeCollection(root, "c2000", 2000);
        for (int i = 0; i < 20; ++i) {
            freshDb();
            runUpdate(two, db, true, noPlugins);
        }
        return 0;
    }
    const std::string small = makeCollection(root, "c1000", 1000);
    const std::string large = makeCollection(root, "c10000", 10000);

    // (a) unchanged update against listing with stat.
    runUpdate(large, db, false, noPlugins);
    const double unchanged10k = medianMs(none, [&] { runUpdate(large, db, false, noPlugins); });
    const double listing10k = medianMs(none, [&] { listWithStat(large); });
    report("(a) update, 10,000 unchanged", unchanged10k, "list + stat", listing10k, "<= 3x");

    // (b) first registration with portraits against reading the files.
    const std::string two = makeCollection(root, "c2000", 2000);
    const double register2k = medianMs(freshDb, [&] { runUpdate(two, db, true, noPlugins); });
    const double read2k = medianMs(none, [&] { readCharacterFiles(two); });
    report("(b) first registration, 2,000 with portraits", register2k, "read .def + .sff", read2k,
           "<= 3x");
    const double register2kNoSprites =
        medianMs(freshDb, [&] { runUpdate(two, db, false, noPlugins); });
    report("    the same without portraits", register2kNoSprites, "read .def + .sff", read2k, "-");

    // (c) growth from 1,000 to 10,000.
    const double first1k = medianMs(freshDb, [&] { runUpdate(small, db, false, noPlugins); });
    const double first10k = medianMs(freshDb, [&] { runUpdate(large, db, false, noPlugins); });
    report("(c) first registration, 10,000", first10k, "the same, 1,000", first1k, "<= 11x");
    runUpdate(small, db, false, noPlugins);
    const double same1k = medianMs(none, [&] { runUpdate(small, db, false, noPlugins); });
    freshDb();
    runUpdate(large, db, false, noPlugins);
    const double same10k = medianMs(none, [&] { runUpdate(large, db, false, noPlugins); });
    report("(c) update unchanged, 10,000", same10k, "the same, 1,000", same1k, "<= 11x");
    return 0;
}
