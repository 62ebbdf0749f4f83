#include "core/sprite/memory_container.h"

#include <cstdio>
#include <limits>
#include <memory>
#include <new>

namespace zorvik {

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

// The file's length, or -1 when it cannot be found; the position is back at the start.
long fileLength(std::FILE* file) {
    if (std::fseek(file, 0, SEEK_END) != 0) {
        return -1;
    }
    const long length = std::ftell(file);
    return std::fseek(file, 0, SEEK_SET) == 0 ? length : -1;
}

} // namespace

bool KelMemoryContainer::LoadFile(const std::string& path) {
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        return false;
    }
    return readOpenFile(file.get());
}

bool KelMemoryContainer::readOpenFile(std::FILE* file) {
    const long length = fileLength(file);
    Release();
    // Offsets inside the file are 32-bit, so a longer file cannot be one we read.
    if (length <= 0 ||
        static_cast<unsigned long>(length) > std::numeric_limits<std::uint32_t>::max()) {
        return false;
    }
    try {
        data_.resize(static_cast<std::size_t>(length));
    } catch (const std::bad_alloc&) {
        return false;
    }
    capacity_ = static_cast<std::uint32_t>(length);
    if (std::fread(data_.data(), 1, data_.size(), file) != data_.size()) {
        Release();
        return false;
    }
    size_ = capacity_;
    return OnLoaded();
}

bool KelMemoryContainer::Release() {
    if (data_.empty()) {
        return false;
    }
    // Give the memory back rather than keep a large buffer's capacity.
    std::vector<std::uint8_t>().swap(data_);
    capacity_ = 0;
    size_ = 0;
    return OnReleased();
}

bool KelMemoryContainer::OnLoaded() {
    return true;
}

bool KelMemoryContainer::OnReleased() {
    return true;
}

} // namespace zorvik
