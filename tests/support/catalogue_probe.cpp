#include "support/catalogue_probe.h"

#include <sqlite3.h>

#include "core/catalogue/character_db.h"

namespace zorvik::test {

namespace {

std::vector<std::string> textColumn(const std::string& path, const std::string& sql) {
    Kel_CharacterDb catalogue(path);
    Statement statement(catalogue.statements(), sql);
    if (!statement.isValid()) {
        return {"cannot run: " + catalogue.LastError()};
    }
    std::vector<std::string> texts;
    while (statement.step() == SQLITE_ROW) {
        texts.push_back(statement.textAt(0));
    }
    return texts;
}

} // namespace

std::string integrityCheck(const std::string& path) {
    std::string report;
    for (const std::string& line : textColumn(path, "PRAGMA integrity_check")) {
        report += (report.empty() ? "" : "\n") + line;
    }
    return report;
}

std::vector<std::string> catalogueNames(const std::string& path) {
    return textColumn(path, "SELECT NAME FROM CHARACTER_TABLE ORDER BY ID");
}

std::vector<std::string> namesWithPortrait(const std::string& path) {
    return textColumn(path, "SELECT NAME FROM CHARACTER_TABLE WHERE IMAGE IS NOT NULL ORDER BY ID");
}

std::vector<std::string> queryTexts(const std::string& path, const std::string& sql) {
    return textColumn(path, sql);
}

} // namespace zorvik::test
