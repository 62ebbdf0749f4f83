#include "core/roster/roster_target.h"

#include <filesystem>
#include <unistd.h>

#include "core/platform/file_io.h"

namespace zorvik {

namespace fs = std::filesystem;

RosterError RosterTarget::open(const std::string& path, std::string& errorText) {
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    exists_ = fs::exists(status);
    path_ = path;
    // A link is followed: the renaming replacement would otherwise put a file in its place.
    if (exists_ && fs::is_symlink(fs::symlink_status(path, error))) {
        const fs::path real = fs::canonical(path, error);
        path_ = error ? path : real.string();
    }
    if (exists_ && !fs::is_regular_file(status)) {
        errorText = path_ + " はファイルではありません。";
        return RosterError::TargetRead;
    }
    if (exists_ && !platform::readWholeFile(path_, bytes_)) {
        errorText = path_ + " を読めません。";
        return RosterError::TargetRead;
    }
    // A binary file chosen by mistake (the engine itself) is no select.def to add a section to.
    if (bytes_.find('\0') != std::string::npos) {
        errorText = path_ + " はテキストファイルではありません。何も書き換えていません。";
        return RosterError::TargetRead;
    }
    // The engine's Windows would refuse to replace a read-only file; so do we.
    if (exists_ && access(path_.c_str(), W_OK) != 0) {
        errorText = path_ + " は読み取り専用です。何も書き換えていません。";
        return RosterError::TargetReadOnly;
    }
    return checkFolder(errorText);
}

RosterError RosterTarget::checkFolder(std::string& errorText) const {
    const fs::path parent = fs::path(path_).parent_path();
    const std::string folder = parent.empty() ? std::string(".") : parent.string();
    std::error_code error;
    if (!fs::is_directory(folder, error)) {
        errorText = "フォルダ " + folder + " がありません。何も書いていません。";
        return RosterError::TargetWrite;
    }
    // The backup and the atomic replacement both create files in the folder.
    if (access(folder.c_str(), W_OK) != 0) {
        errorText = "フォルダ " + folder + " は読み取り専用です。何も書き換えていません。";
        return RosterError::TargetReadOnly;
    }
    return RosterError::None;
}

RosterError RosterTarget::replace(std::string_view bytes, std::string& errorText) const {
    if (exists_ && !platform::writeFileAtomically(backupPath(), bytes_)) {
        errorText =
            "バックアップ " + backupPath() + " を書けませんでした。" + path_ + " は元のままです。";
        return RosterError::BackupWrite;
    }
    if (!platform::writeFileAtomically(path_, bytes)) {
        errorText =
            path_ + " を書けませんでした。" +
            (exists_ ? "元のファイルはそのまま残り、" + backupPath() + " にも写してあります。"
                     : std::string("何も書いていません。"));
        return RosterError::TargetWrite;
    }
    return RosterError::None;
}

} // namespace zorvik
