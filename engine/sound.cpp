#include "sound.h"

SoundPlayer g_soundPlayer;

void SoundPlayer::PlayAt(int32_t slot, int32_t x) {
    lastSlot = slot;
    lastX = x;
    ++playCount;
}

void SoundPlayer::PlayPanned(int32_t slot, double) {
    lastSlot = slot;
    ++playCount;
}
