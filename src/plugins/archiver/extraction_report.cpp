#include "plugins/archiver/extraction_report.h"

#include <cstring>

#include "core/text/encoding.h"

namespace zorvik::archiver {

void ExtractionReport::error(std::string_view text) {
    error_ = "error: ";
    error_ += text;
    error_ += '\n';
}

void ExtractionReport::skipped(std::string_view reason, std::string_view entryName) {
    std::string line = "skipped (";
    line += reason;
    line += "): ";
    line += entryName;
    line += '\n';
    skipped_.push_back(std::move(line));
}

std::string ExtractionReport::text() const {
    std::string text = error_;
    text += "extracted files: " + std::to_string(extracted_) +
            ", skipped entries: " + std::to_string(skipped_.size()) + "\n";
    for (const std::string& line : skipped_) {
        text += line;
    }
    return text;
}

void ExtractionReport::copyTo(char* output, int outputSize) const {
    if (output == nullptr || outputSize <= 0) {
        return;
    }
    const std::string fitted = text::fitToBuffer(text(), static_cast<std::size_t>(outputSize));
    std::memcpy(output, fitted.c_str(), fitted.size() + 1);
}

} // namespace zorvik::archiver
