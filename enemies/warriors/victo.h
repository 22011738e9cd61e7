#pragma once

#include "enemies/model/kind.h"

// A sword warrior that swings and lunges at a hero within reach of its
// middle; when it falls, a crawling creature comes out of it.
class EnemyVicto {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t hp = 0;
    int32_t frame = 0;  // 0 to 7 face right, 8 to 15 left
    int32_t swingWait = 0;
    int32_t counter = 0;
    int32_t facing = 0;
    int32_t dead = 0;
    int32_t hitLatch = 0;
    int32_t dormant = 0;
    int32_t slotBase = 0;  // its creature's slot

    ENEMY_RECORD(EnemyVicto)
    EnemyVicto(int32_t x, int32_t y, int32_t facing, int32_t slotBase);
    bool Awake();
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();
    platform::Rect Body() const;
};

inline EnemyVicto g_enemyVicto[3];
