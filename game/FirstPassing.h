#pragma once

#include <algorithm>
#include <atomic>
#include <mutex>
#include <stop_token>
#include <vector>

#include "HelperThreads.h"

namespace wuziqi {

// Tests 0..n-1 belong to groups, groupOf(i), in non-decreasing order below `groups`; a group
// passes when any of its tests passes. Gives the lowest passing group, or `groups` when none
// passes: the same answer as running the tests in order and stopping at the first that
// passes. The tests are shared out in order between up to `workers` threads, the calling
// thread being one of them and the others lent by HelperThreads; test(worker, i, stop) must
// use only worker's own resources. Its stop token is set once a test of its own group or a
// lower one has passed: the test may then give up, and what it answers is thrown away.
template <typename GroupOf, typename Test>
int FirstPassingGroup(int n, int groups, int workers, GroupOf&& groupOf, Test&& test) {
    if (workers <= 1 || n <= 1) {
        for (int i = 0; i < n; ++i)
            if (test(0, i, std::stop_token())) return groupOf(i);
        return groups;
    }
    std::atomic<int> next{0};
    std::atomic<int> best{groups};
    // The tests under way, with their groups, so that a pass can stop the ones it makes
    // unnecessary; a test starts only while its group can still lower the answer.
    struct Running {
        int group = 0;
        std::stop_source stop = std::stop_source(std::nostopstate);
    };
    std::vector<Running> running(static_cast<std::size_t>(workers));
    std::mutex runningLock;
    auto work = [&](int worker) {
        for (;;) {
            const int i = next.fetch_add(1);
            if (i >= n) return;
            const int group = groupOf(i);
            std::stop_token stop;
            {
                const std::lock_guard lock(runningLock);
                // Every test still to be handed out belongs to this group or a later one.
                if (group >= best.load()) return;
                running[worker] = {group, std::stop_source()};
                stop = running[worker].stop.get_token();
            }
            if (test(worker, i, stop)) {
                const std::lock_guard lock(runningLock);
                if (group < best.load()) {
                    best.store(group);
                    for (Running& r : running)
                        if (r.group >= group && r.stop.stop_possible()) r.stop.request_stop();
                }
                return;
            }
        }
    };
    HelperThreads::Shared().Run(std::min(workers, n), work);
    return best.load();
}

// The lowest index in [0, n) whose test passes, or n: every test its own group.
template <typename Test>
int FirstPassing(int n, int workers, Test&& test) {
    return FirstPassingGroup(
        n, n, workers, [](int i) { return i; }, test);
}

}  // namespace wuziqi
