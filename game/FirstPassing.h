#pragma once

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

namespace wuziqi {

// Tells a test run by FirstPassing that its answer is no longer wanted, because a test of a
// lower index has already passed. A test may give up once it is set; what it then answers is
// thrown away.
class StopSignal {
  public:
    StopSignal() = default;
    StopSignal(const std::atomic<int>* best, int index) : best_(best), index_(index) {}

    bool IsSet() const { return best_ && best_->load(std::memory_order_relaxed) < index_; }

  private:
    const std::atomic<int>* best_ = nullptr;
    int index_ = 0;
};

// How many threads FirstPassing may use here: one per core, at most four.
inline int SearchWorkers() {
    const unsigned cores = std::thread::hardware_concurrency();
    return static_cast<int>(std::clamp(cores, 1u, 4u));
}

// The lowest index in [0, n) whose test passes, or n when none does: the same answer as
// trying the indices in order and stopping at the first that passes. The tests are shared out
// in index order between `workers` threads, the calling thread being one of them;
// test(worker, index, stop) must use only worker's own resources (worker < workers).
template <typename Test>
int FirstPassing(int n, int workers, Test&& test) {
    if (workers <= 1 || n <= 1) {
        for (int i = 0; i < n; ++i)
            if (test(0, i, StopSignal())) return i;
        return n;
    }
    std::atomic<int> next{0};
    std::atomic<int> best{n};
    auto work = [&](int worker) {
        for (;;) {
            const int i = next.fetch_add(1);
            if (i >= n || i > best.load()) return;
            if (test(worker, i, StopSignal(&best, i))) {
                int lowest = best.load();
                while (i < lowest && !best.compare_exchange_weak(lowest, i)) {
                }
                // Every index still to be handed out is higher: none of them is wanted.
                return;
            }
        }
    };
    std::vector<std::thread> helpers;
    for (int w = 1; w < std::min(workers, n); ++w)
        helpers.emplace_back(work, w);
    work(0);
    for (std::thread& t : helpers)
        t.join();
    return best.load();
}

}  // namespace wuziqi
