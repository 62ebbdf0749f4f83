// The collection check's [Files] check: any .def beside a few character
// files, its entries read and resolved the way the engine resolves them,
// in the folder and in an archive's list of entries.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/catalogue/status_rows.h"
#include "core/check/archive_entry_index.h"
#include "core/check/broken_file_finder.h"
#include "core/check/character_def.h"
#include "scratch_folder.h"

namespace {

using zorvik::fuzz::ScratchFolder;

bool isFileKey(const std::string& key) {
    const auto& keys = zorvik::fileReferenceKeys();
    return std::find(keys.begin(), keys.end(), key) != keys.end();
}

// The files that stand beside the .def in every run.
void writeCharacterFiles() {
    static const bool written = [] {
        for (const char* name : {"kfm.cmd", "kfm.cns", "KFM.SFF", "kfm.air"}) {
            ScratchFolder::instance().write(name, "");
        }
        return true;
    }();
    (void)written;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    writeCharacterFiles();
    const ScratchFolder& folder = ScratchFolder::instance();
    const std::string def =
        folder.write("kfm.def", std::string_view(reinterpret_cast<const char*>(data), size));
    const auto character = zorvik::readCharacterDef({def});
    if (!character) {
        return 0;
    }
    const zorvik::ArchiveEntryIndex archive({"kfm/kfm.def", "kfm/kfm.cmd", "kfm/st/KFM.CNS"});
    for (const zorvik::FileReference& file : character->files) {
        if (!isFileKey(file.key)) {
            zorvik::fuzz::fail("a [Files] entry of a key the check does not ask for");
        }
        (void)archive.contains({"kfm"}, file.value);
    }
    zorvik::StatusRow row;
    std::vector<zorvik::BrokenCharacter> broken;
    zorvik::BrokenFileFinder(folder.path()).checkFolder(row, folder.path(), broken);
    if (broken.size() > character->files.size() + 1) {
        zorvik::fuzz::fail("more broken files reported than the .def names");
    }
    return 0;
}
