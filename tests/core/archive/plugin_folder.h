#pragma once

#include <initializer_list>
#include <string>

#include "support/temp_folder.h"

namespace zorvik::test {

// A plug-in folder of its own for one test, filled with stand-in plug-ins
// (copies, so that every test loads fresh libraries) and a DLLinfo.ini.
class PluginFolder {
public:
    explicit PluginFolder(std::initializer_list<const char*> libraries);

    const std::string& path() const { return path_; }
    void writeInfo(const std::string& text) const;
    // Writes a file inside the test's temporary folder.
    std::string write(const std::string& name, const std::string& bytes) const {
        return temp_.write(name, bytes);
    }

private:
    TempFolder temp_;
    std::string path_;
};

} // namespace zorvik::test
