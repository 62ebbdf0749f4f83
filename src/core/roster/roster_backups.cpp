#include "core/roster/roster_backups.h"

#include <algorithm>
#include <filesystem>
#include <utility>

#include "core/platform/local_time.h"

namespace zorvik {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kSuffix = ".bak";

bool allDigits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// "YYYYMMDD-HHMMSS", as platform::localTimestamp writes it.
bool isStamp(std::string_view text) {
    return text.size() == 15 && text[8] == '-' && allDigits(text.substr(0, 8)) &&
           allDigits(text.substr(9));
}

bool exists(const std::string& path) {
    std::error_code error;
    return fs::exists(fs::symlink_status(path, error));
}

} // namespace

std::optional<DatedBackupName> parseDatedBackupName(const std::string& name,
                                                    const std::string& targetName) {
    const std::string head = targetName + ".";
    if (name.size() <= head.size() + kSuffix.size() || name.compare(0, head.size(), head) != 0 ||
        name.compare(name.size() - kSuffix.size(), kSuffix.size(), kSuffix) != 0) {
        return std::nullopt;
    }
    const std::string_view middle =
        std::string_view(name).substr(head.size(), name.size() - head.size() - kSuffix.size());
    DatedBackupName parsed;
    parsed.stamp = std::string(middle.substr(0, 15));
    if (!isStamp(parsed.stamp)) {
        return std::nullopt;
    }
    const std::string_view rest = middle.substr(15);
    if (rest.empty()) {
        return parsed;
    }
    if (rest.front() != '-' || !allDigits(rest.substr(1)) || rest.size() > 6) {
        return std::nullopt;
    }
    parsed.counter = static_cast<unsigned>(std::stoul(std::string(rest.substr(1))));
    return parsed.counter >= 2 ? std::optional(parsed) : std::nullopt;
}

std::string RosterBackups::nextPath(std::time_t now) const {
    if (!exists(firstPath())) {
        return firstPath();
    }
    const std::string stamped = target_ + "." + platform::localTimestamp(now);
    std::string path = stamped + std::string(kSuffix);
    for (unsigned counter = 2; exists(path); ++counter) {
        path = stamped + "-" + std::to_string(counter) + std::string(kSuffix);
    }
    return path;
}

std::vector<std::string> RosterBackups::dated() const {
    const fs::path target(target_);
    const std::string targetName = target.filename().string();
    std::vector<std::pair<DatedBackupName, std::string>> found;
    std::error_code error;
    const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (const auto parsed = parseDatedBackupName(name, targetName);
            parsed && it->is_regular_file(error)) {
            found.emplace_back(*parsed, it->path().string());
        }
    }
    std::sort(found.begin(), found.end());
    std::vector<std::string> paths;
    for (auto& entry : found) {
        paths.push_back(std::move(entry.second));
    }
    return paths;
}

void RosterBackups::prune() const {
    const std::vector<std::string> paths = dated();
    for (std::size_t i = 0; i + kKept < paths.size(); ++i) {
        std::error_code error;
        fs::remove(paths[i], error);
    }
}

} // namespace zorvik
