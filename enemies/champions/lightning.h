#pragma once

#include "enemies/model/kind.h"

// A ball of lightning that fans out from the caster's hand and then homes on
// the hero for as long as it lives.
class EnemyLightning {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t frame = 0;
    int32_t counter = 0;
    int32_t vy = 0;
    int32_t dead = 1;

    ENEMY_RECORD(EnemyLightning)
    EnemyLightning(int32_t x, int32_t y, int32_t vy, int32_t dead);
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();

private:
    platform::Rect Body() const;
};

inline EnemyLightning g_enemyLightning[3];
