#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zorvik {

class Kel_CharacterDb;

// What the catalogue's DELETED column holds: the list shows every row but
// the hidden ones, and draws the missing ones greyed.
enum DeletedState : int {
    kShownRow = 0,
    kHiddenRow = 1,   // hidden by hand; nothing but the user changes it
    kMissingRow = 2,  // its file or folder is gone from the character folder
};

// A row as the collection check and the missing marks look at it.
struct StatusRow {
    std::int64_t id = 0;
    int fileType = 0;
    std::string fileName;
    int deleted = kShownRow; // a NULL reads as shown
    std::string name;
    std::string author;
};

// The catalogue's record-level calls for the collection check and for
// marking rows whose file is gone; every value is bound. A caller that
// reads LastError after a failure holds the catalogue's lock around both.
class StatusRows {
public:
    explicit StatusRows(Kel_CharacterDb& catalogue) : catalogue_(catalogue) {}

    // Every row not hidden by hand, by ID; none on a catalogue error.
    std::optional<std::vector<StatusRow>> read();

    // Sets one row's DELETED; false on a catalogue error.
    bool setDeleted(std::int64_t id, DeletedState state);

    // Calls visit with the ID and stored portrait bytes of every row not
    // hidden by hand that has a portrait, by ID; false on a catalogue error.
    bool forEachPortrait(const std::function<void(std::int64_t, std::string_view)>& visit);

private:
    Kel_CharacterDb& catalogue_;
};

} // namespace zorvik
