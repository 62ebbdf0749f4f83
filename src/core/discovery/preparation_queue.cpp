#include "core/discovery/preparation_queue.h"

#include "core/archive/archiver_handler.h"
#include "core/discovery/candidate.h"

namespace zorvik {

PreparationQueue::PreparationQueue(const AppSettings& settings, Plugins plugins,
                                   UserMessages& questions, std::size_t threads)
    : settings_(settings), plugins_(std::move(plugins)), questions_(questions),
      archivers_(threads + 1), pool_(threads) {}

PreparationQueue::~PreparationQueue() {
    // Work under way ends (removing its extraction folders) before the
    // pool's threads are joined; work not yet started is dropped.
    pool_.dropQueued();
    for (auto& [index, prepared] : pending_) {
        if (prepared.valid()) {
            prepared.wait();
        }
    }
}

KelArchiverHandler& PreparationQueue::archiverOf(std::size_t slot) {
    std::unique_ptr<KelArchiverHandler>& archiver = archivers_[slot];
    if (!archiver) {
        archiver = plugins_.folder.empty() ? std::make_unique<KelArchiverHandler>()
                                           : std::make_unique<KelArchiverHandler>(plugins_.folder);
        archiver->SetOwnerWindow(plugins_.ownerWindow);
    }
    return *archiver;
}

void PreparationQueue::request(std::size_t index, const Candidate& candidate) {
    auto task = std::make_shared<std::packaged_task<PreparedCharacter(std::size_t)>>(
        [this, candidate](std::size_t worker) {
            return PrepareCharacter(settings_, archiverOf(worker), questions_, candidate);
        });
    pending_[index] = task->get_future();
    pool_.submit([task](std::size_t worker) { (*task)(worker); });
}

std::optional<PreparedCharacter> PreparationQueue::take(std::size_t index) {
    const auto found = pending_.find(index);
    if (found == pending_.end()) {
        return std::nullopt;
    }
    PreparedCharacter prepared = found->second.get();
    pending_.erase(found);
    return prepared;
}

PreparedCharacter PreparationQueue::prepareHere(const Candidate& candidate) {
    return PrepareCharacter(settings_, archiverOf(archivers_.size() - 1), questions_, candidate);
}

} // namespace zorvik
