#pragma once

#include <concepts>
#include <string>
#include <string_view>
#include <vector>

// Marks a program text for the translation tools (lupdate reads it as
// QT_TRANSLATE_NOOP): in the program it stays the Japanese text, and
// translations/zorvik_en.ts gives its English under the same context.
#define ZORVIK_TEXT(context, text) text

namespace zorvik {

// Gives a program text, known by its context and its Japanese source, in
// the language being shown. The window asks Qt's translator; the
// command-line companion asks the English table built from the .ts.
class TextLanguage {
public:
    virtual ~TextLanguage();

    virtual std::string text(const char* context, const char* source) const = 0;
};

// Japanese, the texts' own language: every text as written.
class SourceLanguage final : public TextLanguage {
public:
    std::string text(const char* context, const char* source) const override;
};

// The pattern with %1 to %9 replaced by the arguments, in one pass: an
// argument that itself holds "%2" (a file name may) stays as it is. A
// number with no argument, and any other '%', stay too.
std::string withArguments(std::string_view pattern, const std::vector<std::string>& arguments);

// What a user-facing message of the core says, as a value: the window and
// the companion turn it into text in the chosen language.
enum class MessageKind {
    // Text already in the user's language, or a text that is never
    // translated (an error of the catalogue as SQLite words it).
    Verbatim,
    // The list update and the portrait re-capture.
    SearchNotStarted,
    SearchEndedAbnormally,   // %1 error code
    RegistrationCheckFailed, // %1 catalogue error
    RegistrationStepFailed,  // %1 catalogue error
    PresenceCheckFailed,     // %1 catalogue error
    CatalogueReadFailed,     // %1 catalogue error
    BeginFailed,             // %1 catalogue error
    CommitFailed,            // %1 catalogue error
    RowWriteFailed,          // %1 catalogue error, %2 statement
    NoTemporaryFolder,
    FolderRemovalFailed,
    ExtractionFolderFailed, // %1 folder
    ExtractedFolderKept,
    PngEncodingFailed,
    PortraitWriteFailed, // %1 catalogue error
    UpdateRunning,
    SearchingFolder,      // %1 folder or pattern
    CharactersRecognized, // %1 count
    CheckingCharacter,    // %1 FILENAME
    AddingCharacter,      // %1 FILENAME
    UpdatingCharacter,    // %1 FILENAME
    TakingPortrait,       // %1 FILENAME
    UpdateCounts,          // %1 inserted, %2 updated
    UpdateCountsWithMoves, // %1 inserted, %2 updated, %3 moved
    PortraitsAdded,        // %1 count
    MissingCount,          // %1 count
    NothingListed,
    MovesLeft,         // %1 rows
    NamesToldApart,    // %1 count
    UnreadableFolder,  // %1 folder
    UnreadableEntries, // %1 count
    ChangesUndone,
    JobStopped,
    RecaptureRunning,
    RecapturingCharacter, // %1 FILENAME
    RecaptureCounts,      // %1 taken, %2 set by hand, %3 failed, %4 not found
    // The collection check.
    CheckingDuplicates,
    FolderNotSearched, // %1 folder
    NoCharacterFolder,
    // The roster export.
    NoRosterTarget,
    RosterOrderRange,
    StageNotInLine,       // %1 stage
    StageNotShiftJis,     // %1 stage
    RosterRowsUnread,     // %1 catalogue error
    TargetUnreadable,     // %1 path
    TargetDanglingLink,   // %1 path
    TargetLoopingLink,    // %1 path
    TargetUninspectable,  // %1 path
    TargetNotFile,        // %1 path
    TargetLinkNotFile,    // %1 path, %2 the file it leads to
    TargetReadOnly,       // %1 path
    TargetFolderMissing,  // %1 folder
    TargetFolderReadOnly, // %1 folder
    TargetBusy,           // %1 path, %2 seconds waited
    TargetUnopened,       // %1 path
    TargetUtf16,          // %1 path
    TargetNotText,        // %1 path
    BackupBlocked,        // %1 backup, %2 path
    BackupUnwritten,      // %1 backup, %2 path
    TargetUnwrittenKept,  // %1 path, %2 backup
    TargetUnwritten,      // %1 path
    // The settings' and the catalogue's folders.
    NoProgramFolders,
    ProgramFoldersUncreated, // %1 settings folder, %2 catalogue folder
    // The catalogue's status.
    CatalogueUnopened,
    CatalogueReady,
    TableCheckFailed, // %1 catalogue error
    TableCreated,     // %1 table
    TableNotCreated,  // %1 table, %2 catalogue error
    SelectFailed,     // %1 catalogue error, %2 statement
    RecordsDeleted,
    RecordsNotDeleted,
    TableDropped,
    TableNotDropped,
    // The last kind: a loop over every kind ends here.
    Last = TableNotDropped,
};

// A message's argument as text: a name or path as it is, a number in decimals.
inline std::string argumentText(const std::string& text) {
    return text;
}
template <std::integral Number> std::string argumentText(Number number) {
    return std::to_string(number);
}

struct Message {
    MessageKind kind = MessageKind::Verbatim;
    std::vector<std::string> arguments;

    static Message verbatim(std::string text);
    // A message whose arguments are the texts given; numbers as decimals.
    template <typename... Arguments>
    static Message of(MessageKind kind, const Arguments&... given) {
        return Message{kind, {argumentText(given)...}};
    }

    friend bool operator==(const Message&, const Message&) = default;
};

// The message's Japanese pattern, with %1... for its arguments (context
// "zorvik::Message").
const char* messagePattern(MessageKind kind);

std::string messageText(const Message& message, const TextLanguage& language);

// The message as the program has always worded it.
std::string japaneseText(const Message& message);

} // namespace zorvik
