#pragma once

#include <cstdint>
#include <vector>

// The whole state of a stage in play, as plain bytes: every object record of
// the registry, the five heroes and their shots, the player front, the stage's
// floor table, flags and counters, the key state and the random generator.
// Taken between two frames (no tick pending), so restoring one and playing on
// is the same as never having left it. The picture, sound and music state
// stays out: nothing in play reads it.
struct GameSnapshot {
    std::vector<uint8_t> bytes;
};

// Moves the game's random numbers into a state kept here and seeds it, the
// same sequence as seeding the standard generator.
void SeedSnapshotRandom(uint32_t seed);

void SaveGame(GameSnapshot& out);
void RestoreGame(const GameSnapshot& in);

// FNV-1a over the heroes, their shots and every object record.
uint64_t GameDigest();
