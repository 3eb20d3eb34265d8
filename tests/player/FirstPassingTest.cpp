// Sharing the quiet-move and blocking steps out between threads must give the answer of
// trying the candidates one after another.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

#include "FirstPassing.h"

namespace wuziqi {
namespace {

// Which of eight candidates pass, as a bit set, and the lowest that does (8 for none).
struct PassCase {
    unsigned passing;
    int expected;
};

TEST(FirstPassing, GivesTheLowestPassingIndexAndTestsEveryLowerOneToTheEnd) {
    constexpr int N = 8;
    const PassCase cases[] = {{0u, N}, {1u, 0}, {0x80u, 7}, {0x24u, 2}, {0xF0u, 4}, {0xFFu, 0}};
    for (int workers = 1; workers <= 4; ++workers) {
        for (const PassCase& c : cases) {
            std::array<std::atomic<int>, N> finished{};
            const int answer = FirstPassing(N, workers, [&](int worker, int i, std::stop_token) {
                EXPECT_LT(worker, workers);
                // Uneven amounts of work, so that the threads get out of step.
                volatile unsigned spin = 0;
                for (int k = 0; k < (N - i) * 2000; ++k)
                    spin = spin + 1;
                finished[i].fetch_add(1);
                return ((c.passing >> i) & 1u) != 0;
            });
            SCOPED_TRACE(testing::Message()
                         << "workers " << workers << ", passing 0x" << std::hex << c.passing);
            EXPECT_EQ(answer, c.expected);
            for (int i = 0; i < std::min(answer + 1, N); ++i)
                EXPECT_EQ(finished[i].load(), 1) << "index " << i;
            for (int i = 0; i < N; ++i)
                EXPECT_LE(finished[i].load(), 1) << "index " << i << " tested twice";
        }
    }
}

TEST(FirstPassing, NothingToTestGivesZeroWithoutCallingTheTest) {
    int calls = 0;
    EXPECT_EQ(FirstPassing(0, 4, [&](int, int, std::stop_token) { return ++calls, true; }), 0);
    EXPECT_EQ(calls, 0);
}

TEST(FirstPassing, AHigherTestStillRunningIsToldToStopOnceALowerOnePasses) {
    // Three workers take one index each; index 0 passes only once index 2 is under way, and
    // index 2 then waits for the stop signal.
    std::atomic<bool> twoStarted{false};
    std::atomic<bool> twoSawStop{false};
    const int answer = FirstPassing(3, 3, [&](int, int i, std::stop_token stop) {
        if (i == 0) {
            while (!twoStarted.load())
                std::this_thread::yield();
            return true;
        }
        if (i == 2) {
            EXPECT_FALSE(stop.stop_requested());
            twoStarted.store(true);
            while (!stop.stop_requested())
                std::this_thread::yield();
            twoSawStop.store(true);
            return true;  // thrown away: index 0 has passed
        }
        return false;
    });
    EXPECT_EQ(answer, 0);
    EXPECT_TRUE(twoSawStop.load());
}

TEST(FirstPassing, AnUnsharedRunNeverSignalsStop) {
    std::vector<bool> stopSeen;
    FirstPassing(5, 1, [&](int, int i, std::stop_token stop) {
        stopSeen.push_back(stop.stop_requested());
        return i == 3;
    });
    EXPECT_EQ(stopSeen, std::vector<bool>(4, false));
}

TEST(FirstPassingGroup, GivesTheLowestGroupWithAPassingTest) {
    // Eight tests in groups 0 0 1 1 1 3 3 3: group 2 has no test and so never passes.
    constexpr int N = 8, Groups = 4;
    constexpr int group[N] = {0, 0, 1, 1, 1, 3, 3, 3};
    const PassCase cases[] = {{0u, Groups}, {0x02u, 0}, {0x10u, 1}, {0x18u, 1},
                              {0x80u, 3},   {0x81u, 0}, {0xE0u, 3}};
    for (int workers = 1; workers <= 4; ++workers) {
        for (const PassCase& c : cases) {
            const int answer = FirstPassingGroup(
                N, Groups, workers, [&](int i) { return group[i]; },
                [&](int, int i, std::stop_token) { return ((c.passing >> i) & 1u) != 0; });
            EXPECT_EQ(answer, c.expected)
                << "workers " << workers << ", passing 0x" << std::hex << c.passing;
        }
    }
}

TEST(FirstPassingGroup, TheOtherTestsOfThePassingGroupAreToldToStop) {
    // Two workers, one group: the first test passes once the second is under way, and the
    // second, whose answer no longer matters, waits for the stop signal.
    std::atomic<int> started{0};
    std::atomic<bool> stopSeen{false};
    const int answer = FirstPassingGroup(
        2, 1, 2, [](int) { return 0; },
        [&](int, int, std::stop_token stop) {
            if (started.fetch_add(1) == 0) {
                while (started.load() < 2)
                    std::this_thread::yield();
                return true;
            }
            // Bounded only so that a broken stop signal fails the test instead of hanging it.
            const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(20);
            while (!stop.stop_requested() && std::chrono::steady_clock::now() < giveUp)
                std::this_thread::yield();
            stopSeen.store(stop.stop_requested());
            return false;
        });
    EXPECT_EQ(answer, 0);
    EXPECT_TRUE(stopSeen.load());
}

}  // namespace
}  // namespace wuziqi
