#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zorvik::test {

// A parsed JSON value, enough for tests to check a program's JSON output.
struct JsonValue {
    enum class Kind { Null, Bool, Number, String, Array, Object };
    Kind kind = Kind::Null;
    bool boolean = false;
    double number = 0;
    std::string text;
    std::vector<JsonValue> items;
    std::map<std::string, JsonValue> members;

    // The member name; a Null value when absent.
    const JsonValue& operator[](const std::string& name) const;
};

// Parses a whole JSON text (surrounding blanks allowed); none when it is
// not valid JSON.
std::optional<JsonValue> parseJson(std::string_view text);

} // namespace zorvik::test
