#pragma once

#include <cstdint>

// What a set shows; the data generator draws each kind in its own style.
enum class SpriteKind : uint8_t { kHero, kHeroShot, kEnemy, kShot, kTrap, kBoss, kItem, kLifeBar };

// A run of consecutive surface slots loaded from one folder (path is a
// pattern formatted with the frame number) or from one named file.
struct SpriteSet {
    const char* name;
    int16_t first;        // slot of frame 0
    int16_t count;        // frames
    const char* path;     // game path, '\' separated
    bool file;            // one named file rather than a numbered folder
    int16_t key;          // colour key index (0 or 255), -1 for none
    int16_t keyedFrames;  // frames from this one on carry no key
    SpriteKind kind;
    const int16_t (*sizes)[2];  // width and height of every frame

    int Width(int frame) const { return sizes[frame][0]; }
    int Height(int frame) const { return sizes[frame][1]; }
    int KeyOf(int frame) const { return frame < keyedFrames ? key : -1; }
};

constexpr int kSlotCount = 979;
constexpr int kFirstPanelSlot = 29;
constexpr int kPanelSlotCount = 9;
constexpr int kSceneSlot = 978;
constexpr int kLifeBarSlot = 24;
constexpr int kLifeBarPristineSlot = 25;
constexpr int kBossBarSlot = 26;
constexpr int kBossBarPristineSlot = 27;
constexpr int kEmptyCellSlot = 28;

constexpr int kSpriteSetCount = 180;
extern const SpriteSet kSpriteSets[kSpriteSetCount];

// The first set with that name (life bars: "Hp\Life" and so on), or null.
const SpriteSet* FindSpriteSet(const char* name);
// Writes the game path of one frame of a set into out (size bytes).
void FormatFramePath(const SpriteSet& set, int frame, char* out, int size);
