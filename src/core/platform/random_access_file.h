#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace zorvik::platform {

// A regular file opened for reading parts of it at any offset, so that a
// reader can take the few blocks it needs out of a large file.
class RandomAccessFile {
public:
    RandomAccessFile() = default;
    ~RandomAccessFile();
    RandomAccessFile(const RandomAccessFile&) = delete;
    RandomAccessFile& operator=(const RandomAccessFile&) = delete;

    // Opens path, closing what was open; false when it cannot be opened or
    // is no regular file.
    bool Open(const std::string& path);

    // The file's length when it was opened; 0 while nothing is open.
    std::uint64_t size() const { return size_; }

    // Fills into with the bytes from offset on; false unless they all lie
    // inside the file and were read.
    bool Read(std::uint64_t offset, std::span<std::uint8_t> into) const;

private:
    void Close();

    int fd_ = -1;
    std::uint64_t size_ = 0;
};

} // namespace zorvik::platform
