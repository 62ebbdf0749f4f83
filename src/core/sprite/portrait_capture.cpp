#include "core/sprite/portrait_capture.h"

#include <cstdint>
#include <optional>
#include <vector>

#include "core/catalogue/portrait_store.h"
#include "core/platform/user_messages.h"
#include "core/sprite/portrait_decoder.h"

namespace zorvik {

PortraitPng MakePortraitPng(const std::string& spritePath, int registerGroup, int registerImage) {
    const auto decoded = DecodePortraitSprite(spritePath, static_cast<std::int16_t>(registerGroup),
                                              static_cast<std::int16_t>(registerImage));
    if (!decoded) {
        return {};
    }
    PortraitPng portrait;
    portrait.png = EncodePortraitPng(*decoded);
    portrait.encodingFailed = !portrait.png;
    return portrait;
}

PortraitStored StorePortrait(Kel_CharacterDb& catalogue, UserMessages& messages,
                             const std::string& fileName, const PortraitPng& portrait) {
    if (portrait.encodingFailed) {
        messages.show(Message::of(MessageKind::PngEncodingFailed));
        return PortraitStored::NotTaken;
    }
    if (!portrait.png) {
        return PortraitStored::NotTaken;
    }
    // A statement that cannot be prepared stored nothing either, so it is
    // reported like a failed step rather than passed off as success.
    const CatalogueStatus stored = PortraitStore(catalogue).writeByFileName(fileName, *portrait.png);
    if (!stored) {
        messages.show(Message::of(MessageKind::PortraitWriteFailed, stored.error));
        return PortraitStored::WriteFailed;
    }
    return PortraitStored::Stored;
}

bool CapturePortrait(Kel_CharacterDb& catalogue, UserMessages& messages,
                     const std::string& fileName, const std::string& spritePath, int registerGroup,
                     int registerImage) {
    return StorePortrait(catalogue, messages, fileName,
                         MakePortraitPng(spritePath, registerGroup, registerImage)) ==
           PortraitStored::Stored;
}

} // namespace zorvik
