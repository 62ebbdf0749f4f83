#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <map>
#include <sqlite3.h>
#include <string>
#include <vector>

#include "core/catalogue/character_db.h"
#include "core/catalogue/statement.h"
#include "core/discovery/list_update.h"
#include "core/discovery/list_update_observer.h"
#include "core/discovery/registration.h"
#include "core/settings/app_settings.h"
#include "support/character_fixture.h"
#include "support/recording_messages.h"
#include "support/temp_folder.h"

namespace zorvik::test {

// One character prepared and committed at once, as the update does it
// with its two steps on two threads.
inline RegistrationResult registerCharacter(const AppSettings& settings, Kel_CharacterDb& catalogue,
                                            UserMessages& messages, KelArchiverHandler& archiver,
                                            const Candidate& candidate, std::int64_t id) {
    const PreparedCharacter prepared = PrepareCharacter(settings, archiver, messages, candidate);
    return CommitCharacter(catalogue, messages, candidate, id, prepared);
}

// Records what an update shows, as "call:argument" lines.
class RecordingObserver : public ListUpdateObserver {
public:
    void setStatusText(const Message& status) override { record("status:" + japaneseText(status)); }
    void setLabel(const Message& label) override {
        const std::string text = japaneseText(label);
        record("label:" + text);
        if (onLabel) {
            onLabel(text);
        }
    }
    void setProgressMaximum(int maximum) override { record("max:" + std::to_string(maximum)); }
    void setProgressPosition(int position) override { lastPosition = position; }
    void done() override { record("close"); }
    // The update's messages go to its own UserMessages, never here.
    void show(const Message& message) override { record("message:" + japaneseText(message)); }
    bool askYesNo(const Message& question, const Message&) override {
        record("question:" + japaneseText(question));
        return false;
    }
    void reloadList() override { record("reload"); }
    void startBlink() override { record("blink"); }

    std::vector<std::string> calls;
    int lastPosition = -1;
    std::function<void(const std::string&)> onLabel;

private:
    void record(const std::string& call) { calls.push_back(call); }
};

// One stored row, as text, by FILENAME.
struct StoredRow {
    std::int64_t id = 0;
    std::map<std::string, std::string> text; // column -> value ("<null>" for NULL)
};

// A character folder, a temporary folder and a catalogue in a fresh folder.
class ListUpdateFixture : public ::testing::Test {
protected:
    ListUpdateFixture() {
        settings.MainDir = root.makeFolder("chars");
        settings.TempDir = root.makeFolder("temp") + "/";
    }

    ListUpdateOutcome update() {
        const char* plugins = std::getenv("ZORVIK_PLUGIN_DIR");
        return RunListUpdate(
            {settings, catalogue, messages, observer, cancel, plugins ? plugins : "", nullptr});
    }

    // A folder character: name/kfm.def (+ kfm.sff), last written on the given UTC day.
    std::string addFolder(const std::string& name, const DefFields& fields = {},
                          const std::string& date = "2012-03-03") {
        const std::string folder = root.makeFolder("chars/" + name);
        root.write("chars/" + name + "/kfm.def", defText(fields));
        root.write("chars/" + name + "/kfm.sff", portraitSff());
        stamp(folder, date);
        return folder;
    }

    static void stamp(const std::string& path, const std::string& date) {
        setLastWriteTime(path, std::stoi(date.substr(0, 4)), std::stoi(date.substr(5, 2)),
                         std::stoi(date.substr(8, 2)), 43200);
    }

    std::size_t rowCount() {
        Statement count(catalogue.statements(), "SELECT COUNT(*) FROM CHARACTER_TABLE");
        count.step();
        return static_cast<std::size_t>(count.int64At(0));
    }

    StoredRow row(const std::string& fileName) {
        Statement query(catalogue.statements(),
                        "SELECT ID, NAME, NAME2, AUTHOR, AI_AUTHOR, UPDATE_DATE, SUPPORTED_VER, "
                        "COMMENT, LASTCHECK_DATE, FILETYPE, PATH_ID, DELETED, FILENAME, "
                        "IMAGE IS NULL FROM CHARACTER_TABLE WHERE FILENAME=?");
        query.bindText(1, fileName);
        StoredRow stored;
        if (query.step() != SQLITE_ROW) {
            return stored;
        }
        stored.id = query.int64At(0);
        for (int i = 1; i < query.columnCount(); ++i) {
            const std::string column = sqlite3_column_name(query.handle(), i);
            stored.text[column] = query.isNull(i) ? "<null>" : query.textAt(i);
        }
        return stored;
    }

    TempFolder root;
    ScopedCurrentFolder inRoot{root.path()};
    Kel_CharacterDb catalogue;
    AppSettings settings;
    RecordingMessages messages;
    RecordingObserver observer;
    std::atomic<bool> cancel{false};
};

} // namespace zorvik::test
