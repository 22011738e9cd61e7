#pragma once

#include "enemies/model/kind.h"

// A hopping corpse: it stands, then leaps stiffly toward the hero's side,
// again and again, once the hero comes within sight.
class EnemyKyonsi {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t frame = 0;
    int32_t dir = 0;
    int32_t jumping = 0;
    int32_t vy = 0;
    int32_t dead = 0;
    int32_t counter = 0;
    int32_t dormant = 0;

    ENEMY_RECORD(EnemyKyonsi)
    explicit EnemyKyonsi(int32_t x);
    bool Awake();
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();

private:
    platform::Rect Body() const;
};

inline EnemyKyonsi g_enemyKyonsi[6];
