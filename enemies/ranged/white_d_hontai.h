#pragma once

#include "enemies/model/kind.h"

// A spirit on a chain of seven links from a fixed anchor: it drifts at
// random within reach of the anchor and fires aimed flames at the hero.
class EnemyWhiteDHontai {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t hp = 0;
    int32_t hitLatch = 0;
    int32_t homeX = 0;  // the anchor of the links
    int32_t homeY = 0;
    int32_t vx = 0;
    int32_t vxTimer = 0;
    int32_t vy = 0;
    int32_t vyTimer = 0;
    int32_t fireCounter = 0;
    int32_t dead = 0;
    int32_t slot = 0;

    ENEMY_RECORD(EnemyWhiteDHontai)
    EnemyWhiteDHontai(int32_t x, int32_t y, int32_t slot);
    bool Awake() const;
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();

private:
    platform::Rect Body() const;
};

inline EnemyWhiteDHontai g_enemyWhiteDHontai[3];
