#include "core/text/encoding.h"

#include <algorithm>
#include <cerrno>
#include <iconv.h>

namespace zorvik::text {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Length of the well-formed UTF-8 sequence at bytes[i], or 0 when ill-formed.
std::size_t sequenceLength(std::string_view bytes, std::size_t i) {
    const auto at = [&](std::size_t k) { return static_cast<unsigned char>(bytes[k]); };
    const unsigned char lead = at(i);
    if (lead < 0x80) {
        return 1;
    }
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (i + length > bytes.size()) {
        return 0;
    }
    if (at(i + 1) < low || at(i + 1) > high) {
        return 0;
    }
    for (std::size_t k = 2; k < length; ++k) {
        if (at(i + k) < 0x80 || at(i + k) > 0xBF) {
            return 0;
        }
    }
    return length;
}

char32_t decodeSequence(std::string_view bytes, std::size_t i, std::size_t length) {
    const auto at = [&](std::size_t k) { return static_cast<unsigned char>(bytes[k]); };
    static constexpr unsigned char kLeadMask[] = {0, 0x7F, 0x1F, 0x0F, 0x07};
    char32_t code = at(i) & kLeadMask[length];
    for (std::size_t k = 1; k < length; ++k) {
        code = (code << 6) | (at(i + k) & 0x3F);
    }
    return code;
}

// An iconv conversion descriptor that closes itself.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (valid()) {
            iconv_close(cd_);
        }
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Converts as much as possible; on an unconvertible or ill-formed input
    // sequence stops and returns false with input pointing at it.
    bool convert(const char*& input, std::size_t& inputLeft, std::string& out) {
        char buffer[4096];
        while (inputLeft > 0) {
            char* output = buffer;
            std::size_t outputLeft = sizeof buffer;
            char* in = const_cast<char*>(input);
            const std::size_t result = iconv(cd_, &in, &inputLeft, &output, &outputLeft);
            input = in;
            out.append(buffer, static_cast<std::size_t>(output - buffer));
            if (result == static_cast<std::size_t>(-1) && errno != E2BIG) {
                return false;
            }
        }
        return true;
    }

private:
    iconv_t cd_;
};

} // namespace

void appendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

bool isValidUtf8(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t length = sequenceLength(bytes, i);
        if (length == 0) {
            return false;
        }
        i += length;
    }
    return true;
}

std::u16string utf8ToUtf16(std::string_view utf8) {
    std::u16string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t length = sequenceLength(utf8, i);
        const char32_t code = length == 0 ? kReplacement : decodeSequence(utf8, i, length);
        i += length == 0 ? 1 : length;
        if (code >= 0x10000) {
            out += static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10));
            out += static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF));
        } else {
            out += static_cast<char16_t>(code);
        }
    }
    return out;
}

std::string utf16ToUtf8(std::u16string_view utf16) {
    std::string out;
    out.reserve(utf16.size());
    for (std::size_t i = 0; i < utf16.size(); ++i) {
        char32_t code = utf16[i];
        const bool high = code >= 0xD800 && code <= 0xDBFF;
        const bool low = code >= 0xDC00 && code <= 0xDFFF;
        if (high && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 && utf16[i + 1] <= 0xDFFF) {
            code = 0x10000 + ((code - 0xD800) << 10) + (utf16[i + 1] - 0xDC00);
            ++i;
        } else if (high || low) {
            code = kReplacement;
        }
        appendUtf8(out, code);
    }
    return out;
}

std::string cp932ToUtf8(std::string_view cp932) {
    Converter converter("UTF-8", "CP932");
    std::string out;
    if (!converter.valid()) {
        return out;
    }
    const char* input = cp932.data();
    std::size_t left = cp932.size();
    while (!converter.convert(input, left, out)) {
        // An ill-formed or truncated sequence: replace one byte and go on.
        appendUtf8(out, kReplacement);
        ++input;
        --left;
    }
    return out;
}

std::optional<std::string> utf8ToCp932(std::string_view utf8) {
    Converter converter("CP932", "UTF-8");
    std::string out;
    const char* input = utf8.data();
    std::size_t left = utf8.size();
    if (!converter.valid() || !converter.convert(input, left, out)) {
        return std::nullopt;
    }
    return out;
}

std::string decodeFileText(std::string_view bytes) {
    if (isValidUtf8(bytes)) {
        if (bytes.substr(0, 3) == "\xEF\xBB\xBF") {
            bytes.remove_prefix(3);
        }
        return std::string(bytes);
    }
    return cp932ToUtf8(bytes);
}

std::string cutToBytes(std::string_view utf8, std::size_t maxBytes) {
    if (utf8.size() <= maxBytes) {
        return std::string(utf8);
    }
    std::size_t end = 0;
    for (std::size_t i = 0; i < maxBytes;) {
        const std::size_t length = std::max<std::size_t>(sequenceLength(utf8, i), 1);
        if (i + length > maxBytes) {
            break;
        }
        i += length;
        end = i;
    }
    return std::string(utf8.substr(0, end));
}

std::string fitToBuffer(std::string_view utf8, std::size_t bufferSize) {
    return cutToBytes(utf8, bufferSize == 0 ? 0 : bufferSize - 1);
}

std::string decodeFileName(std::string_view bytes) {
    if (isValidUtf8(bytes)) {
        return std::string(bytes);
    }
    std::string decoded = cp932ToUtf8(bytes);
    // Stray bytes become U+FFFD, and CP932 gives some characters two codes:
    // such a name would read like others, so its bytes go with it.
    if (utf8ToCp932(decoded) != bytes) {
        return nameWithBytes(bytes);
    }
    return decoded;
}

std::string nameWithBytes(std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string name = isValidUtf8(bytes) ? std::string(bytes) : cp932ToUtf8(bytes);
    name += " (0x";
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        name += kDigits[byte >> 4];
        name += kDigits[byte & 0x0F];
    }
    name += ')';
    return name;
}

} // namespace zorvik::text
