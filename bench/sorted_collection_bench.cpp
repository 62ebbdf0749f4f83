// A re-scan of a collection sorted into group folders: 10,000 unchanged
// folder characters in 400 group folders (20 publishers of 20 series, 25
// characters each), updated with SearchSubfolders on, against a recursive
// listing of the same tree with one stat per entry, as `find -type d,f`
// does. Baseline and subject are timed in turns; medians are printed.

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <vector>

#include "core/catalogue/character_db.h"
#include "core/discovery/list_update.h"
#include "core/discovery/list_update_observer.h"
#include "core/platform/stdout_redirect.h"
#include "core/platform/user_messages.h"
#include "core/settings/app_settings.h"
#include "support/character_fixture.h"
#include "support/temp_folder.h"
#include "silent_observers.h"

namespace {

using zorvik::bench::CountingMessages;
using zorvik::bench::SilentObserver;

using Clock = std::chrono::steady_clock;

constexpr int kRounds = 9;
constexpr int kPublishers = 20;
constexpr int kSeries = 20;
constexpr int kCharactersPerSeries = 25;

// chars/publisherP/series S/charN/char.def + kfm.sff.
std::string makeSortedCollection(const zorvik::test::TempFolder& root) {
    const std::string folder = root.makeFolder("chars");
    const std::string sff = zorvik::test::portraitSff();
    int number = 0;
    for (int publisher = 0; publisher < kPublishers; ++publisher) {
        for (int series = 0; series < kSeries; ++series) {
            const std::string group = "chars/publisher" + std::to_string(publisher) + "/series " +
                                      std::to_string(series);
            for (int i = 0; i < kCharactersPerSeries; ++i, ++number) {
                zorvik::test::DefFields fields;
                fields.name = "Character " + std::to_string(number);
                const std::string character = group + "/char" + std::to_string(number);
                root.write(character + "/char.def", zorvik::test::defText(fields));
                root.write(character + "/kfm.sff", sff);
            }
        }
    }
    return folder;
}

zorvik::ListUpdateOutcome runUpdate(const std::string& mainDir, const std::string& db,
                                    const std::string& tempDir, const std::string& noPlugins) {
    zorvik::AppSettings settings;
    settings.MainDir = mainDir;
    settings.TempDir = tempDir;
    settings.SearchSubfolders = true;
    zorvik::Kel_CharacterDb catalogue(db);
    SilentObserver observer;
    CountingMessages messages;
    const std::atomic<bool> cancel{false};
    const zorvik::platform::StdoutRedirect quiet; // the plug-in manager's trace
    return zorvik::RunListUpdate(
        {settings, catalogue, messages, observer, cancel, noPlugins, nullptr});
}

// Every folder and file below folder, each looked up once, links not followed.
std::size_t walkWithStat(const std::string& folder) {
    DIR* dir = opendir(folder.c_str());
    if (dir == nullptr) {
        return 0;
    }
    std::size_t entries = 0;
    struct stat info {};
    while (const dirent* entry = readdir(dir)) {
        const std::string name = entry->d_name;
        if (name == "." || name == ".." ||
            fstatat(dirfd(dir), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0) {
            continue;
        }
        ++entries;
        if (S_ISDIR(info.st_mode)) {
            entries += walkWithStat(folder + "/" + name);
        }
    }
    closedir(dir);
    return entries;
}

template <typename Run> double timeMs(Run run) {
    const auto start = Clock::now();
    run();
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main() {
    zorvik::test::TempFolder root;
    const std::string chars = makeSortedCollection(root);
    const std::string db = root.file("db.sqlite3");
    const std::string tempDir = root.makeFolder("temp") + "/";
    const std::string noPlugins = root.makeFolder("no-plugins");
    const zorvik::ListUpdateOutcome first = runUpdate(chars, db, tempDir, noPlugins);
    std::printf("registered %d characters; the tree holds %zu entries\n", first.inserted,
                walkWithStat(chars));
    std::vector<double> rescans;
    std::vector<double> walks;
    for (int round = 0; round < kRounds; ++round) {
        rescans.push_back(timeMs([&] { runUpdate(chars, db, tempDir, noPlugins); }));
        walks.push_back(timeMs([&] { walkWithStat(chars); }));
    }
    const double rescan = median(rescans);
    const double walk = median(walks);
    std::printf("%-46s %9.1f ms | %-28s %9.1f ms | ratio %6.2fx (target <= 2x)\n",
                "re-scan, 10,000 unchanged in 400 groups", rescan, "recursive list + stat", walk,
                rescan / walk);
    return first.inserted == kPublishers * kSeries * kCharactersPerSeries ? 0 : 1;
}
