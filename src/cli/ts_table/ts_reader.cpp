#include "cli/ts_table/ts_reader.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <memory>
#include <tuple>

#include "core/text/encoding.h"

namespace zorvik::cli {

namespace {

// An element of the document: its text is the text directly inside it.
struct Element {
    std::string name;
    std::map<std::string, std::string> attributes;
    std::vector<std::unique_ptr<Element>> children;
    std::string text;
    std::size_t line = 0;

    const Element* child(std::string_view childName) const {
        for (const auto& element : children) {
            if (element->name == childName) {
                return element.get();
            }
        }
        return nullptr;
    }
    std::string attribute(const std::string& key) const {
        const auto it = attributes.find(key);
        return it == attributes.end() ? std::string() : it->second;
    }
};

// The character a numeric reference (the part between "&#" and ";") names.
std::optional<std::uint32_t> characterReference(std::string_view digits) {
    const bool hex = !digits.empty() && (digits[0] == 'x' || digits[0] == 'X');
    digits.remove_prefix(hex ? 1 : 0);
    if (digits.empty() || digits.size() > 8) {
        return std::nullopt;
    }
    std::uint32_t code = 0;
    for (const char c : digits) {
        const std::string_view alphabet = hex ? "0123456789abcdef" : "0123456789";
        const auto digit = alphabet.find(static_cast<char>(c | (hex ? 0x20 : 0)));
        if (digit == std::string_view::npos) {
            return std::nullopt;
        }
        code = code * (hex ? 16 : 10) + static_cast<std::uint32_t>(digit);
    }
    const bool valid = code != 0 && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF);
    return valid ? std::optional<std::uint32_t>(code) : std::nullopt;
}

// lupdate writes a control character as <byte value="xNN"/>: it is part
// of the text where it stands.
void addChild(Element& parent, std::unique_ptr<Element> child) {
    const auto code =
        child->name == "byte" ? characterReference(child->attribute("value")) : std::nullopt;
    if (code) {
        text::appendUtf8(parent.text, *code);
    } else {
        parent.children.push_back(std::move(child));
    }
}

// Reads the document's elements one after another, keeping count of the line.
class XmlReader {
public:
    XmlReader(std::string_view xml, std::string& error) : xml_(xml), error_(error) {}

    std::unique_ptr<Element> document();

private:
    // Counts on from where it last counted: the reader only moves forward.
    std::size_t line() {
        if (pos_ < counted_) {
            counted_ = 0;
            lines_ = 1;
        }
        lines_ +=
            static_cast<std::size_t>(std::count(xml_.begin() + static_cast<long>(counted_),
                                                xml_.begin() + static_cast<long>(pos_), '\n'));
        counted_ = pos_;
        return lines_;
    }
    bool fail(const std::string& message) {
        error_ = "line " + std::to_string(line()) + ": " + message;
        return false;
    }
    bool skipPast(std::string_view end, const char* what);
    bool skipMarkup();
    bool unescape(std::string_view raw, std::string& out);
    bool readName(std::string& name);
    bool readAttributes(Element& element, bool& closed);
    bool readContent(Element& element);
    std::unique_ptr<Element> readElement();
    void skipBlanks() {
        while (pos_ < xml_.size() &&
               std::string_view(" \t\r\n").find(xml_[pos_]) != std::string_view::npos) {
            ++pos_;
        }
    }
    bool startsWith(std::string_view prefix) const { return xml_.substr(pos_).starts_with(prefix); }

    std::string_view xml_;
    std::string& error_;
    std::size_t pos_ = 0;
    std::size_t counted_ = 0;
    std::size_t lines_ = 1;
};

bool XmlReader::skipPast(std::string_view end, const char* what) {
    const std::size_t found = xml_.find(end, pos_);
    if (found == std::string_view::npos) {
        return fail(std::string("unterminated ") + what);
    }
    pos_ = found + end.size();
    return true;
}

// Declarations, comments and the document type, which hold no text of the file.
bool XmlReader::skipMarkup() {
    if (startsWith("<?")) {
        return skipPast("?>", "declaration");
    }
    if (startsWith("<!--")) {
        return skipPast("-->", "comment");
    }
    return skipPast(">", "document type");
}

bool XmlReader::unescape(std::string_view raw, std::string& out) {
    static const std::map<std::string_view, char> named = {
        {"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}};
    for (std::size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] != '&') {
            out += raw[i];
            continue;
        }
        const std::size_t end = raw.find(';', i);
        const std::string_view name =
            raw.substr(i + 1, end == std::string_view::npos ? 0 : end - i - 1);
        const auto known = named.find(name);
        const auto code = name.starts_with('#') ? characterReference(name.substr(1)) : std::nullopt;
        if (known != named.end()) {
            out += known->second;
        } else if (code) {
            text::appendUtf8(out, *code);
        } else {
            return fail("bad entity &" + std::string(raw.substr(i + 1, 10)));
        }
        i = end;
    }
    return true;
}

bool XmlReader::readName(std::string& name) {
    const std::size_t start = pos_;
    while (pos_ < xml_.size() &&
           std::string_view(" \t\r\n/>=").find(xml_[pos_]) == std::string_view::npos) {
        ++pos_;
    }
    name = std::string(xml_.substr(start, pos_ - start));
    return !name.empty() || fail("a name is missing");
}

bool XmlReader::readAttributes(Element& element, bool& closed) {
    for (;;) {
        skipBlanks();
        if (startsWith("/>") || startsWith(">")) {
            closed = startsWith("/>");
            pos_ += closed ? 2 : 1;
            return true;
        }
        std::string key;
        if (!readName(key)) {
            return false;
        }
        skipBlanks();
        if (!startsWith("=")) {
            return fail("attribute " + key + " has no value");
        }
        ++pos_;
        skipBlanks();
        const char quote = pos_ < xml_.size() ? xml_[pos_] : '\0';
        const std::size_t end =
            quote == '"' || quote == '\'' ? xml_.find(quote, pos_ + 1) : std::string_view::npos;
        if (end == std::string_view::npos) {
            return fail("attribute " + key + " has no quoted value");
        }
        if (!unescape(xml_.substr(pos_ + 1, end - pos_ - 1), element.attributes[key])) {
            return false;
        }
        pos_ = end + 1;
    }
}

// What lies between the element's start and its end tag.
bool XmlReader::readContent(Element& element) {
    for (;;) {
        const std::size_t tag = xml_.find('<', pos_);
        if (tag == std::string_view::npos) {
            pos_ = xml_.size();
            return fail("<" + element.name + "> is not closed");
        }
        if (!unescape(xml_.substr(pos_, tag - pos_), element.text)) {
            return false;
        }
        pos_ = tag;
        if (startsWith("</")) {
            pos_ += 2;
            std::string name;
            if (!readName(name) || name != element.name) {
                return fail("</" + name + "> closes <" + element.name + ">");
            }
            skipBlanks();
            return startsWith(">") ? (++pos_, true) : fail("</" + name + " is not closed");
        }
        if (startsWith("<![CDATA[")) {
            const std::size_t end = xml_.find("]]>", pos_);
            if (end == std::string_view::npos) {
                return fail("unterminated CDATA section");
            }
            element.text += xml_.substr(pos_ + 9, end - pos_ - 9);
            pos_ = end + 3;
        } else if (startsWith("<!") || startsWith("<?")) {
            if (!skipMarkup()) {
                return false;
            }
        } else if (auto child = readElement()) {
            addChild(element, std::move(child));
        } else {
            return false;
        }
    }
}

std::unique_ptr<Element> XmlReader::readElement() {
    auto element = std::make_unique<Element>();
    element->line = line();
    ++pos_; // '<'
    bool closed = false;
    if (!readName(element->name) || !readAttributes(*element, closed)) {
        return nullptr;
    }
    if (!closed && !readContent(*element)) {
        return nullptr;
    }
    return element;
}

std::unique_ptr<Element> XmlReader::document() {
    for (;;) {
        skipBlanks();
        if (pos_ >= xml_.size()) {
            fail("no element");
            return nullptr;
        }
        if (!startsWith("<")) {
            fail("text outside the document's element");
            return nullptr;
        }
        if (!startsWith("<!") && !startsWith("<?")) {
            break;
        }
        if (!skipMarkup()) {
            return nullptr;
        }
    }
    auto root = readElement();
    skipBlanks();
    if (root && pos_ < xml_.size() && !startsWith("<!--")) {
        fail("text after the document's element");
        return nullptr;
    }
    return root;
}

// Whether a message gives a translation the companion can use: plural
// forms and length variants are elements inside the translation.
bool usable(const Element& message, const Element* translation) {
    const std::string type = translation ? translation->attribute("type") : "";
    const Element* comment = message.child("comment");
    return translation && message.attribute("numerus") != "yes" && translation->children.empty() &&
           (type.empty() || type == "finished") && !translation->text.empty() &&
           (!comment || comment->text.empty());
}

bool readContext(const Element& context, std::vector<TsEntry>& entries, std::string& error) {
    const Element* name = context.child("name");
    if (!name) {
        error = "line " + std::to_string(context.line) + ": <context> without <name>";
        return false;
    }
    for (const auto& message : context.children) {
        if (message->name != "message") {
            continue;
        }
        const Element* source = message->child("source");
        if (!source) {
            error = "line " + std::to_string(message->line) + ": <message> without <source>";
            return false;
        }
        const Element* translation = message->child("translation");
        if (usable(*message, translation)) {
            entries.push_back({name->text, source->text, translation->text});
        }
    }
    return true;
}

} // namespace

std::optional<std::vector<TsEntry>> readTsEntries(std::string_view xml, std::string& error) {
    const auto root = XmlReader(xml, error).document();
    if (!root) {
        return std::nullopt;
    }
    if (root->name != "TS") {
        error = "the document is <" + root->name + ">, not <TS>";
        return std::nullopt;
    }
    std::vector<TsEntry> entries;
    for (const auto& context : root->children) {
        if (context->name == "context" && !readContext(*context, entries, error)) {
            return std::nullopt;
        }
    }
    const auto key = [](const TsEntry& e) { return std::tie(e.context, e.source); };
    std::stable_sort(entries.begin(), entries.end(),
                     [&](const TsEntry& a, const TsEntry& b) { return key(a) < key(b); });
    const auto twice =
        std::adjacent_find(entries.begin(), entries.end(),
                           [&](const TsEntry& a, const TsEntry& b) { return key(a) == key(b); });
    if (twice != entries.end()) {
        error = "\"" + twice->source + "\" of " + twice->context + " has two translations";
        return std::nullopt;
    }
    return entries;
}

} // namespace zorvik::cli
