#include "core/check/duplicate_finder.h"

#include <algorithm>
#include <functional>
#include <map>
#include <string_view>
#include <unordered_map>

#include "core/catalogue/status_rows.h"
#include "core/text/ascii_text.h"

namespace zorvik {

namespace {

constexpr std::string_view kIdeographicSpace = "\xE3\x80\x80";

// The bytes of the blank that text starts with (0 when none).
std::size_t leadingBlank(std::string_view text) {
    if (text.substr(0, kIdeographicSpace.size()) == kIdeographicSpace) {
        return kIdeographicSpace.size();
    }
    return !text.empty() && zorvik::text::isAsciiBlank(text.front()) ? 1 : 0;
}

// The bytes of the blank that text ends with (0 when none).
std::size_t trailingBlank(std::string_view text) {
    if (text.size() >= kIdeographicSpace.size() &&
        text.substr(text.size() - kIdeographicSpace.size()) == kIdeographicSpace) {
        return kIdeographicSpace.size();
    }
    return !text.empty() && zorvik::text::isAsciiBlank(text.back()) ? 1 : 0;
}

DuplicateMember memberOf(const StatusRow& row) {
    return {row.id, row.fileName, row.name, row.author};
}

// Groups of two or more, each member's row looked up by ID, in first-ID order.
std::vector<DuplicateGroup> groupsOf(const std::vector<std::vector<std::int64_t>>& idGroups,
                                     const std::unordered_map<std::int64_t, const StatusRow*>& byId) {
    std::vector<DuplicateGroup> groups;
    for (std::vector<std::int64_t> ids : idGroups) {
        if (ids.size() < 2) {
            continue;
        }
        std::sort(ids.begin(), ids.end());
        DuplicateGroup group;
        for (const std::int64_t id : ids) {
            group.members.push_back(memberOf(*byId.at(id)));
        }
        groups.push_back(std::move(group));
    }
    std::sort(groups.begin(), groups.end(), [](const DuplicateGroup& a, const DuplicateGroup& b) {
        return a.members.front().id < b.members.front().id;
    });
    return groups;
}

std::unordered_map<std::int64_t, const StatusRow*> indexById(const std::vector<StatusRow>& rows) {
    std::unordered_map<std::int64_t, const StatusRow*> byId;
    for (const StatusRow& row : rows) {
        byId.emplace(row.id, &row);
    }
    return byId;
}

// Rows whose portraits share a hash, split by their bytes: one
// representative's bytes per class, so memory holds only the portraits
// that have a twin candidate.
class PortraitClasses {
public:
    void add(std::int64_t id, std::string_view bytes) {
        for (auto& [representative, ids] : classes_) {
            if (representative == bytes) {
                ids.push_back(id);
                return;
            }
        }
        classes_.emplace_back(std::string(bytes), std::vector<std::int64_t>{id});
    }

    void moveGroupsTo(std::vector<std::vector<std::int64_t>>& groups) {
        for (auto& entry : classes_) {
            groups.push_back(std::move(entry.second));
        }
    }

private:
    std::vector<std::pair<std::string, std::vector<std::int64_t>>> classes_;
};

std::size_t portraitKey(std::string_view bytes) {
    return std::hash<std::string_view>()(bytes) ^ bytes.size();
}

} // namespace

std::string comparableText(const std::string& text) {
    std::string_view view = text;
    while (const std::size_t blank = leadingBlank(view)) {
        view.remove_prefix(blank);
    }
    while (const std::size_t blank = trailingBlank(view)) {
        view.remove_suffix(blank);
    }
    return zorvik::text::asciiLowered(view);
}

std::vector<DuplicateGroup> groupSameNameAndAuthor(const std::vector<StatusRow>& rows) {
    std::map<std::pair<std::string, std::string>, std::vector<std::int64_t>> byIdentity;
    for (const StatusRow& row : rows) {
        std::string name = comparableText(row.name);
        if (!name.empty()) {
            byIdentity[{std::move(name), comparableText(row.author)}].push_back(row.id);
        }
    }
    std::vector<std::vector<std::int64_t>> idGroups;
    for (auto& entry : byIdentity) {
        idGroups.push_back(std::move(entry.second));
    }
    return groupsOf(idGroups, indexById(rows));
}

std::optional<std::vector<DuplicateGroup>> groupSamePortrait(StatusRows& table,
                                                             const std::vector<StatusRow>& rows) {
    const auto byId = indexById(rows);
    // First pass: hashes only. Second pass: the bytes of the rows whose hash
    // another row shares, compared.
    std::unordered_map<std::size_t, int> hashCounts;
    const bool hashed = table.forEachPortrait([&](std::int64_t id, std::string_view bytes) {
        if (byId.count(id) != 0) {
            ++hashCounts[portraitKey(bytes)];
        }
    });
    std::unordered_map<std::size_t, PortraitClasses> candidates;
    const bool compared = hashed && table.forEachPortrait([&](std::int64_t id,
                                                               std::string_view bytes) {
        const std::size_t key = portraitKey(bytes);
        if (byId.count(id) != 0 && hashCounts[key] > 1) {
            candidates[key].add(id, bytes);
        }
    });
    if (!compared) {
        return std::nullopt;
    }
    std::vector<std::vector<std::int64_t>> idGroups;
    for (auto& entry : candidates) {
        entry.second.moveGroupsTo(idGroups);
    }
    return groupsOf(idGroups, byId);
}

} // namespace zorvik
