#pragma once

#include <atomic>
#include <string>
#include <thread>

namespace zorvik::test {

// A FIFO with a writer waiting in open() until some reader opens it: shows
// whether code under test opened a path (through a link, say) that it
// should have refused unopened, as it must refuse a device.
class WaitingFifo {
public:
    explicit WaitingFifo(std::string path);
    ~WaitingFifo();
    WaitingFifo(const WaitingFifo&) = delete;
    WaitingFifo& operator=(const WaitingFifo&) = delete;

    const std::string& path() const { return path_; }

    // True when a reader has opened the FIFO (allowing it a moment to show).
    bool wasOpened() const;

private:
    std::string path_;
    std::atomic<bool> opened_ = false;
    std::thread writer_;
};

} // namespace zorvik::test
