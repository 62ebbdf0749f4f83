#pragma once

#include <atomic>
#include <cstddef>
#include <string>
#include <vector>

#include "core/catalogue/catalogue_status.h"
#include "core/catalogue/list_criteria.h"
#include "core/text/message.h"

namespace zorvik {

class Kel_CharacterDb;
class ListUpdateObserver;
struct AppSettings;

// One row a re-capture chose.
struct RecaptureRow {
    std::string fileName;
    bool handSet = false; // its portrait was chosen from a file: it stays
};

// The rows the list shows with a search, as a re-capture takes them.
struct RecaptureChoice {
    std::vector<RecaptureRow> rows;
    CatalogueStatus status;

    int handSetCount() const;
};

// The rows the character list shows with search (an empty text: every
// row the list shows), with their hand marks.
RecaptureChoice ChooseRecaptureRows(Kel_CharacterDb& catalogue, const ListSearch& search);

// What a re-capture did with the rows it chose.
struct RecaptureOutcome {
    int recaptured = 0;     // new portraits stored
    int handSet = 0;        // kept: chosen from a file
    int failed = 0;         // no portrait could be taken: the old one stays
    int notFound = 0;       // no entry of that name in the character folder
    bool listed = false;    // the rows and the character folder could be read
    bool completed = false; // neither the catalogue nor the user stopped it
    bool cancelled = false; // the user stopped it; what was stored before stays
    // The catalogue refused a write (the user was told why); the counts are
    // what the catalogue holds.
    bool catalogueFailed = false;

    // "ポートレート取り込み直し終了 : 取り込み 3件、 手動設定のため保持 1件、 取り込めず 0件、
    // 見つからず 0件"
    Message countsText() const;
};

// Everything one re-capture works with. The observer's reloadList and
// startBlink are used as the list update uses them.
struct RecaptureJob {
    const AppSettings& settings;
    Kel_CharacterDb& catalogue;
    ListUpdateObserver& observer;
    const std::atomic<bool>& cancel;
    ListSearch search;
    std::string pluginFolder;    // empty: ArchiverDLLs beside the executable
    void* ownerWindow = nullptr; // handed to the archiver plug-ins
    std::size_t workers = 0;     // threads reading character files; 0: one per core
};

// Takes the portraits of the rows the list shows with the job's search
// again from their character files, with the RegisterGroup and
// RegisterImage in use (whatever RegisterSprite says: the user asked for
// it), in one transaction. Portraits chosen from a file stay; a row whose
// sprite cannot be taken keeps its old portrait. A cancel stops after the
// character in hand, and a write the catalogue refuses stops at once;
// either keeps what was stored before.
RecaptureOutcome RunPortraitRecapture(const RecaptureJob& job);

} // namespace zorvik
