// The search's spending against the caller's budget: probes, guesses and SAT calls.
#pragma once

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <optional>

class SearchNodes {
public:
    SearchNodes(std::optional<std::uint64_t> limit, const std::atomic<bool>* cancel)
        : Limit(limit), Cancel(cancel) {}

    // Counts one node; false, counting nothing, once the limit is reached, the time is up or the
    // solve cancelled.
    bool Spend() {
        // The clock is read once in a while: a node takes microseconds.
        if (Deadline && Spent_ % NodesPerClockRead == 0 && Clock::now() >= *Deadline)
            Limit = Spent_;
        if ((Limit && Spent_ >= *Limit) || Cancelled())
            return false;
        ++Spent_;
        return true;
    }
    bool Cancelled() const {
        return (Cancel != nullptr && Cancel->load(std::memory_order_relaxed)) ||
               (Stop != nullptr && Stop->load(std::memory_order_relaxed));
    }
    // What is left of the limit; nothing when the caller set none.
    std::optional<std::uint64_t> Left() const {
        return Limit ? std::optional(*Limit - Spent_) : std::nullopt;
    }
    std::uint64_t Spent() const { return Spent_; }
    // At most `limit` of what is left, to be spent apart and then counted here with Absorb.
    SearchNodes Slice(std::uint64_t limit) const {
        SearchNodes slice(std::min(limit, Left().value_or(limit)), Cancel);
        slice.Stop = Stop;
        return slice;
    }
    // What is left, to be spent apart within `time` from now.
    SearchNodes TimedSlice(std::chrono::microseconds time) const {
        SearchNodes slice(Left(), Cancel);
        slice.Deadline = Clock::now() + time;
        slice.Stop = Stop;
        return slice;
    }
    // Half of what is left, for one of two searches racing each other, which is also stopped
    // once `stop` is set.
    SearchNodes RacingSlice(const std::atomic<bool>* stop) const {
        SearchNodes slice(Left() ? std::optional(*Left() / 2) : std::nullopt, Cancel);
        slice.Stop = stop;
        return slice;
    }
    void Absorb(const SearchNodes& slice) { Spent_ += slice.Spent_; }

private:
    using Clock = std::chrono::steady_clock;
    static constexpr std::uint64_t NodesPerClockRead = 16;

    std::optional<Clock::time_point> Deadline;
    const std::atomic<bool>* Stop = nullptr;
    std::optional<std::uint64_t> Limit;
    const std::atomic<bool>* Cancel;
    std::uint64_t Spent_ = 0;
};
