#include "support/sprite_encoders_v2.h"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace zorvik::test {

namespace {

std::size_t runAt(const Pixels& pixels, std::size_t at, std::size_t most) {
    std::size_t length = 1;
    while (at + length < pixels.size() && length < most && pixels[at + length] == pixels[at]) {
        ++length;
    }
    return length;
}

void appendByte(std::string& out, unsigned value) {
    out.push_back(static_cast<char>(value & 0xFF));
}

} // namespace

std::string encodeRle8(const Pixels& pixels) {
    std::string out;
    for (std::size_t i = 0; i < pixels.size();) {
        const std::size_t run = runAt(pixels, i, 63);
        if (run == 1 && (pixels[i] & 0xC0) != 0x40) {
            appendByte(out, pixels[i]);
        } else {
            appendByte(out, 0x40 | static_cast<unsigned>(run));
            appendByte(out, pixels[i]);
        }
        i += run;
    }
    return out;
}

std::string encodeRle5(const Pixels& pixels) {
    std::string out;
    for (std::size_t i = 0; i < pixels.size();) {
        const std::size_t first = runAt(pixels, i, 256);
        std::string data;
        std::size_t next = i + first;
        while (next < pixels.size() && data.size() < 127 && pixels[next] < 32) {
            const std::size_t run = runAt(pixels, next, 8);
            appendByte(data, static_cast<unsigned>((run - 1) << 5) | pixels[next]);
            next += run;
        }
        appendByte(out, static_cast<unsigned>(first - 1));
        // Colour 0 leaves its byte out, as the format allows.
        const bool colourFollows = pixels[i] != 0;
        appendByte(out, (colourFollows ? 0x80u : 0u) | static_cast<unsigned>(data.size()));
        if (colourFollows) {
            appendByte(out, pixels[i]);
        }
        out += data;
        i = next;
    }
    return out;
}

namespace {

// One LZ5 packet before it is written out.
struct Lz5Packet {
    bool isCopy = false;
    std::size_t length = 0;
    std::size_t distanceOrColour = 0;
};

constexpr std::size_t kMostDistance = 1024;
constexpr std::size_t kMostCandidates = 64;

// The longest earlier match at position at, found through a chain of
// positions whose next three pixels hash alike.
class MatchFinder {
public:
    explicit MatchFinder(const Pixels& pixels) : pixels_(pixels), previous_(pixels.size(), kNone) {
        head_.fill(kNone);
    }

    // (length, distance) of the best match at at, up to most pixels long.
    std::pair<std::size_t, std::size_t> longest(std::size_t at, std::size_t most) const {
        std::pair<std::size_t, std::size_t> best{0, 0};
        if (at + 3 > pixels_.size()) {
            return best;
        }
        std::size_t candidate = head_[hashAt(at)];
        for (std::size_t tries = 0;
             candidate != kNone && at - candidate <= kMostDistance && tries < kMostCandidates;
             ++tries, candidate = previous_[candidate]) {
            std::size_t length = 0;
            while (length < most && at + length < pixels_.size() &&
                   pixels_[candidate + length] == pixels_[at + length]) {
                ++length;
            }
            if (length > best.first) {
                best = {length, at - candidate};
            }
        }
        return best;
    }

    void insert(std::size_t at) {
        if (at + 3 <= pixels_.size()) {
            previous_[at] = head_[hashAt(at)];
            head_[hashAt(at)] = at;
        }
    }

private:
    static constexpr std::size_t kNone = static_cast<std::size_t>(-1);

    std::size_t hashAt(std::size_t at) const {
        return (pixels_[at] * 1024u + pixels_[at + 1] * 32u + pixels_[at + 2]) % head_.size();
    }

    const Pixels& pixels_;
    std::vector<std::size_t> previous_;
    std::array<std::size_t, 32768> head_{};
};

std::vector<Lz5Packet> lz5Packets(const Pixels& pixels) {
    MatchFinder matches(pixels);
    std::vector<Lz5Packet> packets;
    for (std::size_t i = 0; i < pixels.size();) {
        const std::size_t run = runAt(pixels, i, 263);
        const auto [copyLength, distance] = matches.longest(i, 258);
        // A short copy takes 2 to 64 pixels from at most 256 back; a long one 3 to 258.
        const bool copyFits = copyLength >= 3 || (distance <= 256 && copyLength >= 2);
        Lz5Packet packet;
        if (copyFits && copyLength > run) {
            packet = {true, copyLength, distance};
        } else if (pixels[i] < 32) {
            packet = {false, run, pixels[i]};
        } else {
            throw std::invalid_argument("LZ5 runs carry only colours below 32");
        }
        packets.push_back(packet);
        for (std::size_t end = i + packet.length; i < end; ++i) {
            matches.insert(i);
        }
    }
    return packets;
}

void appendRun(std::string& out, const Lz5Packet& packet) {
    if (packet.length < 8) {
        appendByte(out, static_cast<unsigned>(packet.length << 5 | packet.distanceOrColour));
    } else {
        appendByte(out, static_cast<unsigned>(packet.distanceOrColour));
        appendByte(out, static_cast<unsigned>(packet.length - 8));
    }
}

bool isShortCopy(const Lz5Packet& packet) {
    return packet.isCopy && packet.length <= 64 && packet.distanceOrColour <= 256;
}

// The distance less one of the short copy that closes each group of four
// short copies; its bits ride on the top bits of all four.
std::vector<unsigned> recycledDistances(const std::vector<Lz5Packet>& packets) {
    std::vector<unsigned> closing;
    std::size_t count = 0;
    for (const Lz5Packet& packet : packets) {
        if (isShortCopy(packet) && ++count % 4 == 0) {
            closing.push_back(static_cast<unsigned>(packet.distanceOrColour - 1));
        }
    }
    return closing;
}

} // namespace

std::string encodeLz5(const Pixels& pixels) {
    const std::vector<Lz5Packet> packets = lz5Packets(pixels);
    const std::vector<unsigned> closing = recycledDistances(packets);
    std::string out;
    std::size_t shortCopies = 0;
    for (std::size_t i = 0; i < packets.size(); ++i) {
        if (i % 8 == 0) {
            unsigned control = 0;
            for (std::size_t k = i; k < std::min(i + 8, packets.size()); ++k) {
                control |= packets[k].isCopy ? 1u << (k - i) : 0u;
            }
            appendByte(out, control);
        }
        const Lz5Packet& packet = packets[i];
        if (!packet.isCopy) {
            appendRun(out, packet);
        } else if (!isShortCopy(packet)) {
            const std::size_t distance = packet.distanceOrColour - 1;
            appendByte(out, static_cast<unsigned>((distance >> 2) & 0xC0));
            appendByte(out, static_cast<unsigned>(distance));
            appendByte(out, static_cast<unsigned>(packet.length - 3));
        } else {
            const std::size_t group = shortCopies / 4;
            const unsigned slot = static_cast<unsigned>(shortCopies % 4);
            const unsigned recycled = group < closing.size() ? closing[group] : 0;
            const unsigned topBits = (recycled << (2 * slot)) & 0xC0;
            appendByte(out, topBits | static_cast<unsigned>(packet.length - 1));
            if (slot < 3) {
                appendByte(out, static_cast<unsigned>(packet.distanceOrColour - 1));
            }
            ++shortCopies;
        }
    }
    return out;
}

} // namespace zorvik::test
