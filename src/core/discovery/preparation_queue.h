#pragma once

#include <cstddef>
#include <future>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/discovery/registration.h"
#include "core/platform/worker_pool.h"

namespace zorvik {

class KelArchiverHandler;

// Prepares characters (extraction, .def reading, portraits) on a pool of
// worker threads, one per core, ahead of the one thread that writes the
// catalogue, and hands each back to that thread when it asks for it. Each
// worker has its own archiver plug-ins. Work that nobody takes is finished
// or dropped, and waited for, when the queue goes.
class PreparationQueue {
public:
    struct Plugins {
        std::string folder;          // empty: ArchiverDLLs beside the executable
        void* ownerWindow = nullptr; // handed to the plug-ins
    };

    PreparationQueue(const AppSettings& settings, Plugins plugins, UserMessages& questions,
                     std::size_t threads);
    ~PreparationQueue();
    PreparationQueue(const PreparationQueue&) = delete;
    PreparationQueue& operator=(const PreparationQueue&) = delete;

    // Starts preparing candidate number index.
    void request(std::size_t index, const Candidate& candidate);
    // The prepared candidate number index, waiting for it; none when it was
    // not requested.
    std::optional<PreparedCharacter> take(std::size_t index);
    // Prepares a candidate on the calling thread.
    PreparedCharacter prepareHere(const Candidate& candidate);

private:
    KelArchiverHandler& archiverOf(std::size_t slot);

    const AppSettings& settings_;
    Plugins plugins_;
    UserMessages& questions_;
    // One per worker, and the last for the calling thread; loaded at first use.
    std::vector<std::unique_ptr<KelArchiverHandler>> archivers_;
    std::map<std::size_t, std::future<PreparedCharacter>> pending_;
    // Last: the threads stop before anything they use goes.
    platform::WorkerPool pool_;
};

} // namespace zorvik
