#include "support/sff_writer.h"

namespace zorvik::test {

namespace {

void putU32(std::string& out, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        out[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    }
}

void putU16(std::string& out, std::size_t at, std::uint16_t value) {
    out[at] = static_cast<char>(value & 0xFF);
    out[at + 1] = static_cast<char>(value >> 8);
}

std::string subfileHeader(const SffSubfile& subfile, std::uint32_t nextOffset) {
    std::string header(32, '\0');
    putU32(header, 0, subfile.nextOffset.value_or(nextOffset));
    putU32(header, 4, subfile.length.value_or(static_cast<std::uint32_t>(subfile.pcx.size())));
    putU16(header, 8, static_cast<std::uint16_t>(subfile.axisX));
    putU16(header, 10, static_cast<std::uint16_t>(subfile.axisY));
    putU16(header, 12, static_cast<std::uint16_t>(subfile.group));
    putU16(header, 14, static_cast<std::uint16_t>(subfile.image));
    putU16(header, 16, subfile.linkIndex);
    putU16(header, 18, subfile.samePalette);
    return header;
}

} // namespace

SffSubfile SffSubfile::sprite(std::int16_t group, std::int16_t image, std::string pcx) {
    return SffSubfile{group, image, std::move(pcx), 0, 0, std::nullopt, std::nullopt, 0, 0};
}

SffSubfile SffSubfile::link(std::int16_t group, std::int16_t image, std::uint16_t linkIndex) {
    return SffSubfile{group, image, {}, linkIndex, 0, std::nullopt, std::nullopt, 0, 0};
}

std::uint32_t SffFile::offsetOf(std::size_t index) const {
    std::size_t offset = 512;
    for (std::size_t i = 0; i < index; ++i) {
        offset += 32 + subfiles[i].pcx.size();
    }
    return static_cast<std::uint32_t>(offset);
}

std::string SffFile::bytes() const {
    std::string out(512, '\0');
    out.replace(0, signature.size(), signature);
    out[15] = static_cast<char>(version);
    putU32(out, 16, 1);
    putU32(out, 20, static_cast<std::uint32_t>(subfiles.size()));
    putU32(out, 24, firstSubfileOffset);
    putU32(out, 28, 32);
    for (std::size_t i = 0; i < subfiles.size(); ++i) {
        const std::size_t following = out.size() + 32 + subfiles[i].pcx.size();
        const auto next = static_cast<std::uint32_t>(i + 1 < subfiles.size() ? following : 0);
        out += subfileHeader(subfiles[i], next) + subfiles[i].pcx;
    }
    return out;
}

} // namespace zorvik::test
