#pragma once

#include "enemies/model/kind.h"

// A flier that patrols up and down the whole screen height, then dives at
// the hero for a while.
class EnemyJyuhouten {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t frame = 0;
    int32_t hovering = 0;  // 0 while it dives
    int32_t goingDown = 0;
    int32_t counter = 0;
    int32_t hp = 0;
    int32_t hitLatch = 0;
    int32_t dead = 0;
    int32_t dormant = 0;

    ENEMY_RECORD(EnemyJyuhouten)
    // Its row is drawn at random when it is placed.
    explicit EnemyJyuhouten(int32_t x);
    bool Awake();
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();

private:
    platform::Rect Body() const;
};

inline EnemyJyuhouten g_enemyJyuhouten[7];
