#include "core/sprite/memory_container.h"

#include <limits>
#include <utility>

#include "core/platform/file_io.h"

namespace zorvik {

bool KelMemoryContainer::LoadFile(const std::string& path) {
    std::vector<std::uint8_t> bytes;
    if (!platform::readWholeFile(path, bytes)) {
        return false;
    }
    Release();
    // Offsets inside the file are 32-bit, so a longer file cannot be one we read.
    if (bytes.empty() || bytes.size() > std::numeric_limits<std::uint32_t>::max()) {
        return false;
    }
    data_ = std::move(bytes);
    capacity_ = static_cast<std::uint32_t>(data_.size());
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
