#pragma once

#include "enemies/model/kind.h"

// A whip warrior between two bounds that lashes at a hero within reach. It
// cannot be destroyed: a blow stuns it for a while.
class EnemyRedWhip {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t frame = 0;  // 0 to 6 face right, 7 to 13 left
    int32_t facing = 0;
    int32_t counter = 0;
    int32_t right = 0;
    int32_t left = 0;
    int32_t lashWait = 0;

    EnemyRedWhip() = default;
    EnemyRedWhip(int32_t x, int32_t y, int32_t facing, int32_t left, int32_t right);
    void Update();
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();
    platform::Rect Body() const;

private:
    void Stunned();
};

inline EnemyRedWhip g_enemyRedWhip[1];
