#pragma once

#include <chrono>
#include <cstdint>
#include <limits>
#include <stop_token>

namespace wuziqi::search {

// The node count and the reasons to stop shared by every search of one reply: a node limit,
// a deadline and the caller's stop request. The clock and the token are read every 256
// nodes, so that counting stays cheap and stopping stays prompt.
class SearchControl {
  public:
    using Clock = std::chrono::steady_clock;

    SearchControl() = default;
    SearchControl(Clock::time_point deadline, std::stop_token stop)
        : deadline_(deadline), hasDeadline_(true), stop_(std::move(stop)) {}

    void SetNodeLimit(std::uint64_t limit) { nodeLimit_ = limit; }
    void SetStopToken(std::stop_token stop) { stop_ = std::move(stop); }
    void SetDeadline(Clock::time_point deadline) {
        deadline_ = deadline;
        hasDeadline_ = true;
    }

    // Counts a node; true once the search must stop.
    bool Tick() {
        if ((++nodes_ & 255) == 0) Check();
        return stopped_;
    }
    bool Stopped() const { return stopped_; }
    std::uint64_t Nodes() const { return nodes_; }
    Clock::time_point Deadline() const { return deadline_; }
    bool HasDeadline() const { return hasDeadline_; }

    // Reads the clock, the token and the node limit now.
    void Check() {
        if (nodes_ >= nodeLimit_ || stop_.stop_requested() ||
            (hasDeadline_ && Clock::now() >= deadline_))
            stopped_ = true;
    }

  private:
    std::uint64_t nodes_ = 0;
    std::uint64_t nodeLimit_ = std::numeric_limits<std::uint64_t>::max();
    Clock::time_point deadline_{};
    bool hasDeadline_ = false;
    bool stopped_ = false;
    std::stop_token stop_;
};

}  // namespace wuziqi::search
