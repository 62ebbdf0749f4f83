#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <utility>

namespace zorvik::test {

// One entry of an archive fixture.
struct FixtureEntry {
    enum class Kind { File, Folder, SymbolicLink, HardLink, Fifo, CharacterDevice };

    std::string name;    // bytes as stored in the archive
    std::string content; // a file's bytes, or a link's target
    Kind kind = Kind::File;
    // RAR 4 only: an unpacked size in the header other than the content's, as
    // a hostile archive may claim.
    std::optional<std::uint32_t> declaredSize;

    // The Unix mode of the entry's kind; a hard link has a regular file's.
    std::uint32_t unixMode() const {
        switch (kind) {
        case Kind::Folder:
            return S_IFDIR | 0755;
        case Kind::SymbolicLink:
            return S_IFLNK | 0777;
        case Kind::Fifo:
            return S_IFIFO | 0644;
        case Kind::CharacterDevice:
            return S_IFCHR | 0644;
        case Kind::File:
        case Kind::HardLink:
            break;
        }
        return S_IFREG | 0644;
    }

    static FixtureEntry file(std::string name, std::string content) {
        return {std::move(name), std::move(content), Kind::File, std::nullopt};
    }
    static FixtureEntry folder(std::string name) {
        return {std::move(name), {}, Kind::Folder, std::nullopt};
    }
    static FixtureEntry symbolicLink(std::string name, std::string target) {
        return {std::move(name), std::move(target), Kind::SymbolicLink, std::nullopt};
    }
    static FixtureEntry special(std::string name, Kind kind) {
        return {std::move(name), {}, kind, std::nullopt};
    }
    static FixtureEntry hardLink(std::string name, std::string target) {
        return {std::move(name), std::move(target), Kind::HardLink, std::nullopt};
    }
};

} // namespace zorvik::test
