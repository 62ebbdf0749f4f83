#include "support/temp_folder.h"

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <sys/time.h>
#include <unistd.h>

namespace zorvik::test {

namespace fs = std::filesystem;

TempFolder::TempFolder() {
    std::string pattern = (fs::temp_directory_path() / "zorvik-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot create a temporary folder");
    }
    path_ = pattern;
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    // Tests may leave read-only folders behind; make them writable first.
    for (auto it = fs::recursive_directory_iterator(path_, ignored);
         it != fs::recursive_directory_iterator(); it.increment(ignored)) {
        if (it->is_directory(ignored) && !it->is_symlink(ignored)) {
            fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
        }
    }
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(path_, ignored);
}

std::string TempFolder::file(std::string_view relative) const {
    return path_ + "/" + std::string(relative);
}

std::string TempFolder::write(std::string_view relative, std::string_view bytes) const {
    const std::string target = file(relative);
    fs::create_directories(fs::path(target).parent_path());
    std::ofstream out(target, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return target;
}

std::string TempFolder::makeFolder(std::string_view relative) const {
    const std::string target = file(relative);
    fs::create_directories(target);
    return target;
}

ScopedCurrentFolder::ScopedCurrentFolder(const std::string& folder)
    : previous_(fs::current_path().string()) {
    fs::current_path(folder);
}

ScopedCurrentFolder::~ScopedCurrentFolder() {
    std::error_code ignored;
    fs::current_path(previous_, ignored);
}

ScopedEnvironment::ScopedEnvironment(const char* name, const std::string& value) : name_(name) {
    if (const char* previous = std::getenv(name)) {
        previous_ = previous;
    }
    setenv(name, value.c_str(), 1);
}

ScopedEnvironment::~ScopedEnvironment() {
    previous_ ? setenv(name_, previous_->c_str(), 1) : unsetenv(name_);
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void setLastWriteTime(const std::string& path, int year, int month, int day, int seconds) {
    std::tm date{};
    date.tm_year = year - 1900;
    date.tm_mon = month - 1;
    date.tm_mday = day;
    const std::time_t when = timegm(&date) + seconds;
    const timeval times[2] = {{when, 0}, {when, 0}};
    if (lutimes(path.c_str(), times) != 0) {
        throw std::runtime_error("cannot set the time of " + path);
    }
}

} // namespace zorvik::test
