#pragma once

#include <span>

#include "cli/english_texts.h"
#include "core/text/message.h"

namespace zorvik::cli {

// English from a sorted table of translations; a text the table lacks
// stays in Japanese, its source.
class TableLanguage final : public TextLanguage {
public:
    explicit TableLanguage(std::span<const EnglishText> table) : table_(table) {}

    std::string text(const char* context, const char* source) const override;

private:
    std::span<const EnglishText> table_;
};

} // namespace zorvik::cli
