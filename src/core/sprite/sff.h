#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "core/sprite/memory_container.h"
#include "core/sprite/sprite_header_v1.h"

namespace zorvik {

// An SFF sprite file held in memory: checks that it is version 1 and
// lists its subfiles in file order.
class KelSFF : public KelMemoryContainer {
public:
    // The first subfile header follows the 512-byte file header.
    static constexpr std::uint32_t kFirstSubfileOffset = 512;
    // A file of this many bytes or fewer is refused.
    static constexpr std::size_t kTooSmallSize = 528;

    ~KelSFF() override = default;

    // The header's major version byte, read as signed; none while empty.
    // It is 1 whenever a load succeeded.
    std::optional<std::int8_t> version() const;

    // One record per subfile; the record index is the position here.
    const std::vector<SPRITEHEADERV1SET>& sprites() const { return sprites_; }

protected:
    bool OnLoaded() override;
    bool OnReleased() override;

private:
    bool isVersionOneFile() const;
    std::size_t ParseSubfiles();

    std::vector<SPRITEHEADERV1SET> sprites_;
};

} // namespace zorvik
