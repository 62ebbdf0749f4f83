#include "core/discovery/def_value.h"

#include "core/settings/ini_handler.h"

namespace zorvik {

namespace {

bool isQuote(char c) {
    return c == '"' || c == '\'';
}

} // namespace

std::string cleanDefValue(std::string raw) {
    // The comment is cut even inside quotes, as the engine's files expect.
    raw.erase(std::min(raw.find(';'), raw.size()));
    while (raw.size() > 1 && (raw.back() == ' ' || raw.back() == '\t')) {
        raw.pop_back();
    }
    if (!raw.empty() && isQuote(raw.back())) {
        raw.pop_back();
    }
    if (!raw.empty() && isQuote(raw.front())) {
        raw.erase(0, 1);
    }
    return raw;
}

bool ReadDefValue(const std::string& key, std::string& value, std::size_t bufferSize,
                  const Kel_IniHandler& ini) {
    const std::string raw = ini.GetString(key, bufferSize, "");
    value = raw.empty() ? std::string() : cleanDefValue(raw);
    return !raw.empty();
}

} // namespace zorvik
