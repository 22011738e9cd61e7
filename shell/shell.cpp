#include "shell.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <thread>

#include "engine/graphics.h"
#include "engine/keyboard.h"
#include "engine/music.h"
#include "engine/sound.h"
#include "engine/timers.h"
#include "players/player_front.h"
#include "shell/menu.h"
#include "stages/stage.h"

int32_t g_firstPaint = 1;
uint32_t g_tickTimerId = 0;
uint32_t g_musicTimerId = 0;
SingleInstance g_singleInstance;

namespace {

std::thread s_nextTrackThread;
bool s_shutDown = false;

void PostQuit(int code) {
    if (platform::Backend* b = platform::Current()) b->PostQuit(code);
}

// Both the first paint and a stage change set up the same two timers.
bool AddGameTimers() {
    if (!g_timers.Init(2, 50)) return false;
    if (!g_timers.Add(g_tickTimerId, 50, 50)) return false;
    return true;
}

void StartUp() {
    platform::Backend* b = platform::Current();
    b->ShowCursor(false);
    g_firstPaint = 0;
    s_shutDown = false;
    if (!g_graphics.Init()) {
        std::fprintf(stderr, "morvane: the display could not be set up: %s\n", b->LastError().c_str());
        PostQuit(1);
        return;
    }
    g_graphics.ClearBackBuffer();
    g_graphics.DrawLoadingScreen();
    g_graphics.Flip();
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    {
        std::lock_guard<std::mutex> lock(g_musicMutex);
        g_stageMusic.Init();
        g_stageMusic.LoadAll();
    }
    if (!AddGameTimers()) {
        PostQuit(0);
        return;
    }
    {
        std::lock_guard<std::mutex> lock(g_musicMutex);
        g_stageMusic.PlayCurrent();
    }
    if (!g_timers.Add(g_musicTimerId, 2000, 2000)) PostQuit(0);
}

void StartNextTrackThread() {
    JoinNextTrackThread();
    s_nextTrackThread = std::thread(NextTrackThread);
}

void ClearWait() {
    g_clearWaitTicks += 1;
    if (g_clearWaitTicks == 105) {
        g_stageNumber += 1;
        if (g_stageNumber == 51) g_stageNumber = 1;
        g_graphics.ClearBackBuffer();
        g_graphics.DrawLoadingScreen();
        g_graphics.Flip();
        g_menu.StartStage();
        g_clearWaitTicks = 0;
        g_stageClear = 0;
    }
    g_timers.SetPending(g_tickTimerId, 0);
}

void MenuFrame() {
    g_graphics.ClearBackBuffer();
    g_menu.Update();
    if (!g_menu.IsActive()) {
        g_timers.SetPending(g_tickTimerId, 0);
        return;
    }
    const int32_t mode = g_menu.GetMode();
    if (mode != 4 && mode != 6) g_playerFront.DrawMenuCursor();
    g_graphics.Flip();
    g_timers.SetPending(g_tickTimerId, 0);
}

void PlayFrame() {
    g_playerFront.HandleInput();
    if (g_menuRequest != 0) {
        g_menuRequest = 0;
        g_menu.Open();
    }
    if (g_menu.IsActive()) {
        g_timers.SetPending(g_tickTimerId, 0);
        return;
    }
    g_playerFront.Update();
    g_stage.Update();
    if (g_hitSoundRequest != 0) {
        g_hitSoundRequest = 0;
        g_hitSoundSlot += 1;
        if (g_hitSoundSlot == 4) g_hitSoundSlot = 2;
        g_soundPlayer.PlayAt(g_hitSoundSlot, g_hitSoundX);
    }
    g_playerFront.CheckDeath();
    if (g_stageRestartRequest != 0) g_stage.PlaceObjects();
    g_graphics.DrawLifeBar();
    g_stage.CheckExit();
    g_graphics.Flip();
    g_timers.SetPending(g_tickTimerId, 0);
}

void MusicCheck() {
    g_timers.SetPending(g_musicTimerId, 0);
    bool startNext = false;
    {
        std::lock_guard<std::mutex> lock(g_musicMutex);
        if (g_stageMusic.IsPlaying() != 0) {
            g_stageMusic.waiting = 0;
        } else if (g_stageMusic.waiting == 0) {
            g_stageMusic.waiting = 1;
            startNext = true;
        }
    }
    if (startNext) StartNextTrackThread();
}

void FrameDispatch() {
    if (g_stageClear != 0) {
        ClearWait();
    } else if (g_timers.IsPending(g_tickTimerId) != 0) {
        if (g_menu.IsActive() != 0)
            MenuFrame();
        else
            PlayFrame();
    } else if (g_timers.IsPending(g_musicTimerId) != 0) {
        MusicCheck();
    }
}

}  // namespace

int32_t SingleInstance::Acquire() { return lock_.Acquire("NotDouble"); }

void SingleInstance::Release() { lock_.Release(); }

void NextTrackThread() {
    platform::SetCurrentThreadLowestPriority();
    std::lock_guard<std::mutex> lock(g_musicMutex);
    g_stageMusic.NextTrack();
}

void JoinNextTrackThread() {
    if (s_nextTrackThread.joinable()) s_nextTrackThread.join();
}

void RebuildStageMusic() {
    JoinNextTrackThread();
    std::lock_guard<std::mutex> lock(g_musicMutex);
    g_stageMusic.Stop();
    g_stageMusic.Release();
    g_stageMusic = StageMusic();
    g_stageMusic.Init();
    g_stageMusic.LoadAll();
    g_stageMusic.PlayCurrent();
}

void RebuildStageTimers() {
    g_timers.KillAll();
    g_timers.Reset();
    if (!AddGameTimers()) {
        PostQuit(0);
        return;
    }
    if (!g_timers.Add(g_musicTimerId, 2000, 2000)) PostQuit(0);
}

void ShutDown() {
    if (s_shutDown) return;
    s_shutDown = true;
    g_timers.KillAll();
    JoinNextTrackThread();
    std::lock_guard<std::mutex> lock(g_musicMutex);
    g_stageMusic.Stop();
    g_stageMusic.Release();
}

int32_t WindowProc(const platform::Message& msg) {
    switch (msg.type) {
        case platform::MessageType::Close:
            ShutDown();
            PostQuit(0);
            return 0;
        case platform::MessageType::Paint:
            if (g_firstPaint != 0) StartUp();
            return 0;
        case platform::MessageType::LeftClick: PostQuit(0); return 0;
        case platform::MessageType::User: FrameDispatch(); return 0;
        case platform::MessageType::Quit: return 0;
    }
    return 0;
}

int WinMain() {
    platform::Backend* b = platform::Current();
    if (!b) return 1;
    s_shutDown = false;
    if (g_singleInstance.Acquire() == 0) return 0;
    if (!b->CreateMainWindow("CMorvane", "Morvane")) {
        std::fprintf(stderr, "morvane: cannot open a window: %s\n", b->LastError().c_str());
        g_singleInstance.Release();
        return 1;
    }
    // The first paint runs the whole start-up before the loop begins.
    WindowProc(platform::Message{platform::MessageType::Paint, 0});
    g_keyboard.Init();
    platform::Message msg{platform::MessageType::Quit, 0};
    while (b->WaitMessage(msg)) WindowProc(msg);
    ShutDown();
    return static_cast<int>(msg.param);
}
