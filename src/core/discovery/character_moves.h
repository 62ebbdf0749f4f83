#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/catalogue/character_sources.h"
#include "core/discovery/candidate.h"
#include "core/discovery/registration.h"

namespace zorvik {

// A new entry held back until every entry of the update was read. Its
// portrait is let go while it waits (a whole collection moved into a group
// folder would hold every portrait at once): a digest tells copies apart,
// and an entry that needs its portrait again reads its files again.
struct HeldEntry {
    std::size_t index = 0; // its place in the listing
    Candidate candidate;
    PreparedCharacter prepared; // holds an identity; no portrait
    std::optional<std::uint64_t> portraitDigest;
};

// The digest of a portrait's bytes that held entries keep.
std::uint64_t portraitDigest(const std::vector<std::uint8_t>& png);

// A held entry and the row it moved out of.
struct CharacterMove {
    HeldEntry entry;
    MoveTarget target;
};

// Which held entries are moves, and which are new characters.
struct MoveResolution {
    std::vector<CharacterMove> moves;  // in listing order
    std::vector<HeldEntry> newEntries; // in listing order
    // Rows gone from the listing that new entries matched but that could not
    // be told apart (two copies of one character): not moved.
    int rowsLeft = 0;
};

// Reads a row's stored portrait; none when it has none or it cannot be read.
using StoredPortraitReader =
    std::function<std::optional<std::vector<std::uint8_t>>(std::int64_t id)>;

// Reads the rows whose entries the listing no longer holds.
using GoneRowsReader = std::function<std::vector<SourcedRow>()>;

// Recognises characters that moved within the character folder during one
// update: a row whose entry is gone and a new entry whose .def has the same
// file name and [Info] Name, displayname and author are one character;
// where that is shared, the portrait's bytes decide. Only a pair that no
// other row or entry could form is a move.
class CharacterMoves {
public:
    // No row is gone: nothing moves.
    CharacterMoves() = default;
    // The rows gone are read at the first new entry, so that an update that
    // finds none does not read the catalogue for them.
    explicit CharacterMoves(GoneRowsReader readRowsGone) : reader_(std::move(readRowsGone)) {}

    // True when a new entry of this identity may be one of the rows gone.
    bool mayBeMoved(const DefIdentity& identity);

    // Holds an entry back, letting its portrait go.
    void holdBack(std::size_t index, const Candidate& candidate, PreparedCharacter prepared);

    // Pairs the held entries with the rows gone; hands every held entry back.
    MoveResolution resolve(const StoredPortraitReader& readPortrait);

private:
    void readRowsGone();
    // The rows gone whose source could be that of a held entry.
    std::vector<std::size_t> rowsFor(const HeldEntry& entry) const;

    GoneRowsReader reader_;
    std::vector<SourcedRow> rows_;
    std::multimap<std::string, std::size_t> byIdentity_; // [Info] key -> rows_
    std::vector<HeldEntry> held_;
};

// The rows of a catalogue whose entries a complete listing no longer
// holds: of a kind the listing looks for, not listed, and not at or below a
// folder that could not be read.
std::vector<SourcedRow> rowsGoneFrom(std::vector<SourcedRow> rows,
                                     const std::vector<Candidate>& listed, int recognizeFileType,
                                     const std::vector<std::string>& unreadableFolders);

} // namespace zorvik
