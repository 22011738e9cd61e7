#pragma once

#include "enemies/model/kind.h"

// A flier that zig-zags over the whole height of the screen between its
// patrol bounds.
class EnemyOgideran {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t right = 0;
    int32_t left = 0;
    int32_t frame = 0;
    int32_t counter = 0;
    int32_t down = 0;
    int32_t dead = 0;

    ENEMY_RECORD(EnemyOgideran)
    // frame: 0 moving right, 3 moving left.
    EnemyOgideran(int32_t x, int32_t frame, int32_t left, int32_t right);
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();

private:
    platform::Rect Body() const;
};

inline EnemyOgideran g_enemyOgideran[2];
