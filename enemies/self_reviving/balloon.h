#pragma once

#include "enemies/model/kind.h"

// A balloon that bobs across beside the hero and bursts into four spores
// when struck; it keeps coming back.
class EnemyBalloon {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t frame = 0;
    int32_t facing = 0;
    int32_t vy = 0;
    int32_t ay = 0;
    int32_t dead = 0;
    int32_t counter = 0;
    int32_t slotBase = 0;

    ENEMY_RECORD(EnemyBalloon)
    EnemyBalloon(int32_t x, int32_t y, int32_t facing, int32_t dead, int32_t slotBase);
    void Respawn();
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();

private:
    platform::Rect Body() const;
};

inline EnemyBalloon g_enemyBalloon[1];
