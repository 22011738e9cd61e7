#pragma once

#include "enemies/model/kind.h"

// A champion spell caster who walks at the hero and, every 70 frames, casts
// three homing balls of lightning.
class EnemyNerysF {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t hp = 0;
    int32_t frame = 0;  // 0 to 4 face right, 5 to 9 left: walk 0-2, cast 3-4
    int32_t facing = 0;
    int32_t dead = 0;
    int32_t hitLatch = 0;
    int32_t counter = 0;
    int32_t dormant = 0;

    ENEMY_RECORD(EnemyNerysF)
    EnemyNerysF(int32_t x, int32_t y, int32_t facing);
    bool Awake();
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();

private:
    platform::Rect Body() const;
};

inline EnemyNerysF g_enemyNerysF[1];
