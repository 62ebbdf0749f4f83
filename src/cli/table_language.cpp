#include "cli/table_language.h"

#include <algorithm>
#include <cstring>

namespace zorvik::cli {

std::string TableLanguage::text(const char* context, const char* source) const {
    // Byte order, as the table was sorted.
    const auto before = [](const EnglishText& entry, const EnglishText& key) {
        const int byContext = std::strcmp(entry.context, key.context);
        return byContext != 0 ? byContext < 0 : std::strcmp(entry.source, key.source) < 0;
    };
    const EnglishText key{context, source, nullptr};
    const auto found = std::lower_bound(table_.begin(), table_.end(), key, before);
    const bool matches = found != table_.end() && !before(key, *found);
    return matches ? found->english : source;
}

} // namespace zorvik::cli
