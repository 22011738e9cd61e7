#pragma once

#include "enemies/model/kind.h"

// A thunder spirit that rides up and down over the street, turns to face the
// hero and throws a lightning bolt every twenty frames.
class EnemyKaminarisama {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t spare = 0;  // kept at 0
    int32_t frame = 0;
    int32_t goingDown = 0;
    int32_t counter = 0;
    int32_t dead = 0;
    int32_t faceRight = 0;
    int32_t slotBase = 0;

    ENEMY_RECORD(EnemyKaminarisama)
    EnemyKaminarisama(int32_t x, int32_t slotBase);
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();

private:
    platform::Rect Body() const { return enemy::Box(x, y, 0, 0, 64, 64); }
};

inline EnemyKaminarisama g_enemyKaminarisama[2];

// Which of its five bolt slots a spirit throws into next: one count for
// every spirit, kept for the whole run.
inline int32_t g_kaminariBoltSlot = 0;
