#pragma once

#include <atomic>
#include <cstddef>
#include <string>
#include <vector>

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
    int moved = 0;          // rows that followed their character to its new place
    int movesLeft = 0;      // rows gone that several new entries matched: not moved
    int missing = 0;        // rows newly marked missing (DELETED = 2)
    int returned = 0;       // rows marked missing whose entry is back
    int portraits = 0;      // portraits added to rows kept as they were
    int namesToldApart = 0; // entries whose names are shown with their bytes
    // Entries that could not be read (by FILENAME, in listing order) and
    // group folders that could not be read: nothing at or below them was
    // taken as gone.
    std::vector<std::string> unreadable;
    std::vector<std::string> unreadableFolders;
    bool portraitsTaken = false; // RegisterSprite was on: missing portraits were looked for
    bool nothingListed = false; // no character listed beside shown rows: nothing marked
    bool listed = false;    // the character folder could be listed
    bool completed = false; // neither the catalogue nor the user stopped the update
    bool cancelled = false; // the user stopped it; what was written before stays
    // The catalogue refused a write and undid the update's transaction
    // itself (a full disk): the counts are those of the catalogue, none.
    bool changesUndone = false;

    bool changed() const {
        return inserted > 0 || updated > 0 || moved > 0 || missing > 0 || returned > 0 ||
               portraits > 0;
    }
    // The update completed but passed over entries it could not read.
    bool skippedEntries() const { return !unreadable.empty() || !unreadableFolders.empty(); }
    // "更新処理終了 : 新規追加データ 3件、 更新データ 0件でした。", with the
    // moved rows when there are any.
    Message countsText() const;
    // The lines beside the counts that only some updates have, in order:
    // rows left unmoved, names told apart, the folders and the number of
    // entries that could not be read.
    std::vector<Message> remarks() const;
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
// entry date changed, all in one transaction. A new entry that is a row's
// character found at another place takes over that row (see
// CharacterMoves). Never deletes rows: after a complete listing, those
// whose entry is gone are marked missing instead. With RegisterSprite, a
// row kept as it is that has no portrait gets one, unless taking it
// already failed for the same entry date. Stops at the first write the
// catalogue refuses, or at a cancel, and commits what was written before.
// Character files are read on worker threads; the rows, their IDs, the
// counts and the messages are those of one character after another in
// listing order, moves and held-back new entries last. An empty MainDir
// is refused with a message, before anything else.
ListUpdateOutcome RunListUpdate(const ListUpdateJob& job);

} // namespace zorvik
