#include "support/waiting_fifo.h"

#include <chrono>
#include <fcntl.h>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace zorvik::test {

WaitingFifo::WaitingFifo(std::string path) : path_(std::move(path)) {
    if (mkfifo(path_.c_str(), 0644) != 0) {
        throw std::runtime_error("cannot make the FIFO " + path_);
    }
    writer_ = std::thread([this] {
        const int fd = open(path_.c_str(), O_WRONLY); // returns once a reader opened it
        opened_ = true;
        close(fd);
    });
}

WaitingFifo::~WaitingFifo() {
    if (!opened_) {
        close(open(path_.c_str(), O_RDONLY | O_NONBLOCK)); // lets the writer go
    }
    writer_.join();
}

bool WaitingFifo::wasOpened() const {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    return opened_;
}

} // namespace zorvik::test
