#include "support/json_reader.h"

#include <cstdlib>

namespace zorvik::test {

namespace {

class JsonParser {
public:
    explicit JsonParser(std::string_view text) : text_(text) {}

    std::optional<JsonValue> document() {
        JsonValue value;
        if (!parseValue(value)) {
            return std::nullopt;
        }
        skipBlanks();
        return at_ == text_.size() ? std::optional(std::move(value)) : std::nullopt;
    }

private:
    void skipBlanks() {
        while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\n' ||
                                      text_[at_] == '\r' || text_[at_] == '\t')) {
            ++at_;
        }
    }

    bool take(char c) {
        skipBlanks();
        if (at_ < text_.size() && text_[at_] == c) {
            ++at_;
            return true;
        }
        return false;
    }

    bool word(std::string_view literal) {
        if (text_.substr(at_, literal.size()) != literal) {
            return false;
        }
        at_ += literal.size();
        return true;
    }

    bool parseValue(JsonValue& value) {
        skipBlanks();
        if (at_ >= text_.size()) {
            return false;
        }
        switch (text_[at_]) {
        case '{':
            value.kind = JsonValue::Kind::Object;
            return parseObject(value);
        case '[':
            value.kind = JsonValue::Kind::Array;
            return parseArray(value);
        case '"':
            value.kind = JsonValue::Kind::String;
            return parseString(value.text);
        case 't':
        case 'f':
            value.kind = JsonValue::Kind::Bool;
            value.boolean = text_[at_] == 't';
            return word(value.boolean ? "true" : "false");
        case 'n':
            return word("null");
        default:
            value.kind = JsonValue::Kind::Number;
            return parseNumber(value.number);
        }
    }

    bool parseObject(JsonValue& value) {
        ++at_;
        if (take('}')) {
            return true;
        }
        do {
            std::string name;
            skipBlanks();
            if (!parseString(name) || !take(':') || !parseValue(value.members[name])) {
                return false;
            }
        } while (take(','));
        return take('}');
    }

    bool parseArray(JsonValue& value) {
        ++at_;
        if (take(']')) {
            return true;
        }
        do {
            value.items.emplace_back();
            if (!parseValue(value.items.back())) {
                return false;
            }
        } while (take(','));
        return take(']');
    }

    bool parseString(std::string& out) {
        if (at_ >= text_.size() || text_[at_] != '"') {
            return false;
        }
        for (++at_; at_ < text_.size(); ++at_) {
            const char c = text_[at_];
            if (c == '"') {
                ++at_;
                return true;
            }
            if (static_cast<unsigned char>(c) < 0x20) {
                return false;
            }
            if (c == '\\' && !parseEscape(out)) {
                return false;
            }
            if (c != '\\') {
                out += c;
            }
        }
        return false;
    }

    // Escapes of ASCII characters only, which is all the tests need.
    bool parseEscape(std::string& out) {
        if (++at_ >= text_.size()) {
            return false;
        }
        const char c = text_[at_];
        const std::string_view simple = "\"\\/bfnrt";
        const std::string_view meaning = "\"\\/\b\f\n\r\t";
        if (const std::size_t index = simple.find(c); index != std::string_view::npos) {
            out += meaning[index];
            return true;
        }
        if (c != 'u' || at_ + 4 >= text_.size()) {
            return false;
        }
        const std::string hex(text_.substr(at_ + 1, 4));
        char* end = nullptr;
        const long code = std::strtol(hex.c_str(), &end, 16);
        if (end != hex.c_str() + 4 || code >= 0x80) {
            return false;
        }
        out += static_cast<char>(code);
        at_ += 4;
        return true;
    }

    bool parseNumber(double& number) {
        const std::string rest(text_.substr(at_, 32));
        char* end = nullptr;
        number = std::strtod(rest.c_str(), &end);
        if (end == rest.c_str()) {
            return false;
        }
        at_ += static_cast<std::size_t>(end - rest.c_str());
        return true;
    }

    std::string_view text_;
    std::size_t at_ = 0;
};

} // namespace

const JsonValue& JsonValue::operator[](const std::string& name) const {
    static const JsonValue absent;
    const auto member = members.find(name);
    return member == members.end() ? absent : member->second;
}

std::optional<JsonValue> parseJson(std::string_view text) {
    return JsonParser(text).document();
}

} // namespace zorvik::test
