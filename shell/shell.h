#pragma once

#include <cstdint>

#include "engine/game_state.h"
#include "platform/platform.h"

extern int32_t g_firstPaint;
extern uint32_t g_tickTimerId;
extern uint32_t g_musicTimerId;

// Only one copy of the game may run.
class SingleInstance {
public:
    int32_t Acquire();
    void Release();

private:
    platform::InstanceLock lock_;
};

extern SingleInstance g_singleInstance;

// Runs the game on the current backend until it ends; returns the exit code.
int WinMain();
// One window message.
int32_t WindowProc(const platform::Message& msg);
// Body of the next-track thread.
void NextTrackThread();
// Stops timers and music; every way out of the game passes here first. Safe
// to call more than once.
void ShutDown();
// The stage start's rebuild of the two timers; posts quit when they fail.
void RebuildStageTimers();
// Waits for a next-track thread still running, before the music is rebuilt.
void JoinNextTrackThread();
// The stage start's rebuild of the music for the new g_stageNumber: no
// next-track thread runs meanwhile, so none can play on the released list.
void RebuildStageMusic();
