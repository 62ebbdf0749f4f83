#include "cli/check_report_format.h"

#include <cstdio>
#include <set>

#include "cli/data_output.h"
#include "core/check/check_report.h"
#include "core/text/encoding.h"

namespace zorvik::cli {

namespace {

const char* problemName(BrokenKind kind) {
    switch (kind) {
    case BrokenKind::NoDefFile:
        return "noDefFile";
    case BrokenKind::UnreadableArchive:
        return "unreadableArchive";
    case BrokenKind::MissingFile:
        break;
    }
    return "missingFile";
}

std::string brokenDetail(const BrokenCharacter& entry, const DataOutput& out) {
    switch (entry.kind) {
    case BrokenKind::NoDefFile:
        return "no .def file with a Name";
    case BrokenKind::UnreadableArchive:
        return "the archive cannot be read";
    case BrokenKind::MissingFile:
        break;
    }
    return out.field(entry.defFile) + "\t" + out.field(entry.key) + " = " +
           out.field(entry.value) + "\tnot found";
}

std::string groupsText(const char* title, const std::vector<DuplicateGroup>& groups,
                       const DataOutput& out) {
    std::string text = std::string(title) + ", groups: " + std::to_string(groups.size()) + "\n";
    for (std::size_t i = 0; i < groups.size(); ++i) {
        text += "  group " + std::to_string(i + 1) + "\n";
        for (const DuplicateMember& member : groups[i].members) {
            text += "    " + std::to_string(member.id) + "\t" + out.field(member.fileName) +
                    "\t" + out.field(member.name) + "\t" + out.field(member.author) + "\n";
        }
    }
    return text;
}

// A JSON string: the text as UTF-8 (a stored text that is not UTF-8 is
// read as CP932), with quotes, backslashes and control characters escaped.
std::string jsonString(const std::string& value) {
    std::string quoted = "\"";
    for (const char c : text::decodeFileName(value)) {
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
            quoted += escaped;
        } else {
            quoted += c;
        }
    }
    return quoted + "\"";
}

std::string memberJson(const DuplicateMember& member) {
    return "{\"id\":" + std::to_string(member.id) + ",\"fileName\":" + jsonString(member.fileName) +
           ",\"name\":" + jsonString(member.name) + ",\"author\":" + jsonString(member.author) +
           "}";
}

std::string groupsJson(const std::vector<DuplicateGroup>& groups) {
    std::string json = "[";
    for (const DuplicateGroup& group : groups) {
        json += json.size() > 1 ? ",[" : "[";
        for (std::size_t i = 0; i < group.members.size(); ++i) {
            json += (i > 0 ? "," : "") + memberJson(group.members[i]);
        }
        json += "]";
    }
    return json + "]";
}

std::string brokenJson(const BrokenCharacter& entry) {
    return "{\"id\":" + std::to_string(entry.id) + ",\"fileName\":" + jsonString(entry.fileName) +
           ",\"problem\":\"" + problemName(entry.kind) + "\",\"defFile\":" +
           jsonString(entry.defFile) + ",\"key\":" + jsonString(entry.key) +
           ",\"value\":" + jsonString(entry.value) + "}";
}

// One character may hold several problems: each is listed, the character counted once.
std::size_t brokenCharacterCount(const std::vector<BrokenCharacter>& broken) {
    std::set<std::int64_t> ids;
    for (const BrokenCharacter& entry : broken) {
        ids.insert(entry.id);
    }
    return ids.size();
}

} // namespace

std::string checkReportText(const CheckReport& report, const DataOutput& out) {
    std::string text = "gone from the character folder: " + std::to_string(report.missing.size()) + "\n";
    for (const MissingCharacter& entry : report.missing) {
        text += "  " + std::to_string(entry.id) + "\t" + out.field(entry.fileName) +
                (entry.marked ? "\tmarked missing" : "") + "\n";
    }
    text += "broken characters: " + std::to_string(brokenCharacterCount(report.broken)) +
            ", problems: " + std::to_string(report.broken.size()) + "\n";
    for (const BrokenCharacter& entry : report.broken) {
        text += "  " + std::to_string(entry.id) + "\t" + out.field(entry.fileName) + "\t" +
                brokenDetail(entry, out) + "\n";
    }
    text += groupsText("same NAME and AUTHOR", report.sameNameAndAuthor, out);
    text += groupsText("same portrait", report.samePortrait, out);
    if (report.archivesNotChecked > 0) {
        text += "archives not checked (their plug-in cannot list them): " +
                std::to_string(report.archivesNotChecked) + "\n";
    }
    return text;
}

std::string checkReportJson(const CheckReport& report) {
    std::string json = "{\"completed\":" + std::string(report.completed ? "true" : "false") +
                       ",\"missing\":[";
    for (std::size_t i = 0; i < report.missing.size(); ++i) {
        const MissingCharacter& entry = report.missing[i];
        json += (i > 0 ? ",{\"id\":" : "{\"id\":") + std::to_string(entry.id) +
                ",\"fileName\":" + jsonString(entry.fileName) +
                ",\"marked\":" + (entry.marked ? "true" : "false") + "}";
    }
    json += "],\"broken\":[";
    for (std::size_t i = 0; i < report.broken.size(); ++i) {
        json += (i > 0 ? "," : "") + brokenJson(report.broken[i]);
    }
    json += "],\"brokenCharacters\":" + std::to_string(brokenCharacterCount(report.broken)) +
            ",\"brokenProblems\":" + std::to_string(report.broken.size()) +
            ",\"sameNameAndAuthor\":" + groupsJson(report.sameNameAndAuthor) +
            ",\"samePortrait\":" + groupsJson(report.samePortrait) +
            ",\"archivesNotChecked\":" + std::to_string(report.archivesNotChecked) + "}\n";
    return json;
}

} // namespace zorvik::cli
