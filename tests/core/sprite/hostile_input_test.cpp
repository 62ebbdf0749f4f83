#include <random>

#include "sff_fixture.h"

namespace zorvik::test {
namespace {

// Files cut short or garbled anywhere must be refused or decoded without a
// read outside the loaded bytes (run these under the sanitizer build).
class HostileInputTest : public SffFixture {
protected:
    static SffFile mixedFile() {
        SffFile file;
        file.subfiles = {SffSubfile::sprite(0, 0, portraitPicture(9, 7).pcx()), flatSprite(0, 2, 5),
                         SffSubfile::link(0, 1, 0)};
        file.subfiles[1].samePalette = 1;
        return file;
    }

    // Loads the bytes and asks for every sprite; the number of sprites decoded.
    int decodeAll(const std::string& bytes) {
        if (!loadBytes(bytes)) {
            return 0;
        }
        int decoded = 0;
        for (std::int16_t image = 0; image < 3; ++image) {
            BitmapInfo info;
            decoded += sff.GetSprite(0, image, info).has_value() ? 1 : 0;
        }
        return decoded;
    }
};

TEST_F(HostileInputTest, EveryTruncationIsSafe) {
    const std::string bytes = mixedFile().bytes();
    ASSERT_EQ(decodeAll(bytes), 3);
    for (std::size_t length = 0; length < bytes.size(); ++length) {
        decodeAll(bytes.substr(0, length));
    }
    // The last subfile header cut off is dropped; the sprites before it still decode.
    EXPECT_EQ(decodeAll(bytes.substr(0, bytes.size() - 1)), 2);
}

TEST_F(HostileInputTest, GarbledHeadersAndDataAreSafe) {
    const SffFile file = mixedFile();
    const std::string bytes = file.bytes();
    std::mt19937 random(20240607);
    std::uniform_int_distribution<int> value(0, 255);
    // Aim at the subfile headers and the PCX headers, where lengths and sizes live.
    std::vector<std::size_t> targets;
    for (std::size_t i = 0; i < file.subfiles.size(); ++i) {
        for (std::size_t at = file.offsetOf(i); at < file.offsetOf(i) + 32 + 128; ++at) {
            if (at < bytes.size()) {
                targets.push_back(at);
            }
        }
    }
    std::uniform_int_distribution<std::size_t> pick(0, targets.size() - 1);
    std::uniform_int_distribution<std::size_t> anywhere(0, bytes.size() - 1);
    for (int round = 0; round < 600; ++round) {
        std::string garbled = bytes;
        for (int change = 0; change < 3; ++change) {
            const std::size_t at = change == 2 ? anywhere(random) : targets[pick(random)];
            garbled[at] = static_cast<char>(value(random));
        }
        decodeAll(garbled);
    }
}

} // namespace
} // namespace zorvik::test
