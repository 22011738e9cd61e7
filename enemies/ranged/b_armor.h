#pragma once

#include "enemies/model/kind.h"

// An armoured gunner keeping a stream of bullets flying at the hero.
class EnemyBArmor {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t hp = 0;
    int32_t frame = 0;  // 0 and 1 face right, 2 and 3 left
    int32_t facing = 0;
    int32_t dead = 0;
    int32_t hitLatch = 0;
    int32_t counter = 0;
    int32_t slotBase = 0;

    ENEMY_RECORD(EnemyBArmor)
    EnemyBArmor(int32_t x, int32_t y, int32_t facing, int32_t slotBase);
    bool Awake() const;
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();

private:
    platform::Rect Body() const;
};

inline EnemyBArmor g_enemyBArmor[1];
