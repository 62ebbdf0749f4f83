#pragma once

#include <cstdint>
#include <cstdio>
#include <span>
#include <string>
#include <vector>

namespace zorvik {

// One file held in memory. Derived classes check and index the bytes in
// OnLoaded and forget their references into them in OnReleased.
class KelMemoryContainer {
public:
    KelMemoryContainer() = default;
    virtual ~KelMemoryContainer() = default;
    // Derived classes keep references into the bytes, which a copy would not own.
    KelMemoryContainer(const KelMemoryContainer&) = delete;
    KelMemoryContainer& operator=(const KelMemoryContainer&) = delete;

    // Reads the whole file with one read; the result of OnLoaded(), or false
    // when the file cannot be read (a file that cannot be opened leaves what
    // was held; any later failure leaves the object empty).
    bool LoadFile(const std::string& path);

    // Frees the bytes; OnReleased()'s result, or false when nothing was held.
    bool Release();

    std::span<const std::uint8_t> data() const { return data_; }
    // Size of the buffer; equal to the file length after a load.
    std::uint32_t capacity() const { return capacity_; }
    // Number of bytes read; equal to the file length after a successful load.
    std::uint32_t size() const { return size_; }

protected:
    virtual bool OnLoaded();
    virtual bool OnReleased();

private:
    bool readOpenFile(std::FILE* file);

    std::vector<std::uint8_t> data_;
    std::uint32_t capacity_ = 0;
    std::uint32_t size_ = 0;
};

} // namespace zorvik
