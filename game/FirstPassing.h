#pragma once

#include <algorithm>
#include <atomic>
#include <system_error>
#include <thread>
#include <vector>

namespace wuziqi {

// Tells a test run by FirstPassing that its answer is no longer wanted, because a test of
// its own group or a lower one has already passed. A test may give up once it is set; what
// it then answers is thrown away.
class StopSignal {
  public:
    StopSignal() = default;
    StopSignal(const std::atomic<int>* best, int group) : best_(best), group_(group) {}

    bool IsSet() const { return best_ && best_->load(std::memory_order_relaxed) <= group_; }

  private:
    const std::atomic<int>* best_ = nullptr;
    int group_ = 0;
};

// How many threads FirstPassing may use here: one per core, at most four.
inline int SearchWorkers() {
    const unsigned cores = std::thread::hardware_concurrency();
    return static_cast<int>(std::clamp(cores, 1u, 4u));
}

// Tests 0..n-1 belong to groups, groupOf(i), in non-decreasing order below `groups`; a group
// passes when any of its tests passes. Gives the lowest passing group, or `groups` when none
// passes: the same answer as running the tests in order and stopping at the first that
// passes. The tests are shared out in order between `workers` threads, the calling thread
// being one of them; test(worker, i, stop) must use only worker's own resources.
template <typename GroupOf, typename Test>
int FirstPassingGroup(int n, int groups, int workers, GroupOf&& groupOf, Test&& test) {
    if (workers <= 1 || n <= 1) {
        for (int i = 0; i < n; ++i)
            if (test(0, i, StopSignal())) return groupOf(i);
        return groups;
    }
    std::atomic<int> next{0};
    std::atomic<int> best{groups};
    auto work = [&](int worker) {
        for (;;) {
            const int i = next.fetch_add(1);
            if (i >= n) return;
            const int group = groupOf(i);
            // Every test still to be handed out belongs to this group or a later one.
            if (group >= best.load()) return;
            if (test(worker, i, StopSignal(&best, group))) {
                int lowest = best.load();
                while (group < lowest && !best.compare_exchange_weak(lowest, group)) {
                }
                return;
            }
        }
    };
    std::vector<std::thread> helpers;
    for (int w = 1; w < std::min(workers, n); ++w) {
        // Without another thread the tests are simply shared between fewer workers.
        try {
            helpers.emplace_back(work, w);
        } catch (const std::system_error&) {
            break;
        }
    }
    work(0);
    for (std::thread& t : helpers)
        t.join();
    return best.load();
}

// The lowest index in [0, n) whose test passes, or n: every test its own group.
template <typename Test>
int FirstPassing(int n, int workers, Test&& test) {
    return FirstPassingGroup(
        n, n, workers, [](int i) { return i; }, test);
}

}  // namespace wuziqi
