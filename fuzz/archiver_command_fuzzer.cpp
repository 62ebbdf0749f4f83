// The bundled archiver plug-in's command-line parser.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "plugins/archiver/extract_command.h"
#include "scratch_folder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    std::string error;
    const auto command = zorvik::archiver::parseExtractCommand(line, error);
    if (command ? command->archivePath.empty() || command->destination.empty() : error.empty()) {
        zorvik::fuzz::fail("a command without both paths, or a refusal without a reason");
    }
    return 0;
}
