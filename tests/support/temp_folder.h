#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zorvik::test {

// A fresh folder under the system's temporary folder, removed with
// everything in it when the object goes.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder's path, without a trailing separator.
    const std::string& path() const { return path_; }
    // path() + "/" + relative.
    std::string file(std::string_view relative) const;

    // Writes bytes to a file inside the folder, creating parent folders.
    std::string write(std::string_view relative, std::string_view bytes) const;
    // Creates a folder inside the folder (and its parents).
    std::string makeFolder(std::string_view relative) const;

private:
    std::string path_;
};

// Makes a folder the current folder for the object's lifetime.
class ScopedCurrentFolder {
public:
    explicit ScopedCurrentFolder(const std::string& folder);
    ~ScopedCurrentFolder();
    ScopedCurrentFolder(const ScopedCurrentFolder&) = delete;
    ScopedCurrentFolder& operator=(const ScopedCurrentFolder&) = delete;

private:
    std::string previous_;
};

// Sets an environment variable for the object's lifetime (TMPDIR chooses
// the system's temporary folder).
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const std::string& value);
    ~ScopedEnvironment();
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    const char* name_;
    std::optional<std::string> previous_;
};

// The whole content of a file ("" when it cannot be read).
std::string readFile(const std::string& path);

// Sets a file's or folder's last-write time to midnight plus seconds of a UTC date.
void setLastWriteTime(const std::string& path, int year, int month, int day, int seconds = 0);

} // namespace zorvik::test
