#include "core/roster/roster_target.h"

#include <ctime>
#include <filesystem>

#include "core/platform/file_io.h"
#include "core/roster/roster_backups.h"
#include "core/roster/select_def_format.h"

namespace zorvik {

namespace {

constexpr const char* kNothingChanged = "何も書き換えていません。";

RosterError failWith(RosterError error, std::string text, std::string& errorText) {
    errorText = std::move(text);
    return error;
}

} // namespace

RosterError RosterTarget::open(const std::string& path, std::string& errorText) {
    if (const RosterError error = resolve(path, errorText); error != RosterError::None) {
        return error;
    }
    if (const RosterError error = checkWritable(errorText); error != RosterError::None) {
        return error;
    }
    return lockAndRead(errorText);
}

RosterError RosterTarget::resolve(const std::string& path, std::string& errorText) {
    // Nothing here opens the path: a device is refused before it could react to an open.
    const platform::PathInspection found = platform::inspectPath(path);
    path_ = found.real;
    linkPath_ = found.isLink ? path : "";
    switch (found.kind) {
    case platform::PathKind::Missing:
        return RosterError::None;
    case platform::PathKind::File:
        mode_ = platform::fileMode(path_);
        return mode_ ? RosterError::None
                     : failWith(RosterError::TargetRead, path_ + " を読めません。", errorText);
    case platform::PathKind::DanglingLink:
        return failWith(RosterError::TargetRead,
                        path + " はリンクですが、リンク先のファイルがありません。" +
                            kNothingChanged,
                        errorText);
    case platform::PathKind::LoopingLink:
        return failWith(RosterError::TargetRead,
                        path + " のリンクは循環していて、ファイルにたどり着きません。" +
                            kNothingChanged,
                        errorText);
    case platform::PathKind::Unreachable:
        return failWith(RosterError::TargetRead, path + " を調べられません。", errorText);
    case platform::PathKind::Folder:
    case platform::PathKind::Other:
        break;
    }
    const std::string leadsTo = found.isLink ? " (リンク先 " + path_ + ")" : std::string();
    return failWith(RosterError::TargetRead,
                    path + leadsTo + " はファイルではありません。" + kNothingChanged, errorText);
}

std::string RosterTarget::folder() const {
    const std::filesystem::path parent = std::filesystem::path(path_).parent_path();
    return parent.empty() ? std::string(".") : parent.string();
}

RosterError RosterTarget::checkWritable(std::string& errorText) const {
    // The mode bits decide, also for the superuser: a file made read-only stays so.
    if (exists() && !platform::mayReplaceFile(path_)) {
        return failWith(RosterError::TargetReadOnly,
                        path_ + " は読み取り専用です。" + kNothingChanged, errorText);
    }
    if (platform::inspectPath(folder()).kind != platform::PathKind::Folder) {
        return failWith(RosterError::TargetWrite,
                        "フォルダ " + folder() + " がありません。何も書いていません。", errorText);
    }
    // The backup and the atomic replacement both create files in the folder.
    if (!platform::mayChangeFolder(folder())) {
        return failWith(RosterError::TargetReadOnly,
                        "フォルダ " + folder() + " は読み取り専用です。" + kNothingChanged,
                        errorText);
    }
    return RosterError::None;
}

RosterError RosterTarget::lockAndRead(std::string& errorText) {
    using Outcome = platform::ReplacementLock::Outcome;
    const Outcome locked = lock_.acquire(path_, kLockPatience);
    if (locked == Outcome::Busy) {
        return failWith(RosterError::TargetBusy,
                        path_ + " は別の書き出しが使用中です (" +
                            std::to_string(kLockPatience.count()) + " 秒待ちました)。" +
                            kNothingChanged,
                        errorText);
    }
    if (locked == Outcome::Failed) {
        return failWith(RosterError::TargetRead, path_ + " を開けません。", errorText);
    }
    // Under the lock no other export writes here: what is left is a killed one's.
    platform::removeStaleTemporaries(folder(), std::filesystem::path(path_).filename().string());
    if (exists() && !platform::readWholeFile(path_, bytes_)) {
        return failWith(RosterError::TargetRead, path_ + " を読めません。", errorText);
    }
    if (looksLikeUtf16(bytes_)) {
        return failWith(RosterError::TargetRead,
                        path_ +
                            " は UTF-16 で書かれています。UTF-16 の select.def には対応して"
                            "いません (UTF-8 か Shift-JIS で保存してください)。" +
                            kNothingChanged,
                        errorText);
    }
    // A binary file chosen by mistake (the engine itself) is no select.def to add a section to.
    if (bytes_.find('\0') != std::string::npos) {
        return failWith(RosterError::TargetRead,
                        path_ + " はテキストファイルではありません。" + kNothingChanged, errorText);
    }
    return RosterError::None;
}

RosterError RosterTarget::replace(std::string_view bytes, std::string& backupPath,
                                  std::string& errorText) const {
    backupPath.clear();
    const platform::AtomicWrite sameMode{mode_, false};
    if (exists()) {
        const RosterBackups backups(path_);
        const platform::PathKind first = platform::inspectPath(backups.firstPath()).kind;
        if (first != platform::PathKind::Missing && first != platform::PathKind::File) {
            return failWith(RosterError::BackupWrite,
                            "バックアップ " + backups.firstPath() +
                                " の場所にファイルでないものがあります。" + path_ +
                                " は元のままです。",
                            errorText);
        }
        const std::string backup = backups.nextPath(std::time(nullptr));
        // A backup is never written over: the first one holds the user's own file.
        if (!platform::writeFileAtomically(backup, bytes_, {mode_, true})) {
            return failWith(RosterError::BackupWrite,
                            "バックアップ " + backup + " を書けませんでした。" + path_ +
                                " は元のままです。",
                            errorText);
        }
        backupPath = backup;
        backups.prune();
    }
    if (!platform::writeFileAtomically(path_, bytes, sameMode)) {
        return failWith(
            RosterError::TargetWrite,
            path_ + " を書けませんでした。" +
                (exists() ? "元のファイルはそのまま残り、" + backupPath + " にも写してあります。"
                          : std::string("何も書いていません。")),
            errorText);
    }
    return RosterError::None;
}

} // namespace zorvik
