// The search's spending against the caller's budget: probes, guesses and SAT calls.
#pragma once

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <optional>

class SearchNodes {
public:
    SearchNodes(std::optional<std::uint64_t> limit, const std::atomic<bool>* cancel)
        : Limit(limit), Cancel(cancel) {}

    // Counts one node; false, counting nothing, once the limit is reached or the solve cancelled.
    bool Spend() {
        if ((Limit && Spent_ >= *Limit) || Cancelled())
            return false;
        ++Spent_;
        return true;
    }
    bool Cancelled() const { return Cancel != nullptr && Cancel->load(std::memory_order_relaxed); }
    // What is left of the limit; nothing when the caller set none.
    std::optional<std::uint64_t> Left() const {
        return Limit ? std::optional(*Limit - Spent_) : std::nullopt;
    }
    std::uint64_t Spent() const { return Spent_; }
    // At most `limit` of what is left, to be spent apart and then counted here with Absorb.
    SearchNodes Slice(std::uint64_t limit) const {
        return SearchNodes(std::min(limit, Left().value_or(limit)), Cancel);
    }
    void Absorb(const SearchNodes& slice) { Spent_ += slice.Spent_; }

private:
    std::optional<std::uint64_t> Limit;
    const std::atomic<bool>* Cancel;
    std::uint64_t Spent_ = 0;
};
