#include "core/catalogue/roster_query.h"

#include <sqlite3.h>

#include "core/catalogue/character_db.h"
#include "core/catalogue/character_list_query.h"
#include "core/catalogue/columns.h"
#include "core/catalogue/statement.h"

namespace zorvik {

RosterRows readRosterRows(Kel_CharacterDb& catalogue, const ListCriteria& criteria) {
    // Result columns: ID, FILETYPE, FILENAME, NAME.
    ListCriteria rosterCriteria = criteria;
    rosterCriteria.shownColumns = {kFileTypeColumn, kFileNameColumn, kNameColumn};
    const CharacterListQuery query = makeCharacterListQuery(rosterCriteria);
    RosterRows result;
    const ConnectionLock held = catalogue.lock();
    Statement statement(catalogue.statements(), query.sql);
    if (!statement.isValid() || !statement.bind(query.parameters)) {
        result.error = catalogue.LastError();
        return result;
    }
    int code = statement.step();
    for (; code == SQLITE_ROW; code = statement.step()) {
        result.rows.push_back({statement.intAt(1), statement.textAt(2), statement.textAt(3)});
    }
    if (code != SQLITE_DONE) {
        result.error = catalogue.LastError();
        result.rows.clear();
        return result;
    }
    result.ok = true;
    return result;
}

} // namespace zorvik
