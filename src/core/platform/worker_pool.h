#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace zorvik::platform {

// A fixed set of threads that run queued tasks in the order queued. Each
// task learns the index of the thread that runs it, so that it can use
// state kept per thread. The destructor runs what is still queued, then
// joins the threads.
class WorkerPool {
public:
    using Task = std::function<void(std::size_t worker)>;

    explicit WorkerPool(std::size_t threads);
    ~WorkerPool();
    WorkerPool(const WorkerPool&) = delete;
    WorkerPool& operator=(const WorkerPool&) = delete;

    std::size_t size() const { return threads_.size(); }
    void submit(Task task);
    // Forgets the tasks that no thread has started.
    void dropQueued();

    // One thread per core (at least one).
    static std::size_t coreCount();

private:
    void work(std::size_t worker);

    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<Task> queue_;
    bool stopping_ = false;
    std::vector<std::thread> threads_;
};

} // namespace zorvik::platform
