#pragma once

#include "enemies/model/kind.h"

// An ape that waits for the hero, throws one barrel and then walks up to
// its limit.
class EnemyEipu {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t dead = 0;
    int32_t counter = 0;
    int32_t frame = 0;  // 0 waits, 1 throws, 2 and 3 walk, facing right; 4 to 7 the same left
    int32_t limit = 0;
    int32_t slotBase = 0;

    ENEMY_RECORD(EnemyEipu)
    EnemyEipu(int32_t x, int32_t y, int32_t frame, int32_t limit, int32_t slotBase);
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();

private:
    platform::Rect Body() const;
};

inline EnemyEipu g_enemyEipu[3];
