#include "core/roster/roster_export.h"

#include <set>

#include "core/catalogue/roster_query.h"
#include "core/check/broken_file_finder.h"
#include "core/discovery/candidate.h"
#include "core/platform/directory_listing.h"
#include "core/roster/character_def.h"
#include "core/roster/roster_target.h"
#include "core/roster/select_def_format.h"
#include "core/roster/select_def_line.h"
#include "core/roster/select_def_rewrite.h"

namespace zorvik {

namespace {

bool fail(RosterReport& report, RosterError error, Message text) {
    report.error = error;
    report.errorText = std::move(text);
    return false;
}

bool checkOptions(const RosterOptions& options, const std::string& mainDir, RosterReport& report) {
    if (options.target.empty()) {
        return fail(report, RosterError::BadOptions, Message::of(MessageKind::NoRosterTarget));
    }
    if (mainDir.empty()) {
        return fail(report, RosterError::BadOptions, Message::of(MessageKind::NoCharacterFolder));
    }
    if (options.order && (*options.order < 0 || *options.order > kMaxRosterOrder)) {
        return fail(report, RosterError::BadOptions, Message::of(MessageKind::RosterOrderRange));
    }
    if (options.stage == RosterStage::Fixed && !fitsInSelectField(options.stagePath)) {
        return fail(report, RosterError::BadOptions,
                    Message::of(MessageKind::StageNotInLine, options.stagePath));
    }
    return true;
}

// Opens the target and checks that a fixed stage has a form in its encoding.
bool openTarget(const RosterOptions& options, RosterTarget& target, RosterReport& report) {
    Message errorText;
    if (const RosterError error = target.open(options.target, errorText);
        error != RosterError::None) {
        return fail(report, error, errorText);
    }
    report.target = target.path();
    report.linkPath = target.linkPath();
    const SelectDefEncoding encoding = detectSelectDefFormat(target.bytes()).encoding;
    if (options.stage == RosterStage::Fixed && !encodeForSelectDef(options.stagePath, encoding)) {
        return fail(report, RosterError::BadOptions,
                    Message::of(MessageKind::StageNotShiftJis, options.stagePath));
    }
    return true;
}

void writeRoster(const RosterTarget& target, const std::string& bytes, RosterReport& report) {
    if (target.exists() && bytes == target.bytes()) {
        // Writing the same bytes again would only add a backup equal to the file.
        report.unchanged = true;
        return;
    }
    Message errorText;
    if (const RosterError error = target.replace(bytes, report.backupPath, errorText);
        error != RosterError::None) {
        fail(report, error, errorText);
    }
}

// What a broken character's report line says is missing: "key = value", or
// the key alone when the .def names no such file.
std::string problemOf(const BrokenCharacter& broken) {
    if (broken.kind == BrokenKind::NoDefFile) {
        return ".def";
    }
    return broken.value.empty() ? broken.key : broken.key + " = " + broken.value;
}

// The engine's random-select slot: no character's line, so a replace keeps it.
bool isRandomSelect(std::string_view line) {
    return namedFolderKey(line) == "randomselect";
}

// Builds the exported lines in the target's encoding, row by row.
class RosterLines {
public:
    RosterLines(const std::string& mainDir, const RosterOptions& options,
                SelectDefEncoding encoding)
        : mainDir_(mainDir), options_(options), encoding_(encoding),
          brokenFiles_(options.engineDataFolder) {}

    void add(const RosterRow& row, RosterReport& report) {
        RosterCharacter character{row.name, row.fileName};
        if (row.fileType != kFolderCharacter) {
            report.archivesLeftOut.push_back(character);
            return;
        }
        const std::string folder = platform::resolvePathInFolder(mainDir_, row.fileName);
        const auto defName = findCharacterDefName(folder);
        if (!defName) {
            report.defNotFound.push_back(character);
            return;
        }
        if (const auto broken =
                options_.leaveOutBroken ? brokenFiles_.firstBreak(folder) : std::nullopt) {
            character.problem = problemOf(*broken);
            report.brokenLeftOut.push_back(character);
            return;
        }
        const auto line =
            fitsAsCharacterPath(row.fileName) && fitsAsCharacterName(*defName)
                ? encodeForSelectDef(
                      characterLine(characterEntry(row.fileName, *defName), options_), encoding_)
                : std::nullopt;
        if (!line) {
            report.notNameable.push_back(character);
            return;
        }
        lines_.push_back(*line);
        writtenFolders_.insert(folderKey(row.fileName));
    }

    const std::vector<std::string>& lines() const { return lines_; }

    // A merge keeps the old lines of every character this export did not write.
    KeepEntry keepOthers() const {
        return [this](std::string_view line) {
            return writtenFolders_.count(namedFolderKey(line)) == 0;
        };
    }

private:
    const std::string& mainDir_;
    const RosterOptions& options_;
    SelectDefEncoding encoding_;
    BrokenFileFinder brokenFiles_;
    std::vector<std::string> lines_;
    std::set<std::string> writtenFolders_;
};

} // namespace

std::string defaultRosterTarget(const std::string& mugenExeFile) {
    if (mugenExeFile.empty()) {
        return {};
    }
    const std::size_t slash = mugenExeFile.rfind('/');
    const std::string engineFolder =
        slash == std::string::npos ? "." : mugenExeFile.substr(0, slash);
    return platform::resolveInFolder(platform::resolveInFolder(engineFolder, "data"), "select.def");
}

RosterReport ExportRoster(Kel_CharacterDb& catalogue, const std::string& mainDir,
                          const ListCriteria& criteria, const RosterOptions& options) {
    RosterReport report;
    RosterTarget target;
    if (!checkOptions(options, mainDir, report) || !openTarget(options, target, report)) {
        return report;
    }
    const RosterRows rows = readRosterRows(catalogue, criteria);
    if (!rows.ok) {
        fail(report, RosterError::CatalogueRead,
             Message::of(MessageKind::RosterRowsUnread, rows.error));
        return report;
    }
    RosterLines lines(mainDir, options, detectSelectDefFormat(target.bytes()).encoding);
    for (const RosterRow& row : rows.rows) {
        lines.add(row, report);
    }
    // A replace keeps the random-select slots alone, without the notes between the old lines.
    const SelectDefRewrite rewrite =
        options.merge ? rewriteSelectDef(target.bytes(), lines.lines(), lines.keepOthers())
                      : rewriteSelectDef(target.bytes(), lines.lines(), isRandomSelect, false);
    report.linesWritten = lines.lines().size();
    report.linesKept = rewrite.keptEntries;
    writeRoster(target, rewrite.bytes, report);
    return report;
}

} // namespace zorvik
