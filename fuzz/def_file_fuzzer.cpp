// The .def reading of registration: the [Info] and [Files] keys through
// ReadDefValue, from a file in any encoding.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/discovery/def_file.h"
#include "core/discovery/def_value.h"
#include "core/text/encoding.h"
#include "scratch_folder.h"

namespace {

using zorvik::fuzz::fail;

// A value registration stores: valid UTF-8 and shorter than its buffer.
void checkValue(const std::string& value, std::size_t bufferSize) {
    if (value.size() >= bufferSize || !zorvik::text::isValidUtf8(value)) {
        fail("a .def value is longer than its buffer or not UTF-8");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string path = zorvik::fuzz::ScratchFolder::instance().write("input.def", bytes);
    if (const auto identity = zorvik::readDefFile(path)) {
        checkValue(identity->name, 256);
        checkValue(identity->displayName, 256);
        checkValue(identity->versionDate, 64);
        checkValue(identity->mugenVersion, 64);
        checkValue(identity->author, 64);
        checkValue(identity->sprite, 256);
    }
    // The cleaning alone never grows a value.
    if (zorvik::cleanDefValue(std::string(bytes)).size() > bytes.size()) {
        fail("cleaning made a .def value longer");
    }
    return 0;
}
