#pragma once

#include <atomic>
#include <cstdint>

// A small set of periodic timers with one pending flag each, so a timer never
// has more than one frame message waiting. The flags live inside the global
// object itself (never freed): a callback arriving late from a killed timer,
// even while the set is being rebuilt, reads valid memory, finds no matching
// id and posts nothing.
class TimerSet {
public:
    static constexpr int kMaxCapacity = 8;

    TimerSet();
    ~TimerSet();
    TimerSet(const TimerSet&) = delete;
    TimerSet& operator=(const TimerSet&) = delete;

    int32_t Init(int32_t capacity, uint32_t resolution);
    int32_t Add(uint32_t& id, uint32_t delay, uint32_t resolution);
    void SetPending(uint32_t id, int32_t value);
    int32_t IsPending(uint32_t id) const;
    void KillAll();
    // Back to the freshly constructed state (ends the timer period it began).
    void Reset();

    int32_t Count() const { return count_.load(); }

private:
    std::atomic<uint32_t> ids_[kMaxCapacity];
    std::atomic<int32_t> pending_[kMaxCapacity];
    std::atomic<int32_t> initialised_;
    uint32_t minPeriod_ = 0;
    uint32_t endPeriod_ = 0;
    std::atomic<int32_t> count_;
    int32_t capacity_ = 0;
};

extern TimerSet g_timers;

// The timer callback: marks its timer pending and posts one frame message.
void TimerProc(uint32_t id);
