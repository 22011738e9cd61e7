#pragma once

#include "enemies/model/kind.h"

// A salamander that runs through the hero, turns well past him and spits a
// flame back at him as it turns.
class EnemySaramanda {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t hp = 0;
    int32_t frame = 0;   // 0 and 1 run right, 2 and 3 left: the run direction
    int32_t facing = 0;  // as placed; the run is read from the frame
    int32_t counter = 0;
    int32_t dead = 0;
    int32_t hitLatch = 0;
    int32_t slot = 0;

    ENEMY_RECORD(EnemySaramanda)
    EnemySaramanda(int32_t x, int32_t y, int32_t facing, int32_t slot);
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();
};

inline EnemySaramanda g_enemySaramanda[2];
