#pragma once

#include "enemies/model/kind.h"

// A spider that lowers itself on its thread, shoots a spiderling at the hero
// from the bottom of its run and climbs back.
class EnemySpider {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t counter = 0;
    int32_t frame = 0;
    int32_t dead = 0;
    int32_t down = 0;
    int32_t slotBase = 0;

    ENEMY_RECORD(EnemySpider)
    EnemySpider(int32_t x, int32_t slotBase);
    bool Awake() const;
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();

private:
    platform::Rect Body() const;
};

inline EnemySpider g_enemySpider[3];
