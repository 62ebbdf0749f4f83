#include "core/archive/archiver_handler.h"

#include <cstdint>
#include <cstdio>

#include "core/archive/listing_part.h"
#include "core/platform/directory_listing.h"
#include "core/platform/folders.h"
#include "core/platform/program_folders.h"
#include "core/settings/ini_handler.h"
#include "core/text/encoding.h"

namespace zorvik {

namespace {

constexpr std::size_t kPrefixStrBufferSize = 512;

// The prefix a library without PrefixStr is assumed to have.
std::string assumedPrefix(const std::string& fileName) {
    return fileName.substr(0, fileName.find('.'));
}

bool isLibrary(const platform::DirectoryEntry& entry) {
    return !entry.isFolder &&
           platform::endsWithIgnoringCase(entry.name, KelArchiverHandler::kLibrarySuffix);
}

} // namespace

KelArchiverHandler::KelArchiverHandler() {
    SetDLLDir();
    LoadDLLs();
}

KelArchiverHandler::KelArchiverHandler(const std::string& dllDir) {
    SetDLLDir(dllDir);
    LoadDLLs();
}

void KelArchiverHandler::SetDLLDir() {
    std::printf("SetDLLDir called (NewDir = \"%s\")", "(null)");
    // ArchiverDLLs beside the executable, or an installed program's plug-in folder.
    const std::string folder = platform::pluginFolder();
    dllDir_ = folder.size() > kMaxExecutableFolder + 1 + std::char_traits<char>::length(kFolderName)
                  ? std::string()
                  : folder;
}

void KelArchiverHandler::SetDLLDir(const std::string& newDir) {
    std::printf("SetDLLDir called (NewDir = \"%s\")", newDir.c_str());
    if (newDir.size() < kPathBufferSize) {
        dllDir_ = newDir;
    }
}

bool KelArchiverHandler::LoadDLLs() {
    plugins_.clear();
    CloseArchive();
    std::printf("DLLDir : %s\n", dllDir_.c_str());
    // An empty folder means no plug-ins, not the root folder.
    if (dllDir_.empty()) {
        return false;
    }
    Kel_IniHandler info;
    info.SetFileName(text::fitToBuffer(dllDir_ + "/" + kInfoFileName, kPathBufferSize), false);
    info.SetDefaultString("");
    const platform::DirectoryListing listing = platform::listDirectory(dllDir_);
    bool foundLibrary = false;
    for (const platform::DirectoryEntry& entry : listing.entries) {
        if (isLibrary(entry)) {
            foundLibrary = true;
            addPlugin(info, entry);
        }
    }
    return listing.opened && foundLibrary;
}

bool KelArchiverHandler::addPlugin(Kel_IniHandler& info, const platform::DirectoryEntry& entry) {
    std::printf("DLL found : %s\n", entry.name.c_str());
    info.SetSection(entry.name);
    std::string prefix = info.GetString("PrefixStr", kPrefixStrBufferSize);
    if (prefix.empty()) {
        prefix = assumedPrefix(entry.name);
    }
    if (prefix.size() > kMaxPrefixLength) {
        return false;
    }
    std::printf("Prefix Assumed : %s\n", prefix.c_str());
    KelArchiveDLL plugin(info.GetString("CommandL", KelArchiveDLL::kCommandLBufferSize),
                         info.GetString("CommandR", KelArchiveDLL::kCommandRBufferSize));
    if (!plugin.Load(dllDir_ + "/" + entry.diskName, prefix)) {
        return false;
    }
    plugins_.push_back(std::move(plugin));
    std::printf("%s is added successfully\n", entry.name.c_str());
    return true;
}

bool KelArchiverHandler::OpenArchive(const std::string& archivePath) {
    std::printf("\n%sに適合するアーカイバを\n%d個のDLLから検索\n", archivePath.c_str(),
                static_cast<int>(plugins_.size()));
    selected_ = -1;
    output_.clear();
    if (open_) {
        output_ = kAlreadyOpen;
        return false;
    }
    for (std::size_t index = 0; index < plugins_.size(); ++index) {
        const KelArchiveDLL& plugin = plugins_[index];
        std::printf("調査開始-%s\n", plugin.fileName().c_str());
        if (!plugin.hasCheckArchive()) {
            std::printf("CheckArchive function unsupported\n");
            continue;
        }
        std::printf("CheckArchive called - ");
        if (plugin.CheckArchive(archivePath, 0) != 1) {
            std::printf("FALSEn");
            continue;
        }
        std::printf("TRUE\n");
        if (archivePath.size() >= kPathBufferSize) {
            std::printf("Err:ファイル名が長すぎる\n");
            return false;
        }
        selected_ = static_cast<int>(index);
        archivePath_ = archivePath;
        open_ = true;
        std::printf("return true\n");
        return true;
    }
    std::printf("Err:適合するアーカイバが見つからない\n");
    return false;
}

bool KelArchiverHandler::fitsCommandLine(const KelArchiveDLL& plugin,
                                         const std::string& destination) const {
    const std::size_t length = plugin.commandL().size() + archivePath_.size() + destination.size() +
                               plugin.commandR().size();
    return length <= kOutputBufferSize;
}

bool KelArchiverHandler::Extract(const std::string& destination) {
    if (!open_ || selected_ < 0) {
        return false;
    }
    const KelArchiveDLL& plugin = plugins_[static_cast<std::size_t>(selected_)];
    if (!fitsCommandLine(plugin, destination)) {
        return false;
    }
    const std::string commandLine = plugin.commandL() + " \"" + archivePath_ + "\" \"" +
                                    destination + "\" " + plugin.commandR();
    std::printf("CommandL:%s, CommandR:%s\n", plugin.commandL().c_str(), plugin.commandR().c_str());
    std::printf("Commandline : %s\n", commandLine.c_str());
    if (!plugin.hasCommand()) {
        return false;
    }
    if (!runChosen(commandLine)) {
        std::printf("%s", output_.c_str());
        return false;
    }
    return true;
}

bool KelArchiverHandler::runChosen(const std::string& commandLine) {
    std::string buffer(kOutputBufferSize, '\0');
    const int result = plugins_[static_cast<std::size_t>(selected_)].RunCommand(
        ownerWindow_, commandLine, buffer.data(), static_cast<int>(buffer.size()));
    // A plug-in that fills the whole buffer still leaves a terminated text.
    buffer.back() = '\0';
    output_ = buffer.c_str();
    return result == 0;
}

bool KelArchiverHandler::CanListEntries() const {
    if (!open_ || selected_ < 0) {
        return false;
    }
    const KelArchiveDLL& plugin = plugins_[static_cast<std::size_t>(selected_)];
    return plugin.hasCommand() && plugin.hasQueryFunctionList() &&
           plugin.QueryFunctionList(ZORVIK_ARCHIVER_FUNCTION_LIST_COMMAND) == 1;
}

bool KelArchiverHandler::ListEntries(std::vector<std::string>& names) {
    names.clear();
    // The path is quoted without escaping, as in the extraction's command line.
    if (!CanListEntries() || archivePath_.find('"') != std::string::npos) {
        return false;
    }
    std::uint64_t from = 0;
    for (;;) {
        if (!runChosen("l \"" + archivePath_ + "\" -from:" + std::to_string(from))) {
            return false;
        }
        const auto part = parseListingPart(output_);
        if (!part) {
            return false;
        }
        names.insert(names.end(), part->names.begin(), part->names.end());
        if (!part->next) {
            return true;
        }
        // A plug-in that does not move on would be asked for ever.
        if (*part->next <= from) {
            return false;
        }
        from = *part->next;
    }
}

void KelArchiverHandler::CloseArchive() {
    open_ = false;
    selected_ = -1;
}

} // namespace zorvik
