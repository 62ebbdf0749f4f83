#pragma once

#include <string>

namespace zorvik {

// The outcome of a catalogue call. A failure carries the database's
// message, read while the call still held the connection, so that another
// thread's statement cannot replace it, and the statement's text for the
// messages that show it.
struct CatalogueStatus {
    // Where a call failed: compiling its statement, running it, or
    // releasing it (a write may then already have happened).
    enum class Stage { None, Prepare, Run, Finalize };

    Stage failedAt = Stage::None;
    std::string error;
    std::string statement;

    bool ok() const { return failedAt == Stage::None; }
    explicit operator bool() const { return ok(); }

    static CatalogueStatus success() { return {}; }
    static CatalogueStatus failure(Stage stage, std::string error, std::string statement) {
        return {stage, std::move(error), std::move(statement)};
    }
};

} // namespace zorvik
