#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zorvik::archiver {

// The output text of one command: the error that stopped it, a count, and
// every entry that was passed over with the reason.
class ExtractionReport {
public:
    void error(std::string_view text);
    void skipped(std::string_view reason, std::string_view entryName);
    void extracted() { ++extracted_; }

    // Error first and skipped entries last, so that a cut text keeps what matters.
    std::string text() const;

    // Writes text() into output as a zero-terminated text of at most
    // outputSize bytes, cut on a character boundary; nothing when there is no room.
    void copyTo(char* output, int outputSize) const;

private:
    std::string error_;
    std::vector<std::string> skipped_;
    int extracted_ = 0;
};

} // namespace zorvik::archiver
