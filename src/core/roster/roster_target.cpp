#include "core/roster/roster_target.h"

#include <ctime>
#include <filesystem>

#include "core/platform/file_io.h"
#include "core/roster/roster_backups.h"
#include "core/roster/select_def_format.h"

namespace zorvik {

namespace {

RosterError failWith(RosterError error, Message text, Message& errorText) {
    errorText = std::move(text);
    return error;
}

} // namespace

RosterError RosterTarget::open(const std::string& path, Message& errorText) {
    if (const RosterError error = resolve(path, errorText); error != RosterError::None) {
        return error;
    }
    if (const RosterError error = checkWritable(errorText); error != RosterError::None) {
        return error;
    }
    return lockAndRead(errorText);
}

RosterError RosterTarget::resolve(const std::string& path, Message& errorText) {
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
                     : failWith(RosterError::TargetRead,
                                Message::of(MessageKind::TargetUnreadable, path_), errorText);
    case platform::PathKind::DanglingLink:
        return failWith(RosterError::TargetRead, Message::of(MessageKind::TargetDanglingLink, path),
                        errorText);
    case platform::PathKind::LoopingLink:
        return failWith(RosterError::TargetRead, Message::of(MessageKind::TargetLoopingLink, path),
                        errorText);
    case platform::PathKind::Unreachable:
        return failWith(RosterError::TargetRead,
                        Message::of(MessageKind::TargetUninspectable, path), errorText);
    case platform::PathKind::Folder:
    case platform::PathKind::Other:
        break;
    }
    return failWith(RosterError::TargetRead,
                    found.isLink ? Message::of(MessageKind::TargetLinkNotFile, path, path_)
                                 : Message::of(MessageKind::TargetNotFile, path),
                    errorText);
}

std::string RosterTarget::folder() const {
    const std::filesystem::path parent = std::filesystem::path(path_).parent_path();
    return parent.empty() ? std::string(".") : parent.string();
}

RosterError RosterTarget::checkWritable(Message& errorText) const {
    // The mode bits decide, also for the superuser: a file made read-only stays so.
    if (exists() && !platform::mayReplaceFile(path_)) {
        return failWith(RosterError::TargetReadOnly,
                        Message::of(MessageKind::TargetReadOnly, path_), errorText);
    }
    if (platform::inspectPath(folder()).kind != platform::PathKind::Folder) {
        return failWith(RosterError::TargetWrite,
                        Message::of(MessageKind::TargetFolderMissing, folder()), errorText);
    }
    // The backup and the atomic replacement both create files in the folder.
    if (!platform::mayChangeFolder(folder())) {
        return failWith(RosterError::TargetReadOnly,
                        Message::of(MessageKind::TargetFolderReadOnly, folder()), errorText);
    }
    return RosterError::None;
}

RosterError RosterTarget::lockAndRead(Message& errorText) {
    using Outcome = platform::ReplacementLock::Outcome;
    const Outcome locked = lock_.acquire(path_, kLockPatience);
    if (locked == Outcome::Busy) {
        return failWith(RosterError::TargetBusy,
                        Message::of(MessageKind::TargetBusy, path_, kLockPatience.count()),
                        errorText);
    }
    if (locked == Outcome::Failed) {
        return failWith(RosterError::TargetRead, Message::of(MessageKind::TargetUnopened, path_),
                        errorText);
    }
    // Under the lock no other export writes here: what is left is a killed one's.
    platform::removeStaleTemporaries(folder(), std::filesystem::path(path_).filename().string());
    if (exists() && !platform::readWholeFile(path_, bytes_)) {
        return failWith(RosterError::TargetRead, Message::of(MessageKind::TargetUnreadable, path_),
                        errorText);
    }
    if (looksLikeUtf16(bytes_)) {
        return failWith(RosterError::TargetRead, Message::of(MessageKind::TargetUtf16, path_),
                        errorText);
    }
    // A binary file chosen by mistake (the engine itself) is no select.def to add a section to.
    if (bytes_.find('\0') != std::string::npos) {
        return failWith(RosterError::TargetRead, Message::of(MessageKind::TargetNotText, path_),
                        errorText);
    }
    return RosterError::None;
}

RosterError RosterTarget::replace(std::string_view bytes, std::string& backupPath,
                                  Message& errorText) const {
    backupPath.clear();
    const platform::AtomicWrite sameMode{mode_, false};
    if (exists()) {
        const RosterBackups backups(path_);
        const platform::PathKind first = platform::inspectPath(backups.firstPath()).kind;
        if (first != platform::PathKind::Missing && first != platform::PathKind::File) {
            return failWith(RosterError::BackupWrite,
                            Message::of(MessageKind::BackupBlocked, backups.firstPath(), path_),
                            errorText);
        }
        const std::string backup = backups.nextPath(std::time(nullptr));
        // A backup is never written over: the first one holds the user's own file.
        if (!platform::writeFileAtomically(backup, bytes_, {mode_, true})) {
            return failWith(RosterError::BackupWrite,
                            Message::of(MessageKind::BackupUnwritten, backup, path_), errorText);
        }
        backupPath = backup;
        backups.prune();
    }
    if (!platform::writeFileAtomically(path_, bytes, sameMode)) {
        return failWith(RosterError::TargetWrite,
                        exists() ? Message::of(MessageKind::TargetUnwrittenKept, path_, backupPath)
                                 : Message::of(MessageKind::TargetUnwritten, path_),
                        errorText);
    }
    return RosterError::None;
}

} // namespace zorvik
