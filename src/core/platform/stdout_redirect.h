#pragma once

namespace zorvik::platform {

// Sends standard output elsewhere for the object's lifetime: to another
// descriptor, or to /dev/null. The archiver plug-in manager traces to
// standard output, which a command-line tool keeps for its own results.
class StdoutRedirect {
public:
    static constexpr int kDiscard = -1;
    // Standard error's descriptor, the same on every system the program runs on.
    static constexpr int kStandardError = 2;

    explicit StdoutRedirect(int target = kDiscard);
    ~StdoutRedirect();
    StdoutRedirect(const StdoutRedirect&) = delete;
    StdoutRedirect& operator=(const StdoutRedirect&) = delete;

private:
    int saved_;
};

} // namespace zorvik::platform
