#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>

namespace zorvik::test {

// One entry of an archive fixture.
struct ArchiveEntrySpec {
    enum class Kind { File, Folder, SymbolicLink, HardLink, Fifo, CharacterDevice };

    std::string name;    // bytes as stored in the archive
    std::string content; // a file's bytes, or a link's target
    Kind kind = Kind::File;
    // RAR 4 only: an unpacked size in the header other than the content's, as
    // a hostile archive may claim.
    std::optional<std::uint32_t> declaredSize;

    static ArchiveEntrySpec file(std::string name, std::string content) {
        return {std::move(name), std::move(content), Kind::File, std::nullopt};
    }
    static ArchiveEntrySpec folder(std::string name) {
        return {std::move(name), {}, Kind::Folder, std::nullopt};
    }
    static ArchiveEntrySpec symbolicLink(std::string name, std::string target) {
        return {std::move(name), std::move(target), Kind::SymbolicLink, std::nullopt};
    }
    static ArchiveEntrySpec special(std::string name, Kind kind) {
        return {std::move(name), {}, kind, std::nullopt};
    }
    static ArchiveEntrySpec hardLink(std::string name, std::string target) {
        return {std::move(name), std::move(target), Kind::HardLink, std::nullopt};
    }
};

} // namespace zorvik::test
