#include "core/catalogue/status_rows.h"

#include <sqlite3.h>

#include "core/catalogue/character_db.h"
#include "core/catalogue/statement.h"

namespace zorvik {

namespace {

constexpr const char* kReadSql =
    "SELECT ID, FILETYPE, FILENAME, DELETED, NAME, AUTHOR FROM CHARACTER_TABLE "
    "WHERE DELETED IS NOT ? ORDER BY ID;";
constexpr const char* kSetDeletedSql = "UPDATE CHARACTER_TABLE SET DELETED=? WHERE ID=?;";
constexpr const char* kPortraitsSql =
    "SELECT ID, IMAGE FROM CHARACTER_TABLE WHERE DELETED IS NOT ? AND LENGTH(IMAGE) > 0 "
    "ORDER BY ID;";

StatusRow statusRow(const Statement& statement) {
    StatusRow row;
    row.id = statement.int64At(0);
    row.fileType = statement.intAt(1);
    row.fileName = statement.textAt(2);
    row.deleted = statement.intAt(3);
    row.name = statement.textAt(4);
    row.author = statement.textAt(5);
    return row;
}

// The blob without a copy; valid until the next step.
std::string_view blobView(const Statement& statement, int column) {
    const void* data = sqlite3_column_blob(statement.handle(), column);
    const int size = sqlite3_column_bytes(statement.handle(), column);
    return data ? std::string_view(static_cast<const char*>(data), static_cast<std::size_t>(size))
                : std::string_view();
}

} // namespace

std::optional<std::vector<StatusRow>> StatusRows::read() {
    const ConnectionLock held = catalogue_.lock();
    Statement statement(catalogue_.statements(), kReadSql);
    if (!statement.isValid() || !statement.bindInt(1, kHiddenRow)) {
        return std::nullopt;
    }
    std::vector<StatusRow> rows;
    int code = statement.step();
    for (; code == SQLITE_ROW; code = statement.step()) {
        rows.push_back(statusRow(statement));
    }
    return code == SQLITE_DONE ? std::optional(std::move(rows)) : std::nullopt;
}

bool StatusRows::setDeleted(std::int64_t id, DeletedState state) {
    const ConnectionLock held = catalogue_.lock();
    Statement statement(catalogue_.statements(), kSetDeletedSql);
    return statement.isValid() && statement.bindInt(1, state) && statement.bindInt(2, id) &&
           statement.step() == SQLITE_DONE;
}

bool StatusRows::forEachPortrait(
    const std::function<void(std::int64_t, std::string_view)>& visit) {
    const ConnectionLock held = catalogue_.lock();
    Statement statement(catalogue_.statements(), kPortraitsSql);
    if (!statement.isValid() || !statement.bindInt(1, kHiddenRow)) {
        return false;
    }
    int code = statement.step();
    for (; code == SQLITE_ROW; code = statement.step()) {
        visit(statement.int64At(0), blobView(statement, 1));
    }
    return code == SQLITE_DONE;
}

} // namespace zorvik
