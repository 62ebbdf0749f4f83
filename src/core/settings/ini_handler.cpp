#include "core/settings/ini_handler.h"

#include "core/platform/folders.h"
#include "core/settings/ini_document.h"
#include "core/settings/integer_text.h"
#include "core/text/encoding.h"

namespace zorvik {

Kel_IniHandler::Kel_IniHandler(const std::string& name) {
    setRelativeFileName(name);
}

void Kel_IniHandler::setRelativeFileName(const std::string& name) {
    // The length check counts the whole executable path, as the fixed
    // buffer of the original layout did.
    const std::string executable = platform::executablePath();
    if (executable.size() + name.size() >= kPathBufferSize) {
        fileName_ = kPathOverflow;
        return;
    }
    fileName_ = platform::executableFolder() + "/" + name;
}

void Kel_IniHandler::SetFileName(const std::string& name, bool relativeToExecutable) {
    cached_.reset();
    if (name.size() >= kPathBufferSize) {
        fileName_ = kNameTooLong;
    } else if (relativeToExecutable) {
        setRelativeFileName(name);
    } else {
        fileName_ = name;
    }
}

void Kel_IniHandler::SetSection(const std::string& sectionName) {
    section_ = text::fitToBuffer(sectionName, kPathBufferSize);
}

void Kel_IniHandler::SetDefaultString(const std::string& text) {
    defaultString_ = text::fitToBuffer(text, kDefaultStringBufferSize);
}

int Kel_IniHandler::GetInt(const std::string& key) const {
    return GetInt(key, defaultInt_);
}

bool Kel_IniHandler::namesRealFile() const {
    return !fileName_.empty() && fileName_ != kNameTooLong && fileName_ != kPathOverflow;
}

std::optional<std::string> Kel_IniHandler::readValue(const std::string& key) const {
    if (!namesRealFile()) {
        return std::nullopt;
    }
    return document().value(section_, key);
}

const IniDocument& Kel_IniHandler::document() const {
    if (!cached_) {
        cached_ = IniDocument::load(fileName_);
    }
    return *cached_;
}

int Kel_IniHandler::GetInt(const std::string& key, int defaultValue) const {
    const auto value = readValue(key);
    if (!value || value->empty()) {
        return defaultValue;
    }
    return parseLeadingInt(*value);
}

std::string Kel_IniHandler::GetString(const std::string& key, std::size_t bufferSize) const {
    return GetString(key, bufferSize, defaultString_);
}

std::string Kel_IniHandler::GetString(const std::string& key, std::size_t bufferSize,
                                      const std::string& defaultValue) const {
    const auto value = readValue(key);
    return text::fitToBuffer(value ? *value : defaultValue, bufferSize);
}

bool Kel_IniHandler::WriteInt(const std::string& key, int value) {
    return WriteString(key, std::to_string(value));
}

bool Kel_IniHandler::WriteString(const std::string& key, const std::string& text) {
    if (!namesRealFile()) {
        return false;
    }
    if (deferring_) {
        // The file is read afresh once, at the first collected write.
        if (!pendingWrites_) {
            cached_ = IniDocument::load(fileName_);
            pendingWrites_ = true;
        }
        cached_->setValue(section_, key, text);
        return true;
    }
    IniDocument updated = IniDocument::load(fileName_);
    updated.setValue(section_, key, text);
    cached_.reset();
    if (!updated.save(fileName_)) {
        return false;
    }
    cached_ = std::move(updated);
    return true;
}

void Kel_IniHandler::DeferWrites() {
    deferring_ = true;
}

bool Kel_IniHandler::FlushWrites() {
    deferring_ = false;
    if (!pendingWrites_) {
        return true;
    }
    pendingWrites_ = false;
    return cached_->save(fileName_);
}

} // namespace zorvik
