#pragma once

#include <string>
#include <utility>
#include <vector>

#include "../discovery/list_update_fixture.h"
#include "core/check/collection_check.h"
#include "core/platform/job_observer.h"

namespace zorvik::test {

// Records the check's progress; the check shows no status text and no messages.
class RecordingCheckObserver : public JobObserver {
public:
    void setStatusText(const Message& status) override {
        unexpected.push_back(japaneseText(status));
    }
    void show(const Message& message) override { unexpected.push_back(japaneseText(message)); }
    bool askYesNo(const Message& question, const Message&) override {
        unexpected.push_back(japaneseText(question));
        return false;
    }
    void done() override { ++doneCalls; }
    void setLabel(const Message& label) override { labels.push_back(japaneseText(label)); }
    void setProgressMaximum(int value) override { maximum = value; }
    void setProgressPosition(int value) override {
        position = value;
        if (onPosition) {
            onPosition(value);
        }
    }

    std::vector<std::string> labels;
    std::vector<std::string> unexpected;
    int doneCalls = 0;
    int maximum = -1;
    int position = -1;
    std::function<void(int)> onPosition;
};

using FileEntries = std::vector<std::pair<std::string, std::string>>;

// A .def with a name, an author and the given [Files] entries.
inline std::string filesDef(const FileEntries& files, const std::string& name = "Kung Fu Man",
                            const std::string& author = "Elecbyte") {
    std::string text = "[Info]\r\nname = \"" + name + "\"\r\nauthor = \"" + author +
                       "\"\r\n\r\n[Files]\r\n";
    for (const auto& [key, value] : files) {
        text += key + " = " + value + " ; a comment\r\n";
    }
    return text;
}

// The list update's fixture with a collection check.
class CheckFixture : public ListUpdateFixture {
protected:
    CheckReport check() {
        const char* plugins = std::getenv("ZORVIK_PLUGIN_DIR");
        return RunCollectionCheck(
            {settings, catalogue, checkObserver, cancel, plugins ? plugins : "", nullptr});
    }

    // A folder character with one .def and the files given, all registered.
    void addCharacter(const std::string& folder, const std::string& defText,
                      const std::vector<std::string>& files = {}) {
        root.write("chars/" + folder + "/" + folder + ".def", defText);
        for (const std::string& file : files) {
            root.write("chars/" + folder + "/" + file, "x");
        }
    }

    RecordingCheckObserver checkObserver;
};

} // namespace zorvik::test
