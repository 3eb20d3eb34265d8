#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <stop_token>
#include <thread>
#include <vector>

namespace wuziqi {

// How many threads a shared-out step of the search uses here: one per core, at most four,
// which is as many as HelperThreads can lend (with the calling thread).
int SearchWorkers();

// The threads that help the calling thread with a shared-out step: started once, when first
// needed, and lent to one step at a time, so that a step does not pay for starting and joining
// threads. They are stopped and joined when the program ends.
class HelperThreads {
  public:
    static HelperThreads& Shared();

    HelperThreads(const HelperThreads&) = delete;
    HelperThreads& operator=(const HelperThreads&) = delete;

    // Runs job(0) on the calling thread and job(1) .. job(workers - 1) on helpers, and returns
    // once every one of them has returned. When fewer helpers could be started, or another
    // thread's step holds them, the job runs on fewer workers: only worker 0 if need be.
    template <typename Job>
    void Run(int workers, Job& job) {
        const std::function<void(int)> erased = [&job](int worker) { job(worker); };
        RunErased(workers, erased);
    }

  private:
    explicit HelperThreads(int count);
    void RunErased(int workers, const std::function<void(int)>& job);
    void Serve(const std::stop_token& stop, int worker);

    std::mutex stepLock_;  // held by the step that has the helpers
    std::mutex lock_;      // guards job_, workers_ and the raising of step_
    std::condition_variable done_;
    const std::function<void(int)>* job_ = nullptr;
    int workers_ = 0;  // workers of the current step, the calling thread included
    std::atomic<std::uint64_t> step_{0};
    std::atomic<int> busy_{0};  // helpers still running the current step
    std::vector<std::unique_ptr<std::condition_variable_any>> wake_;  // one per helper
    std::vector<std::jthread> threads_;  // last, so that they end before the rest goes
};

}  // namespace wuziqi
