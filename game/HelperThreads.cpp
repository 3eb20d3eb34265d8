#include "HelperThreads.h"

#include <algorithm>
#include <chrono>
#include <system_error>

namespace wuziqi {

namespace {

constexpr unsigned MostWorkers = 4;

// Shared-out steps of one reply follow each other within microseconds: a helper that has just
// finished one, and a caller waiting for its helpers, look again for a while before sleeping.
constexpr auto SpinTime = std::chrono::microseconds(200);

template <typename Done>
bool SpinUntil(Done&& done) {
    const auto until = std::chrono::steady_clock::now() + SpinTime;
    while (!done()) {
        if (std::chrono::steady_clock::now() > until) return false;
        std::this_thread::yield();
    }
    return true;
}

}  // namespace

int SearchWorkers() {
    const unsigned cores = std::thread::hardware_concurrency();
    return static_cast<int>(std::clamp(cores, 1u, MostWorkers));
}

HelperThreads& HelperThreads::Shared() {
    static HelperThreads helpers(MostWorkers - 1);
    return helpers;
}

HelperThreads::HelperThreads(int count) {
    for (int i = 0; i < count; ++i)
        wake_.push_back(std::make_unique<std::condition_variable_any>());
    threads_.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        // Without another thread the steps are simply shared between fewer workers.
        try {
            threads_.emplace_back(
                [this, worker = i + 1](std::stop_token stop) { Serve(stop, worker); });
        } catch (const std::system_error&) {
            break;
        }
    }
}

void HelperThreads::RunErased(int workers, const std::function<void(int)>& job) {
    std::unique_lock step(stepLock_, std::try_to_lock);
    const int helpers = step ? std::min(workers - 1, static_cast<int>(threads_.size())) : 0;
    if (helpers > 0) {
        {
            const std::lock_guard lock(lock_);
            job_ = &job;
            workers_ = helpers + 1;
            busy_.store(helpers);
            step_.fetch_add(1);
        }
        for (int w = 1; w <= helpers; ++w)
            wake_[w - 1]->notify_one();
    }
    // The helpers work on the caller's data: wait for them even if the caller's part throws.
    struct WaitForHelpers {
        HelperThreads& threads;
        ~WaitForHelpers() {
            auto idle = [this] { return threads.busy_.load() == 0; };
            if (SpinUntil(idle)) return;
            std::unique_lock lock(threads.lock_);
            threads.done_.wait(lock, idle);
        }
    } waitForHelpers{*this};
    job(0);
}

void HelperThreads::Serve(const std::stop_token& stop, int worker) {
    std::uint64_t seen = 0;
    for (;;) {
        auto published = [&] { return step_.load() != seen; };
        SpinUntil(published);
        const std::function<void(int)>* job = nullptr;
        {
            // The step, its job and its workers are read together, as the caller set them.
            std::unique_lock lock(lock_);
            if (!wake_[worker - 1]->wait(lock, stop, published)) return;
            seen = step_.load();
            if (worker < workers_) job = job_;
        }
        if (!job) continue;
        (*job)(worker);
        if (busy_.fetch_sub(1) == 1) {
            const std::lock_guard lock(lock_);
            done_.notify_all();
        }
    }
}

}  // namespace wuziqi
