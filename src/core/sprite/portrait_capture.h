#pragma once

#include <string>

namespace zorvik {

class Kel_CharacterDb;
class UserMessages;

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
