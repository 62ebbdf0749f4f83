#include "cli/frames_output.h"

#include <filesystem>

#include "core/platform/file_io.h"
#include "core/sprite/png_encoder.h"

namespace zorvik::cli {

namespace {

// Flips and blends are checked ASCII letters and digits: no escaping is needed.
std::string quoted(const std::string& text) {
    return "\"" + text + "\"";
}

std::string frameJson(const AirFrame& frame) {
    return "{\"group\": " + std::to_string(frame.group) + ", \"number\": " +
           std::to_string(frame.number) + ", \"x\": " + std::to_string(frame.x) +
           ", \"y\": " + std::to_string(frame.y) + ", \"time\": " + std::to_string(frame.time) +
           ", \"flip\": " + quoted(frame.flip) + ", \"blend\": " + quoted(frame.blend) +
           ", \"loopstart\": " + (frame.loopStart ? "true" : "false") + "}";
}

std::string spriteJson(const FrameSprite& sprite) {
    return "{\"group\": " + std::to_string(sprite.group) + ", \"number\": " +
           std::to_string(sprite.number) + ", \"axis_x\": " + std::to_string(sprite.axisX) +
           ", \"axis_y\": " + std::to_string(sprite.axisY) + ", \"width\": " +
           std::to_string(sprite.image.width) + ", \"height\": " +
           std::to_string(sprite.image.height) + "}";
}

template <typename Item, typename Write>
std::string jsonList(const std::vector<Item>& items, Write write) {
    std::string out = "[";
    for (std::size_t i = 0; i < items.size(); ++i) {
        out += (i == 0 ? "\n    " : ",\n    ") + write(items[i]);
    }
    return out + (items.empty() ? "]" : "\n  ]");
}

std::string pngName(const FrameSprite& sprite) {
    return std::to_string(sprite.group) + "_" + std::to_string(sprite.number) + ".png";
}

std::optional<std::vector<std::uint8_t>> encodeRgba(const RgbaImage& image) {
    SpritePicture picture;
    picture.kind = SpritePicture::Kind::Rgba;
    picture.width = static_cast<std::uint32_t>(image.width);
    picture.height = static_cast<std::uint32_t>(image.height);
    picture.pixels = image.pixels;
    return sprite::encodePicturePng(picture);
}

} // namespace

std::string framesJson(const LoadedAction& action) {
    return "{\n  \"action\": " + std::to_string(action.action.number) + ",\n  \"frames\": " +
           jsonList(action.action.frames, frameJson) + ",\n  \"sprites\": " +
           jsonList(action.sprites, spriteJson) + "\n}\n";
}

bool writeFrames(const LoadedAction& action, const std::string& folder, std::string& error) {
    std::error_code made;
    std::filesystem::create_directories(folder, made);
    if (!platform::writeFileAtomically(folder + "/frames.json", framesJson(action))) {
        error = "cannot write " + folder + "/frames.json";
        return false;
    }
    for (const FrameSprite& sprite : action.sprites) {
        const std::string path = folder + "/" + pngName(sprite);
        const auto png = encodeRgba(sprite.image);
        if (!png || !platform::writeFileAtomically(path, std::string(png->begin(), png->end()))) {
            error = "cannot write " + path;
            return false;
        }
    }
    return true;
}

} // namespace zorvik::cli
