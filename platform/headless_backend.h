#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "platform.h"

namespace platform {

// Backend for tests: no window, a virtual clock that fires due timers on the
// caller's thread, read-back of presented frames and drawn texts, injected
// keys, clicks and closes, and injected failures.
class HeadlessBackend : public Backend {
public:
    struct Text {
        int x, y;
        std::string text;
        uint8_t index;
    };

    bool CreateMainWindow(const char* windowClass, const char* title) override;
    std::string LastError() override { return "headless failure"; }
    bool OpenDisplay() override;
    void ShowCursor(bool show) override { cursorShown = show; }
    void SetPalette(const Color (&entries)[256]) override;
    bool Present(const Surface& frame) override;
    void DrawText(Surface& dst, int x, int y, const char* utf8, uint8_t index) override;

    bool WaitMessage(Message& out) override;
    void PostUser(uint32_t param) override;
    void PostQuit(int exitCode) override;

    uint32_t MinTimerPeriod() override { return minTimerPeriod; }
    bool BeginTimerPeriod(uint32_t ms) override;
    void EndTimerPeriod(uint32_t ms) override;
    uint32_t StartTimer(uint32_t periodMs, TimerCallback callback) override;
    void StopTimer(uint32_t id) override;

    bool OpenKeyboard() override { return !failKeyboardOpen; }
    bool ReadKeyboard(uint8_t (&state)[256]) override;
    void CloseKeyboard() override {}

    // --- test controls ---
    // Moves the virtual clock, firing every due timer in time order.
    void Advance(uint32_t ms);
    uint64_t Now() const { return now_; }
    void SetKey(uint8_t code, bool down) { keys_[code] = down ? 0x80 : 0; }
    void ReleaseAllKeys();
    void InjectClick();
    void InjectClose();
    void InjectPaint();
    // Takes one queued message without waiting; false when none is queued.
    bool TakeMessage(Message& out);
    size_t QueuedMessages();
    int ActiveTimers() const;

    // Called by WaitMessage whenever the queue is empty; returning false (or
    // having no hook) ends the loop as if quit with code 0 had been posted.
    std::function<bool()> idle;

    bool failWindow = false;
    bool failDisplay = false;
    bool failTimers = false;
    bool failKeyboardOpen = false;
    bool failKeyboardRead = false;
    uint32_t minTimerPeriod = 1;
    bool cursorShown = true;

    int presentCount = 0;
    std::vector<uint8_t> lastFrame;     // indices of the last presented frame
    Color lastPalette[256] = {};        // palette in force at that present
    Color palette[256] = {};
    std::vector<Text> pendingTexts;     // drawn since the last present
    std::vector<Text> lastTexts;        // drawn into the last presented frame
    std::vector<uint32_t> periodsBegun;
    std::vector<uint32_t> periodsEnded;

private:
    struct Timer {
        uint32_t period;
        uint64_t due;
        TimerCallback callback;
    };

    std::mutex mutex_;
    std::deque<Message> queue_;
    std::map<uint32_t, Timer> timers_;
    uint32_t nextTimerId_ = 1;
    uint64_t now_ = 0;
    uint8_t keys_[256] = {};
};

}  // namespace platform
