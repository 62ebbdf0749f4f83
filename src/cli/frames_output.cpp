#include "cli/frames_output.h"

#include <filesystem>
#include <map>
#include <new>
#include <optional>
#include <utility>

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
           std::to_string(sprite.image->width) + ", \"height\": " +
           std::to_string(sprite.image->height) + "}";
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

std::optional<std::string> encodeRgba(const RgbaImage& image) {
    const auto png = sprite::encodeRgbaPng(image.pixels, static_cast<std::uint32_t>(image.width),
                                           static_cast<std::uint32_t>(image.height));
    return png ? std::optional<std::string>(std::in_place, png->begin(), png->end()) : std::nullopt;
}

// Writes each sprite's PNG; sprites linked to one picture share its encoding.
bool writeSprites(const LoadedAction& action, const std::string& folder, std::string& error) {
    std::map<const RgbaImage*, std::optional<std::string>> encoded;
    for (const FrameSprite& sprite : action.sprites) {
        auto known = encoded.find(sprite.image.get());
        if (known == encoded.end()) {
            known = encoded.emplace(sprite.image.get(), encodeRgba(*sprite.image)).first;
        }
        const std::string path = folder + "/" + pngName(sprite);
        if (!known->second || !platform::writeFileAtomically(path, *known->second)) {
            error = "cannot write " + path;
            return false;
        }
    }
    return true;
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
    try {
        return writeSprites(action, folder, error);
    } catch (const std::bad_alloc&) {
        error = "there was not enough memory to write the sprites into " + folder;
        return false;
    }
}

} // namespace zorvik::cli
