#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "core/settings/ini_document.h"

namespace zorvik {

// Reads and writes one INI file by section and key, as Windows'
// private-profile functions do: names match without regard to case,
// missing files, sections and keys give defaults. A handler reads its file
// at its first read and keeps the content until it writes or is pointed at
// another file: users hold a handler for one short burst of reads (start-up,
// one .def file), and a write always reads the file afresh first.
class Kel_IniHandler {
public:
    static constexpr int kDefaultInt = -999999;
    static constexpr const char* kDefaultString = "Kel_IniHandler : not found.";
    static constexpr const char* kNameTooLong = "ERROR - file name is too long.";
    static constexpr const char* kPathOverflow = "ERROR - ini-name buffer overflow.";
    static constexpr std::size_t kPathBufferSize = 512;
    static constexpr std::size_t kDefaultStringBufferSize = 256;

    Kel_IniHandler() = default;
    // A store on name inside the executable's folder.
    explicit Kel_IniHandler(const std::string& name);

    // relativeToExecutable: name is taken inside the executable's folder;
    // otherwise it is used as given. A name that does not fit the path
    // buffer leaves one of the two error texts as the file name.
    void SetFileName(const std::string& name, bool relativeToExecutable);
    void SetSection(const std::string& sectionName);
    void SetDefaultString(const std::string& text);

    int GetInt(const std::string& key) const;
    int GetInt(const std::string& key, int defaultValue) const;

    // The trimmed value cut as a buffer of bufferSize bytes would hold it.
    std::string GetString(const std::string& key, std::size_t bufferSize) const;
    std::string GetString(const std::string& key, std::size_t bufferSize,
                          const std::string& defaultValue) const;

    // Create the file, section and key as needed; true on success.
    bool WriteInt(const std::string& key, int value);
    bool WriteString(const std::string& key, const std::string& text);

    // Collects the writes that follow in memory (reads see them) until
    // FlushWrites saves them all in one atomic write: a close that writes
    // dozens of keys then replaces the file once.
    void DeferWrites();
    // Saves what was collected; true when nothing was or the save succeeded.
    bool FlushWrites();

    const std::string& fileName() const { return fileName_; }
    const std::string& section() const { return section_; }

private:
    void setRelativeFileName(const std::string& name);
    // False while the file name holds one of the error texts.
    bool namesRealFile() const;
    std::optional<std::string> readValue(const std::string& key) const;
    // The file's content, read at the first use.
    const IniDocument& document() const;

    std::string fileName_;
    std::string section_;
    int defaultInt_ = kDefaultInt;
    std::string defaultString_ = kDefaultString;

    mutable std::optional<IniDocument> cached_;
    bool deferring_ = false;
    bool pendingWrites_ = false;
};

} // namespace zorvik
