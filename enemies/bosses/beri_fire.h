#pragma once

#include "enemies/model/kind.h"

// A fire column the beast breathes along the floor: it runs toward the hero
// and erupts in a tall flame once it has passed the hero's x.
class EnemyBeriFire {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t state = 0;  // 0 runs right, 1 runs left, 2 erupts
    int32_t counter = 0;
    int32_t dead = 0;

    ENEMY_RECORD(EnemyBeriFire)
    EnemyBeriFire(int32_t x, int32_t y, int32_t state, int32_t dead);
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();

private:
    platform::Rect Body() const;
    void Erupt();
};

inline EnemyBeriFire g_enemyBeriFire[3];
// The beast's rotating column slot, kept for the whole run.
inline int32_t g_beriFireSlot = 0;
