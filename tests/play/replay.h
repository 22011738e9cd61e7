#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A won stage as a small text file: the stage, hero, damage rule and seed,
// what the run ended with, and one key mask per frame (run-length coded:
// "COUNT*MASK", the mask in hex, bits as StepFrame takes them).
struct Replay {
    int32_t stage = 0;
    std::string hero;
    char rule = 'a';
    uint32_t seed = 0;
    int32_t hp = 0;             // the hero's hit points at the clear
    uint64_t digest = 0;        // GameDigest() at the clear
    std::vector<uint8_t> keys;  // one mask per frame; the last frame clears
};

std::string FormatReplay(const Replay& r);
// False with a one-line reason in *error for anything but a whole replay.
bool ParseReplay(const std::string& text, Replay* out, std::string* error);
bool ReadReplayFile(const std::string& path, Replay* out, std::string* error);
bool WriteReplayFile(const std::string& path, const Replay& r);
// "stage07-doran-a.replay"
std::string ReplayFileName(int32_t stage, const std::string& hero, char rule);
