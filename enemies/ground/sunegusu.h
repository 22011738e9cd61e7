#pragma once

#include "enemies/model/kind.h"

// A crawler that hangs from the ceiling until the hero passes below it, then
// drops to the floor and crawls after him.
class EnemySunegusu {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t hp = 0;
    int32_t frame = 0;  // 0 hangs, 1-3 crawl
    int32_t vy = 0;
    int32_t falling = 0;
    int32_t dead = 0;
    int32_t hitLatch = 0;
    int32_t counter = 0;
    int32_t dormant = 0;

    ENEMY_RECORD(EnemySunegusu)
    EnemySunegusu(int32_t x, int32_t y);
    bool Awake();
    void DrawIdle() { Draw(); }
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();

private:
    platform::Rect Body() const;
};

inline EnemySunegusu g_enemySunegusu[4];
