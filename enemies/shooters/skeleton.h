#pragma once

#include "enemies/model/kind.h"

// A skeleton that closes in on the hero and lobs bones at him.
class EnemySkeleton {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t hp = 0;
    int32_t frame = 0;  // 0 to 3 face right, 4 to 7 left
    int32_t facing = 0;
    int32_t left = 0;
    int32_t right = 0;
    int32_t dead = 0;
    int32_t hitLatch = 0;
    int32_t counter = 0;
    int32_t slotBase = 0;

    ENEMY_RECORD(EnemySkeleton)
    EnemySkeleton(int32_t x, int32_t y, int32_t facing, int32_t left, int32_t right, int32_t slotBase);
    bool Awake() const;
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();

private:
    platform::Rect Body() const;
};

inline EnemySkeleton g_enemySkeleton[3];
