#pragma once

#include "enemies/model/kind.h"

// A great skull that flies its patrol back and forth at speed, shown at rest
// until the hero comes near.
class EnemyWarSukaru {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t right = 0;
    int32_t left = 0;
    int32_t frame = 0;
    int32_t facing = 0;  // the placed facing; the flight reads frame
    int32_t counter = 0;
    int32_t dead = 0;
    int32_t dormant = 0;

    ENEMY_RECORD(EnemyWarSukaru)
    EnemyWarSukaru(int32_t x, int32_t y, int32_t facing, int32_t left, int32_t right);
    bool Awake();
    void DrawIdle() { Draw(); }
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();

private:
    platform::Rect Body() const;
};

inline EnemyWarSukaru g_enemyWarSukaru[2];
