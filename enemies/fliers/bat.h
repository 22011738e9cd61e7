#pragma once

#include "enemies/model/kind.h"

// A bat that flutters at random inside a fixed area: x 0 .. maxX, y 50 ..
// 430. Its five slots are also a pool that the giant bat fills.
class EnemyBat {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t maxX = 0;
    int32_t vx = 0;
    int32_t vxTimer = 0;
    int32_t vy = 0;
    int32_t vyTimer = 0;
    int32_t counter = 0;
    int32_t dead = 0;

    ENEMY_RECORD(EnemyBat)
    EnemyBat(int32_t x, int32_t y, int32_t maxX, int32_t dead);
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();

private:
    platform::Rect Body() const;
};

inline EnemyBat g_enemyBat[5];

// The giant bat's release: the first idle slot takes a fresh bat at x, y
// flying up to maxX. False, and nothing written, while all five are out.
bool ReleaseBat(int32_t x, int32_t y, int32_t maxX);
// Every bat vanishes at once (the giant bat's death).
void KillAllBats();
