#pragma once

#include <atomic>
#include <cstddef>
#include <string>

#include "core/text/message.h"

namespace zorvik {

class Kel_CharacterDb;
class ListUpdateObserver;
class UserMessages;
struct AppSettings;

// The counts an update reports, and whether anything stopped it short.
struct ListUpdateOutcome {
    int inserted = 0;
    int updated = 0;
    int missing = 0;        // rows newly marked missing (DELETED = 2)
    int returned = 0;       // rows marked missing whose entry is back
    int portraits = 0;      // portraits added to rows kept as they were
    bool portraitsTaken = false; // RegisterSprite was on: missing portraits were looked for
    bool nothingListed = false; // no character listed beside shown rows: nothing marked
    bool listed = false;    // the character folder could be listed
    bool completed = false; // no catalogue error interrupted the update

    bool changed() const {
        return inserted > 0 || updated > 0 || missing > 0 || returned > 0 || portraits > 0;
    }
    // "更新処理終了 : 新規追加データ 3件、 更新データ 0件でした。"
    Message countsText() const;
};

// Everything one list update works with.
struct ListUpdateJob {
    const AppSettings& settings;
    Kel_CharacterDb& catalogue;
    UserMessages& messages;
    ListUpdateObserver& observer;
    const std::atomic<bool>& cancel;
    std::string pluginFolder;    // empty: ArchiverDLLs beside the executable
    void* ownerWindow = nullptr; // handed to the archiver plug-ins
    std::size_t workers = 0;     // threads reading character files; 0: one per core
};

// "画像を追加したデータ : 2件", the line of the portraits added to kept rows.
Message portraitCountText(int added);

// Brings the catalogue in line with the character folder: lists MainDir,
// inserts new characters and (with CharUpdateCheck) re-reads those whose
// entry date changed, all in one transaction that is committed however
// the loop ends. Never deletes rows: after a complete listing, those whose
// entry is gone are marked missing instead. With RegisterSprite, a row
// kept as it is that has no portrait gets one, unless taking it already
// failed for the same entry date. Character files are read on
// worker threads; the rows, their IDs, the counts and the messages are
// those of one character after another in listing order. An empty MainDir
// is refused with a message, before anything else.
ListUpdateOutcome RunListUpdate(const ListUpdateJob& job);

} // namespace zorvik
