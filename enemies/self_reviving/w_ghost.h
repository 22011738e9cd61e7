#pragma once

#include "enemies/model/kind.h"

// A wandering ghost that rises beside the hero and drifts at the hero on
// both axes, again and again.
class EnemyWGhost {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t frame = 0;
    int32_t counter = 0;
    int32_t dead = 0;

    ENEMY_RECORD(EnemyWGhost)
    EnemyWGhost(int32_t x, int32_t y, int32_t dead);
    void Respawn();
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();

private:
    platform::Rect Body() const;
};

inline EnemyWGhost g_enemyWGhost[1];
