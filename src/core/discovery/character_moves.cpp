#include "core/discovery/character_moves.h"

#include <algorithm>
#include <unordered_set>

#include "core/discovery/collection_scan.h"
#include "core/discovery/missing_characters.h"
#include "core/text/ascii_text.h"

namespace zorvik {

namespace {

using Choices = std::vector<std::vector<std::size_t>>; // per held entry: rows it may be
using Pairing = std::vector<std::optional<std::size_t>>; // per held entry: its row

// Name, displayname and author as one key; each part's length first, so
// that no two different triples make the same key.
std::string identityKey(const CharacterSource& source) {
    std::string key;
    for (const std::string* part : {&source.name, &source.displayName, &source.author}) {
        key += std::to_string(part->size()) + ':' + *part;
    }
    return key;
}

// A row kept before sources were, has no .def name: its [Info] key decides alone.
bool sameDefFile(const CharacterSource& row, const CharacterSource& entry) {
    return row.defFile.empty() || text::equalsIgnoringAsciiCase(row.defFile, entry.defFile);
}

// Pairs each unpaired entry that has exactly one row to choose with that
// row, when no other unpaired entry may have it.
void pairUnique(const Choices& choices, std::size_t rowCount, Pairing& paired) {
    std::vector<int> takers(rowCount, 0);
    for (std::size_t i = 0; i < choices.size(); ++i) {
        if (paired[i]) {
            continue;
        }
        for (const std::size_t row : choices[i]) {
            ++takers[row];
        }
    }
    for (std::size_t i = 0; i < choices.size(); ++i) {
        if (!paired[i] && choices[i].size() == 1 && takers[choices[i].front()] == 1) {
            paired[i] = choices[i].front();
        }
    }
}

// The stored portraits of rows, each read once.
class RowPortraits {
public:
    RowPortraits(const std::vector<SourcedRow>& rows, const StoredPortraitReader& reader)
        : rows_(rows), reader_(reader) {}

    bool equals(std::size_t row, std::uint64_t digest) {
        if (!rows_[row].hasPortrait) {
            return false;
        }
        auto found = cache_.find(row);
        if (found == cache_.end()) {
            const auto stored = reader_(rows_[row].id);
            found = cache_.emplace(row, stored ? std::optional(portraitDigest(*stored))
                                               : std::nullopt)
                        .first;
        }
        return found->second == digest;
    }

private:
    const std::vector<SourcedRow>& rows_;
    const StoredPortraitReader& reader_;
    std::map<std::size_t, std::optional<std::uint64_t>> cache_;
};

} // namespace

std::uint64_t portraitDigest(const std::vector<std::uint8_t>& png) {
    // FNV-1a: two different portraits of one .def are told apart, not attacked.
    std::uint64_t digest = 14695981039346656037ull;
    for (const std::uint8_t byte : png) {
        digest = (digest ^ byte) * 1099511628211ull;
    }
    return digest;
}

void CharacterMoves::holdBack(std::size_t index, const Candidate& candidate,
                              PreparedCharacter prepared) {
    std::optional<std::uint64_t> digest;
    if (prepared.portrait && prepared.portrait->png) {
        digest = portraitDigest(*prepared.portrait->png);
    }
    prepared.portrait.reset();
    held_.push_back({index, candidate, std::move(prepared), digest});
}

void CharacterMoves::readRowsGone() {
    if (!reader_) {
        return;
    }
    rows_ = reader_();
    reader_ = nullptr;
    for (std::size_t row = 0; row < rows_.size(); ++row) {
        byIdentity_.emplace(identityKey(rows_[row].source), row);
    }
}

bool CharacterMoves::mayBeMoved(const DefIdentity& identity) {
    readRowsGone();
    const CharacterSource source = characterSource(identity);
    const auto [first, last] = byIdentity_.equal_range(identityKey(source));
    for (auto at = first; at != last; ++at) {
        if (sameDefFile(rows_[at->second].source, source)) {
            return true;
        }
    }
    return false;
}

std::vector<std::size_t> CharacterMoves::rowsFor(const HeldEntry& entry) const {
    const CharacterSource source = characterSource(*entry.prepared.identity);
    std::vector<std::size_t> rows;
    const auto [first, last] = byIdentity_.equal_range(identityKey(source));
    for (auto at = first; at != last; ++at) {
        if (sameDefFile(rows_[at->second].source, source)) {
            rows.push_back(at->second);
        }
    }
    return rows;
}

MoveResolution CharacterMoves::resolve(const StoredPortraitReader& readPortrait) {
    Choices choices(held_.size());
    std::vector<bool> matched(rows_.size(), false);
    for (std::size_t i = 0; i < held_.size(); ++i) {
        choices[i] = rowsFor(held_[i]);
        for (const std::size_t row : choices[i]) {
            matched[row] = true;
        }
    }
    Pairing paired(held_.size());
    pairUnique(choices, rows_.size(), paired);
    // Where that left a choice, only the rows with the entry's very portrait stay.
    RowPortraits portraits(rows_, readPortrait);
    for (std::size_t i = 0; i < held_.size(); ++i) {
        const std::optional<std::uint64_t>& digest = held_[i].portraitDigest;
        if (paired[i] || choices[i].empty()) {
            continue;
        }
        std::erase_if(choices[i],
                      [&](std::size_t row) { return !digest || !portraits.equals(row, *digest); });
    }
    pairUnique(choices, rows_.size(), paired);
    MoveResolution resolution;
    for (std::size_t i = 0; i < held_.size(); ++i) {
        if (paired[i]) {
            const SourcedRow& row = rows_[*paired[i]];
            matched[*paired[i]] = false;
            resolution.moves.push_back({std::move(held_[i]), {row.id, row.hasPortrait}});
        } else {
            resolution.newEntries.push_back(std::move(held_[i]));
        }
    }
    resolution.rowsLeft = static_cast<int>(std::count(matched.begin(), matched.end(), true));
    held_.clear();
    return resolution;
}

std::vector<SourcedRow> rowsGoneFrom(std::vector<SourcedRow> rows,
                                     const std::vector<Candidate>& listed, int recognizeFileType,
                                     const std::vector<std::string>& unreadableFolders) {
    std::unordered_set<std::string> names;
    for (const Candidate& candidate : listed) {
        names.insert(candidate.name);
    }
    std::erase_if(rows, [&](const SourcedRow& row) {
        return names.contains(row.fileName) ||
               !isRecognizedFileType(row.fileType, recognizeFileType) ||
               liesInFolders(row.fileName, unreadableFolders);
    });
    return rows;
}

} // namespace zorvik
