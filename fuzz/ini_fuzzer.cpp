// The INI reader and writer: Kel_IniHandler over a file in any encoding, and
// IniDocument's parsing, in-place replacement and text.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/settings/ini_document.h"
#include "core/settings/ini_handler.h"
#include "core/text/encoding.h"
#include "scratch_folder.h"

namespace {

using zorvik::IniDocument;
using zorvik::fuzz::fail;

void checkString(const std::string& value, std::size_t bufferSize) {
    if (value.size() >= bufferSize || !zorvik::text::isValidUtf8(value)) {
        fail("GetString returned more than its buffer or split a character");
    }
}

// Reads keys the program reads from Settings.ini, with the buffer sizes it uses.
void readAsSettings(const std::string& path) {
    zorvik::Kel_IniHandler ini;
    ini.SetFileName(path, false);
    ini.SetSection("General");
    checkString(ini.GetString("MainDir", 512), 512);
    checkString(ini.GetString("BattleParamA", 260), 260);
    checkString(ini.GetString("maindir", 4, ""), 4);
    (void)ini.GetInt("RecognizeFileType");
    ini.SetSection("ColumnOrder");
    (void)ini.GetInt("0");
}

// A value without line breaks, as a setting can hold.
std::string valueFrom(std::string_view text) {
    std::string value(text.substr(0, 64));
    std::replace(value.begin(), value.end(), '\n', ' ');
    return value;
}

std::string trimmed(const std::string& text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    const auto first = std::find_if_not(text.begin(), text.end(), blank);
    const auto last = std::find_if_not(text.rbegin(), text.rend(), blank).base();
    return first < last ? std::string(first, last) : std::string();
}

// A written value reads back, from the document and from its text.
void editDocument(std::string_view text) {
    IniDocument document = IniDocument::parse(text);
    const std::string value = valueFrom(text);
    document.setValue("General", "MainDir", value);
    if (document.value("general", "MAINDIR") != trimmed(value)) {
        fail("a value written with setValue does not read back");
    }
    if (IniDocument::parse(document.text()).value("General", "MainDir") != trimmed(value)) {
        fail("a value written with setValue does not read back from the text");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    readAsSettings(zorvik::fuzz::ScratchFolder::instance().write("Settings.ini", bytes));
    editDocument(bytes);
    return 0;
}
