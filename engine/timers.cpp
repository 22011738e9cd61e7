#include "timers.h"

#include "platform/platform.h"

TimerSet g_timers;

TimerSet::TimerSet() : initialised_(0), count_(0) {
    for (int i = 0; i < kMaxCapacity; ++i) {
        ids_[i].store(0);
        pending_[i].store(0);
    }
}

TimerSet::~TimerSet() { Reset(); }

void TimerSet::Reset() {
    initialised_.store(0);
    count_.store(0);
    for (int i = 0; i < kMaxCapacity; ++i) {
        ids_[i].store(0);
        pending_[i].store(0);
    }
    if (endPeriod_ != 0) {
        if (platform::Backend* b = platform::Current()) b->EndTimerPeriod(endPeriod_);
        endPeriod_ = 0;
    }
    minPeriod_ = 0;
    capacity_ = 0;
}

int32_t TimerSet::Init(int32_t capacity, uint32_t resolution) {
    platform::Backend* b = platform::Current();
    if (!b || capacity < 0 || capacity > kMaxCapacity) return 0;
    const uint32_t minPeriod = b->MinTimerPeriod();
    if (minPeriod > resolution) return 0;
    minPeriod_ = minPeriod;
    capacity_ = capacity;
    for (int i = 0; i < kMaxCapacity; ++i) pending_[i].store(0);
    if (b->BeginTimerPeriod(resolution)) endPeriod_ = resolution;
    initialised_.store(1);
    return 1;
}

int32_t TimerSet::Add(uint32_t& id, uint32_t delay, uint32_t /*resolution*/) {
    if (!initialised_.load()) return 0;
    if (delay < minPeriod_) return 0;
    const int32_t n = count_.load();
    if (n >= capacity_) return 0;
    platform::Backend* b = platform::Current();
    const uint32_t newId = b ? b->StartTimer(delay, TimerProc) : 0;
    // A timer that did not start would leave the frame loop waiting forever.
    if (newId == 0) return 0;
    pending_[n].store(0);
    ids_[n].store(newId);
    count_.store(n + 1);
    id = newId;
    return 1;
}

void TimerSet::SetPending(uint32_t id, int32_t value) {
    if (!initialised_.load()) return;
    const int32_t n = count_.load();
    for (int32_t i = 0; i < n; ++i) {
        if (ids_[i].load() == id) {
            pending_[i].store(value);
            return;
        }
    }
}

int32_t TimerSet::IsPending(uint32_t id) const {
    if (!initialised_.load()) return 1;
    const int32_t n = count_.load();
    for (int32_t i = 0; i < n; ++i)
        if (ids_[i].load() == id) return pending_[i].load();
    return 1;
}

void TimerSet::KillAll() {
    platform::Backend* b = platform::Current();
    const int32_t n = count_.load();
    for (int32_t i = 0; i < n; ++i) {
        if (b) b->StopTimer(ids_[i].load());
        pending_[i].store(0);
    }
}

void TimerProc(uint32_t id) {
    if (g_timers.IsPending(id) != 0) return;
    g_timers.SetPending(id, 1);
    if (platform::Backend* b = platform::Current()) b->PostUser(id);
}
