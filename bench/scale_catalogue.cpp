#include "scale_catalogue.h"

#include <filesystem>
#include <random>
#include <system_error>
#include <vector>

#include <sqlite3.h>

#include "core/catalogue/character_db.h"
#include "core/catalogue/portrait_store.h"
#include "core/catalogue/registration_records.h"

namespace zorvik::bench {

namespace {

std::string randomWord(std::mt19937& random) {
    static const char* const syllables[] = {"ka", "ri", "zo", "mu", "ten", "ba", "ru", "shi",
                                            "リュ", "ウ", "ケン", "サ", "キ", "ゾル", "ヴィ", "ク"};
    std::string word;
    for (int i = 0; i < 3; ++i) {
        word += syllables[random() % std::size(syllables)];
    }
    return word;
}

int rowCount(Kel_CharacterDb& catalogue) {
    Statement count(catalogue.statements(), "SELECT COUNT(*) FROM CHARACTER_TABLE");
    return count.step() == SQLITE_ROW ? count.intAt(0) : -1;
}

} // namespace

bool makeScaleCatalogue(const std::string& path, int rows, std::size_t portraitBytes) {
    std::mt19937 random(7);
    std::vector<std::uint8_t> portrait(portraitBytes);
    for (std::uint8_t& byte : portrait) {
        byte = static_cast<std::uint8_t>(random());
    }
    return makeScaleCatalogue(path, rows, portrait);
}

bool makeScaleCatalogue(const std::string& path, int rows,
                        const std::vector<std::uint8_t>& portrait) {
    // A bare file name lies in the current folder, which exists.
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    std::error_code error;
    if (!folder.empty() && !std::filesystem::create_directories(folder, error) && error) {
        return false;
    }
    {
        Kel_CharacterDb existing(path);
        if (rowCount(existing) == rows) {
            return true;
        }
    }
    std::filesystem::remove(path);
    Kel_CharacterDb catalogue(path);
    RegistrationRecords records(catalogue);
    PortraitStore portraits(catalogue);
    std::mt19937 random(7);
    records.begin();
    for (int row = 0; row < rows; ++row) {
        const std::string fileName = "char" + std::to_string(row);
        RegisteredCharacter character{0,        fileName, randomWord(random), randomWord(random),
                                      randomWord(random), "2012.03.03", "1.0", "2012-03-03"};
        if (!records.insert(character) || !portraits.writeByFileName(fileName, portrait)) {
            return false;
        }
    }
    return records.commit().ok();
}

} // namespace zorvik::bench
