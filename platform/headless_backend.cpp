#include "headless_backend.h"

#include <cstring>

namespace platform {

bool HeadlessBackend::CreateMainWindow(const char*, const char*) { return !failWindow; }

bool HeadlessBackend::OpenDisplay() { return !failDisplay; }

void HeadlessBackend::SetPalette(const Color (&entries)[256]) {
    std::memcpy(palette, entries, sizeof palette);
}

bool HeadlessBackend::Present(const Surface& frame) {
    ++presentCount;
    lastFrame.assign(frame.Pixels(),
                     frame.Pixels() + static_cast<size_t>(frame.Width()) * frame.Height());
    std::memcpy(lastPalette, palette, sizeof lastPalette);
    lastTexts.swap(pendingTexts);
    pendingTexts.clear();
    return true;
}

void HeadlessBackend::DrawText(Surface& dst, int x, int y, const char* utf8, uint8_t index) {
    pendingTexts.push_back(Text{x, y, utf8 ? utf8 : "", index});
    RenderText(dst, x, y, utf8, index);
}

bool HeadlessBackend::WaitMessage(Message& out) {
    for (;;) {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            if (!queue_.empty()) {
                out = queue_.front();
                queue_.pop_front();
                return out.type != MessageType::Quit;
            }
        }
        if (!idle || !idle()) {
            out = Message{MessageType::Quit, 0};
            return false;
        }
    }
}

bool HeadlessBackend::TakeMessage(Message& out) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (queue_.empty()) return false;
    out = queue_.front();
    queue_.pop_front();
    return true;
}

size_t HeadlessBackend::QueuedMessages() {
    std::lock_guard<std::mutex> lock(mutex_);
    return queue_.size();
}

void HeadlessBackend::PostUser(uint32_t param) {
    std::lock_guard<std::mutex> lock(mutex_);
    queue_.push_back(Message{MessageType::User, param});
}

void HeadlessBackend::PostQuit(int exitCode) {
    std::lock_guard<std::mutex> lock(mutex_);
    queue_.push_back(Message{MessageType::Quit, static_cast<uint32_t>(exitCode)});
}

void HeadlessBackend::InjectClick() {
    std::lock_guard<std::mutex> lock(mutex_);
    queue_.push_back(Message{MessageType::LeftClick, 0});
}

void HeadlessBackend::InjectClose() {
    std::lock_guard<std::mutex> lock(mutex_);
    queue_.push_back(Message{MessageType::Close, 0});
}

void HeadlessBackend::InjectPaint() {
    std::lock_guard<std::mutex> lock(mutex_);
    queue_.push_back(Message{MessageType::Paint, 0});
}

bool HeadlessBackend::BeginTimerPeriod(uint32_t ms) {
    periodsBegun.push_back(ms);
    return true;
}

void HeadlessBackend::EndTimerPeriod(uint32_t ms) { periodsEnded.push_back(ms); }

uint32_t HeadlessBackend::StartTimer(uint32_t periodMs, TimerCallback callback) {
    if (failTimers || !callback || periodMs == 0) return 0;
    const uint32_t id = nextTimerId_++;
    timers_[id] = Timer{periodMs, now_ + periodMs, callback};
    return id;
}

void HeadlessBackend::StopTimer(uint32_t id) { timers_.erase(id); }

int HeadlessBackend::ActiveTimers() const { return static_cast<int>(timers_.size()); }

void HeadlessBackend::Advance(uint32_t ms) {
    const uint64_t target = now_ + ms;
    for (;;) {
        uint32_t nextId = 0;
        uint64_t nextDue = target + 1;
        for (const auto& [id, t] : timers_) {
            if (t.due < nextDue) {
                nextDue = t.due;
                nextId = id;
            }
        }
        if (nextId == 0) break;
        now_ = nextDue;
        Timer& t = timers_[nextId];
        t.due += t.period;
        const TimerCallback cb = t.callback;
        cb(nextId);  // may stop timers; nothing above is used after this
    }
    now_ = target;
}

void HeadlessBackend::ReleaseAllKeys() { std::memset(keys_, 0, sizeof keys_); }

bool HeadlessBackend::ReadKeyboard(uint8_t (&state)[256]) {
    if (failKeyboardRead) {
        std::memset(state, 0, sizeof state);
        return false;
    }
    std::memcpy(state, keys_, sizeof state);
    return true;
}

}  // namespace platform
