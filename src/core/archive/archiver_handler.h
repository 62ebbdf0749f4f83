#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/archive/archive_dll.h"

namespace zorvik {

class Kel_IniHandler;
namespace platform {
struct DirectoryEntry;
}

// Finds the archiver plug-ins of the plug-in folder, chooses the first one
// that accepts an archive, and runs its extraction. Writes a running trace
// to standard output; failures are false results, never messages.
class KelArchiverHandler {
public:
    static constexpr std::size_t kPathBufferSize = 512;
    static constexpr std::size_t kOutputBufferSize = ZORVIK_ARCHIVER_OUTPUT_SIZE;
    static constexpr std::size_t kMaxExecutableFolder = 480;
    static constexpr std::size_t kMaxPrefixLength = 16;
    static constexpr const char* kFolderName = "ArchiverDLLs";
    static constexpr const char* kInfoFileName = "DLLinfo.ini";
    static constexpr const char* kLibrarySuffix = ".so";
    static constexpr const char* kAlreadyOpen = "Err:既に別ファイルがオープンされている";

    // Loads the plug-ins of ArchiverDLLs beside the executable.
    KelArchiverHandler();
    // Loads the plug-ins of the given folder.
    explicit KelArchiverHandler(const std::string& dllDir);

    // The plug-in folder becomes ArchiverDLLs beside the executable (empty
    // when the executable's folder is too long).
    void SetDLLDir();
    // The plug-in folder becomes newDir; a folder of 512 bytes or more is ignored.
    void SetDLLDir(const std::string& newDir);

    // Replaces the plug-in list with the usable libraries of the plug-in
    // folder; true when the folder could be listed and held a library.
    bool LoadDLLs();

    // The window passed to the command function.
    void SetOwnerWindow(void* ownerWindow) { ownerWindow_ = ownerWindow; }

    // Chooses the first plug-in whose CheckArchive returns exactly 1.
    bool OpenArchive(const std::string& archivePath);
    // Runs the chosen plug-in's extraction of the open archive into destination.
    bool Extract(const std::string& destination);
    // True when the chosen plug-in offers the listing command.
    bool CanListEntries() const;
    // The open archive's files ("kfm/kfm.def"), through the chosen plug-in's
    // listing command; false when it has none or the listing failed.
    bool ListEntries(std::vector<std::string>& names);
    // Forgets the open archive and the chosen plug-in.
    void CloseArchive();

    const std::string& DLLDir() const { return dllDir_; }
    const std::vector<KelArchiveDLL>& plugins() const { return plugins_; }
    // Index of the chosen plug-in, -1 for none.
    int selectedPlugin() const { return selected_; }
    bool isOpen() const { return open_; }
    const std::string& archivePath() const { return archivePath_; }
    // The chosen plug-in's output of the last command, or this handler's error text.
    const std::string& output() const { return output_; }

private:
    // Adds the library of entry when it is usable; true when added.
    bool addPlugin(Kel_IniHandler& info, const platform::DirectoryEntry& entry);
    bool fitsCommandLine(const KelArchiveDLL& plugin, const std::string& destination) const;
    // Runs a command line through the chosen plug-in; output() holds its text.
    bool runChosen(const std::string& commandLine);

    std::vector<KelArchiveDLL> plugins_;
    std::string dllDir_;
    int selected_ = -1;
    std::string output_;
    void* ownerWindow_ = nullptr;
    std::string archivePath_;
    bool open_ = false;
};

} // namespace zorvik
