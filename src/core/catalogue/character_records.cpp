#include "core/catalogue/character_records.h"

#include <charconv>
#include <sqlite3.h>

#include "core/catalogue/character_db.h"
#include "core/catalogue/columns.h"
#include "core/catalogue/connection_lock.h"
#include "core/catalogue/statement.h"

namespace zorvik {

namespace {

using Stage = CatalogueStatus::Stage;

std::vector<BoundValue> editableValues(const EditableFields& fields, std::int64_t id) {
    // In the statement's order: the comment comes before the two free texts.
    return {BoundValue::ofText(fields.name),     BoundValue::ofText(fields.name2),
            BoundValue::ofText(fields.author),   BoundValue::ofText(fields.aiAuthor),
            BoundValue::ofText(fields.comment),  BoundValue::ofText(fields.special1),
            BoundValue::ofText(fields.special2), BoundValue::ofText(fields.supportedVer),
            BoundValue::ofInt(id)};
}

} // namespace

std::optional<std::int64_t> parseRecordId(std::string_view text) {
    std::int64_t id = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, id);
    if (text.empty() || error != std::errc() || stop != end || text.front() == '+') {
        return std::nullopt;
    }
    return id;
}

CatalogueStatus CharacterRecords::readDetail(std::int64_t id, DetailValues values) {
    const ConnectionLock held = catalogue_.lock();
    Statement statement(catalogue_.db(), kDetailSql);
    if (!statement.isValid() || !statement.bindInt(1, id)) {
        return catalogue_.failure(Stage::Prepare, kDetailSql);
    }
    int code = statement.step();
    for (; code == SQLITE_ROW; code = statement.step()) {
        for (std::size_t i = 0; i < values.size(); ++i) {
            values[i] = statement.textAt(static_cast<int>(i));
        }
    }
    if (code != SQLITE_DONE) {
        return catalogue_.failure(Stage::Run, kDetailSql);
    }
    return CatalogueStatus::success();
}

CatalogueStatus CharacterRecords::updateEditable(const std::string& idText,
                                                 const EditableFields& fields) {
    const auto id = parseRecordId(idText);
    if (!id) {
        // The ID is the only value that names the row; anything but a
        // number could widen the update, so nothing is written.
        return CatalogueStatus::failure(Stage::Prepare, "IDが整数ではありません : " + idText,
                                        kUpdateSql);
    }
    const ConnectionLock held = catalogue_.lock();
    Statement statement(catalogue_.db(), kUpdateSql);
    if (!statement.isValid() || !statement.bind(editableValues(fields, *id))) {
        return catalogue_.failure(Stage::Prepare, kUpdateSql);
    }
    if (statement.step() != SQLITE_DONE) {
        return catalogue_.failure(Stage::Run, kUpdateSql);
    }
    if (statement.finalize() != SQLITE_OK) {
        return catalogue_.failure(Stage::Finalize, kUpdateSql);
    }
    return CatalogueStatus::success();
}

std::optional<std::string> CharacterRecords::columnText(std::int64_t id, int column) {
    if (!isCatalogueColumn(column)) {
        return std::nullopt;
    }
    // The column's name comes from the fixed table, never from the caller's text.
    const std::string sql = std::string("SELECT ") + ColumnSqlNames[static_cast<std::size_t>(column)] +
                            " FROM CHARACTER_TABLE WHERE ID=?";
    const ConnectionLock held = catalogue_.lock();
    Statement statement(catalogue_.statements(), sql);
    if (!statement.isValid() || !statement.bindInt(1, id) || statement.step() != SQLITE_ROW) {
        return std::nullopt;
    }
    return statement.textAt(0);
}

CatalogueStatus CharacterRecords::deleteRecord(std::int64_t id) {
    const ConnectionLock held = catalogue_.lock();
    Statement statement(catalogue_.db(), kDeleteSql);
    if (!statement.isValid() || !statement.bindInt(1, id)) {
        return catalogue_.failure(Stage::Prepare, kDeleteSql);
    }
    if (statement.step() != SQLITE_DONE) {
        return catalogue_.failure(Stage::Run, kDeleteSql);
    }
    return CatalogueStatus::success();
}

} // namespace zorvik
