#include "engine/keyboard.h"
#include "engine/timers.h"
#include "game_test.h"

class Timers : public GameTest {};

TEST_F(Timers, UninitialisedSetAnswersPendingAndIgnoresWrites) {
    EXPECT_EQ(g_timers.IsPending(1), 1);
    g_timers.SetPending(1, 0);
    EXPECT_EQ(g_timers.IsPending(1), 1);
    uint32_t id = 0;
    EXPECT_EQ(g_timers.Add(id, 50, 50), 0);
}

TEST_F(Timers, CapacityDelayAndDeviceLimits) {
    backend.minTimerPeriod = 10;
    ASSERT_EQ(g_timers.Init(2, 50), 1);
    uint32_t a = 0, b = 0, c = 0;
    EXPECT_EQ(g_timers.Add(a, 5, 5), 0) << "delay below the device minimum";
    EXPECT_EQ(g_timers.Add(a, 50, 50), 1);
    EXPECT_EQ(g_timers.Add(b, 2000, 2000), 1);
    EXPECT_NE(a, b);
    EXPECT_EQ(g_timers.Add(c, 50, 50), 0) << "third timer in a set of two";
    EXPECT_EQ(backend.ActiveTimers(), 2);
    g_timers.Reset();
    backend.minTimerPeriod = 100;
    EXPECT_EQ(g_timers.Init(2, 50), 0) << "device cannot reach the resolution";
}

TEST_F(Timers, FailedTimerStartFailsAdd) {
    ASSERT_EQ(g_timers.Init(2, 50), 1);
    backend.failTimers = true;
    uint32_t id = 77;
    EXPECT_EQ(g_timers.Add(id, 50, 50), 0);
    EXPECT_EQ(id, 77u);
    EXPECT_EQ(g_timers.Count(), 0);
}

TEST_F(Timers, TimerPeriodEndedOnceAndOnlyWhenBegun) {
    g_timers.Reset();
    EXPECT_TRUE(backend.periodsEnded.empty());
    ASSERT_EQ(g_timers.Init(2, 50), 1);
    g_timers.Reset();
    ASSERT_EQ(backend.periodsEnded.size(), 1u);
    EXPECT_EQ(backend.periodsEnded[0], 50u);
    g_timers.Reset();
    EXPECT_EQ(backend.periodsEnded.size(), 1u);
}

TEST_F(Timers, SlowFrameDropsTicksInsteadOfQueueing) {
    ASSERT_EQ(g_timers.Init(2, 50), 1);
    uint32_t tick = 0;
    ASSERT_EQ(g_timers.Add(tick, 50, 50), 1);
    backend.Advance(1000);  // twenty ticks while the frame is busy
    EXPECT_EQ(backend.QueuedMessages(), 1u);
    platform::Message m{};
    ASSERT_TRUE(backend.TakeMessage(m));
    EXPECT_EQ(m.type, platform::MessageType::User);
    EXPECT_EQ(m.param, tick);
    g_timers.SetPending(tick, 0);
    backend.Advance(49);
    EXPECT_EQ(backend.QueuedMessages(), 0u);
    backend.Advance(1);
    EXPECT_EQ(backend.QueuedMessages(), 1u);
}

TEST_F(Timers, KilledTimerAndLateCallbacksPostNothing) {
    ASSERT_EQ(g_timers.Init(2, 50), 1);
    uint32_t tick = 0;
    ASSERT_EQ(g_timers.Add(tick, 50, 50), 1);
    g_timers.SetPending(tick, 1);
    g_timers.KillAll();
    EXPECT_EQ(g_timers.IsPending(tick), 0);
    EXPECT_EQ(backend.ActiveTimers(), 0);
    // A callback of the old id arriving while the set is rebuilt, and after.
    g_timers.Reset();
    TimerProc(tick);
    ASSERT_EQ(g_timers.Init(2, 50), 1);
    uint32_t fresh = 0;
    ASSERT_EQ(g_timers.Add(fresh, 50, 50), 1);
    EXPECT_NE(fresh, tick) << "ids are never reused";
    TimerProc(tick);
    EXPECT_EQ(backend.QueuedMessages(), 0u);
    TimerProc(fresh);
    EXPECT_EQ(backend.QueuedMessages(), 1u);
}

class Keys : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        g_keyboard.Init();
    }
    uint32_t held = 0, pressed = 0, released = 0;
    void Read() {
        g_keyboard.Poll();
        g_keyboard.GetState(held, pressed, released);
    }
};

TEST_F(Keys, HeldPressedAndReleasedAcrossFrames) {
    HoldKey(0x38);  // Left Alt
    Read();
    EXPECT_EQ(held, kKeyAlt);
    EXPECT_EQ(pressed, kKeyAlt);
    EXPECT_EQ(released, 0u);
    Read();
    EXPECT_EQ(held, kKeyAlt);
    EXPECT_EQ(pressed, 0u) << "pressed only in the first frame";
    HoldKey(0xCD);  // Right arrow joins
    Read();
    EXPECT_EQ(held, kKeyAlt | kKeyRight);
    EXPECT_EQ(pressed, kKeyRight);
    LetGo(0x38);
    Read();
    EXPECT_EQ(held, kKeyRight);
    EXPECT_EQ(released, kKeyAlt);
    Read();
    EXPECT_EQ(released, 0u) << "released only in the frame after letting go";
}

TEST_F(Keys, EveryGameKeyHasItsBit) {
    const uint8_t codes[8] = {0xC8, 0xD0, 0xCB, 0xCD, 0x38, 0x1D, 0x2A, 0x01};
    for (int k = 0; k < 8; ++k) {
        backend.ReleaseAllKeys();
        Read();
        HoldKey(codes[k]);
        Read();
        EXPECT_EQ(held, 1u << k) << k;
    }
}

TEST_F(Keys, RightHandModifiersAndOtherKeysAreNotGameKeys) {
    for (uint8_t code : {0xB8, 0x9D, 0x36, 0x1C, 0x39, 0x1E}) HoldKey(code);
    Read();
    EXPECT_EQ(held | pressed | released, 0u);
}

TEST_F(Keys, PressAndReleaseBetweenReadsShowsNothing) {
    Read();
    HoldKey(0x01);
    LetGo(0x01);
    Read();
    EXPECT_EQ(held | pressed | released, 0u);
}

TEST_F(Keys, UnreadableKeyboardReadsAsAllKeysUp) {
    HoldKey(0x01);
    Read();
    ASSERT_EQ(pressed, kKeyEsc);
    backend.failKeyboardRead = true;
    EXPECT_EQ(g_keyboard.Poll(), 0);
    g_keyboard.GetState(held, pressed, released);
    EXPECT_EQ(held, 0u);
    EXPECT_EQ(pressed, 0u) << "a stale fresh press must not repeat";
    EXPECT_EQ(released, kKeyEsc);
    g_keyboard.Poll();
    g_keyboard.GetState(held, pressed, released);
    EXPECT_EQ(held | pressed | released, 0u);
    backend.failKeyboardRead = false;
    Read();
    EXPECT_EQ(pressed, kKeyEsc) << "readable again: the held key is fresh";
}

TEST_F(Keys, NoDeviceMeansNoInput) {
    Keyboard k;
    HoldKey(0x01);
    EXPECT_EQ(k.Poll(), 0);
    uint32_t h = 9, p = 9, r = 9;
    k.GetState(h, p, r);
    EXPECT_EQ(h | p | r, 0u);
}

TEST_F(Keys, KeyboardThatCannotOpenEndsTheGame) {
    Keyboard k;
    backend.failKeyboardOpen = true;
    k.Init();
    platform::Message m{};
    ASSERT_TRUE(backend.TakeMessage(m));
    EXPECT_EQ(m.type, platform::MessageType::Quit);
}
