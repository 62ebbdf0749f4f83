#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zorvik {

class Kel_CharacterDb;
class UserMessages;

// A portrait made from a sprite file, before it is stored.
struct PortraitPng {
    // None when the file or the sprite cannot be read, or encoding failed.
    std::optional<std::vector<std::uint8_t>> png;
    bool encodingFailed = false;
};

// The sprite (registerGroup, registerImage), both cut to signed 16 bits,
// of the SFF file at spritePath as PNG. Touches no catalogue and no
// messages, so any thread may make portraits while another stores them.
PortraitPng MakePortraitPng(const std::string& spritePath, int registerGroup, int registerImage);

// What storing a portrait came to.
enum class PortraitStored {
    Stored,
    NotTaken,   // the sprite could not be read or encoded
    WriteFailed // the catalogue refused the write (a full disk, a read-only file)
};

// Stores a portrait in IMAGE of the row whose FILENAME is fileName, or
// reports why not as CapturePortrait does.
PortraitStored StorePortrait(Kel_CharacterDb& catalogue, UserMessages& messages,
                             const std::string& fileName, const PortraitPng& portrait);

// Takes the sprite (registerGroup, registerImage), both cut to signed
// 16 bits, out of the SFF file at spritePath, encodes it as PNG and stores
// it in IMAGE of the catalogue row whose FILENAME is fileName. A file or
// sprite that cannot be read gives false silently (the character simply has
// no portrait); a failed encoding or write is reported through messages.
// Safe to call on a worker thread while the catalogue is shared.
bool CapturePortrait(Kel_CharacterDb& catalogue, UserMessages& messages,
                     const std::string& fileName, const std::string& spritePath, int registerGroup,
                     int registerImage);

} // namespace zorvik
