#include "cli/catalogue_row.h"

#include <array>

#include "cli/companion_text.h"
#include "core/catalogue/character_db.h"
#include "core/catalogue/character_records.h"
#include "core/settings/integer_text.h"

namespace zorvik::cli {

namespace {

// Where CharacterRecords::kDetailSql puts the columns that locate a character.
constexpr std::size_t kFileNameField = 8;
constexpr std::size_t kIdField = 10;
constexpr std::size_t kFileTypeField = 12;

} // namespace

std::optional<CatalogueCharacter> readCatalogueCharacter(Kel_CharacterDb& catalogue,
                                                         std::int64_t id, std::string& error) {
    // A row that is not there leaves the fields as they are: the ID stays empty.
    std::array<std::string, CharacterRecords::kDetailFieldCount> fields;
    const CatalogueStatus read = CharacterRecords(catalogue).readDetail(id, fields);
    if (!read) {
        error = companionText(Message::of(MessageKind::CatalogueReadFailed, read.error));
        return std::nullopt;
    }
    const auto type = parseWholeInt(fields[kFileTypeField]);
    if (fields[kIdField].empty() || !type) {
        error = "no character has the ID " + std::to_string(id);
        return std::nullopt;
    }
    return CatalogueCharacter{fields[kFileNameField], *type};
}

} // namespace zorvik::cli
