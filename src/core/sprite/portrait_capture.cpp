#include "core/sprite/portrait_capture.h"

#include <cstdint>
#include <optional>
#include <vector>

#include <sqlite3.h>

#include "core/catalogue/character_db.h"
#include "core/catalogue/statement.h"
#include "core/platform/user_messages.h"
#include "core/sprite/portrait_decoder.h"

namespace zorvik {

namespace {

constexpr const char* kStoreImage = "UPDATE CHARACTER_TABLE SET IMAGE = ? WHERE FILENAME = ?";
constexpr const char* kEncodingFailed = "png変換に失敗";
constexpr const char* kWriteFailed = "書き込みに失敗しました : ";

// Holds the connection's own mutex, so that no other thread's call replaces
// the error message between a failed step and reading it.
class ConnectionLock {
public:
    explicit ConnectionLock(sqlite3* db) : mutex_(db ? sqlite3_db_mutex(db) : nullptr) {
        sqlite3_mutex_enter(mutex_);
    }
    ~ConnectionLock() { sqlite3_mutex_leave(mutex_); }
    ConnectionLock(const ConnectionLock&) = delete;
    ConnectionLock& operator=(const ConnectionLock&) = delete;

private:
    sqlite3_mutex* mutex_;
};

// Stores the PNG in the row; the database's message when that fails.
std::optional<std::string> storeImage(Kel_CharacterDb& catalogue, const std::string& fileName,
                                      const std::vector<std::uint8_t>& png) {
    ConnectionLock lock(catalogue.db());
    Statement statement(catalogue.statements(), kStoreImage);
    const bool stored = statement.isValid() && statement.bindBlob(1, png.data(), png.size()) &&
                        statement.bindText(2, fileName) && statement.step() == SQLITE_DONE;
    if (stored) {
        return std::nullopt;
    }
    return catalogue.LastError();
}

} // namespace

bool CapturePortrait(Kel_CharacterDb& catalogue, UserMessages& messages,
                     const std::string& fileName, const std::string& spritePath, int registerGroup,
                     int registerImage) {
    const auto portrait = DecodePortraitSprite(spritePath, static_cast<std::int16_t>(registerGroup),
                                               static_cast<std::int16_t>(registerImage));
    if (!portrait) {
        return false;
    }
    const auto png = EncodePortraitPng(*portrait);
    if (!png) {
        messages.show(kEncodingFailed);
        return false;
    }
    // A statement that cannot be prepared stored nothing either, so it is
    // reported like a failed step rather than passed off as success.
    if (const auto error = storeImage(catalogue, fileName, *png)) {
        messages.show(kWriteFailed + *error);
        return false;
    }
    return true;
}

} // namespace zorvik
