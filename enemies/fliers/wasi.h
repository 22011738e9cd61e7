#pragma once

#include "enemies/model/kind.h"

// An eagle that patrols at cruising height and dives at a hero who comes
// near, then climbs back.
class EnemyWasi {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t frame = 0;
    int32_t hp = 0;
    int32_t facing = 0;
    int32_t dead = 0;
    int32_t left = 0;
    int32_t right = 0;
    int32_t hitLatch = 0;
    int32_t counter = 0;

    ENEMY_RECORD(EnemyWasi)
    // Placed facing right it starts with a dive.
    EnemyWasi(int32_t x, int32_t facing, int32_t left, int32_t right);
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();
    bool Diving() const { return frame % 3 == 0; }

private:
    platform::Rect Body() const;
};

inline EnemyWasi g_enemyWasi[4];
