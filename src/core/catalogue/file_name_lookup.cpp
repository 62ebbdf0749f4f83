#include "core/catalogue/file_name_lookup.h"

#include <sqlite3.h>

#include "core/catalogue/character_db.h"
#include "core/catalogue/statement.h"

namespace zorvik {

namespace {

constexpr const char* kNameSql =
    "SELECT NAME FROM CHARACTER_TABLE WHERE FILENAME = ? AND DELETED != 1 ORDER BY ID LIMIT 1;";

} // namespace

std::optional<std::string> nameOfFileName(Kel_CharacterDb& catalogue, const std::string& fileName) {
    const ConnectionLock held = catalogue.lock();
    Statement statement(catalogue.statements(), kNameSql);
    if (!statement.isValid() || !statement.bindText(1, fileName) ||
        statement.step() != SQLITE_ROW) {
        return std::nullopt;
    }
    return statement.textAt(0);
}

} // namespace zorvik
