#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/text/message.h"

namespace zorvik {

class Kel_CharacterDb;
struct Candidate;
struct ListUpdateJob;
struct ListUpdateOutcome;

// True when RecognizeFileType lets the update list characters of this
// FILETYPE (a set bit excludes a kind: 1 folders, 2 zip, 4 7z, 8 rar).
bool isRecognizedFileType(int fileType, int recognizeFileType);

// How many rows a marking changed.
struct MissingMarks {
    int newlyMissing = 0; // marked missing now
    int returned = 0;     // marked missing before, listed again
    // The listing found no character while rows of a listed kind are
    // shown: the folder is empty or its drive is not mounted, so nothing
    // was marked.
    bool nothingListed = false;
};

// Brings the rows' missing marks in line with a listing of the character
// folder: a row marked missing whose entry is listed again is shown again;
// when the listing is complete (not cut short, not cancelled), every row
// of a recognised kind whose FILENAME was not listed is marked missing,
// unless the listing holds no character at all while such rows are shown.
// Rows hidden by hand, and rows at or below a folder that could not be
// read, are never touched. None on a catalogue error.
std::optional<MissingMarks> MarkMissingCharacters(Kel_CharacterDb& catalogue,
                                                  const std::vector<Candidate>& listed,
                                                  int recognizeFileType, bool listingComplete,
                                                  const std::vector<std::string>& unreadable = {});

// The list update's step before its COMMIT: marks as above, sets the
// outcome's counts and tells the user of a catalogue error (false then).
bool MarkMissingAfterUpdate(const ListUpdateJob& job, const std::vector<Candidate>& listed,
                            bool listingComplete, const std::vector<std::string>& unreadable,
                            ListUpdateOutcome& outcome);

// "見つからなくなったデータ : 2件", the line beside the update's counts.
Message missingCountText(int newlyMissing);

// What the user is told when a listing found no character and nothing was marked.
Message nothingListedText();

} // namespace zorvik
