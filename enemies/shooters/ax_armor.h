#pragma once

#include "enemies/model/kind.h"

// An armoured knight that closes in on the hero and throws boomerang axes,
// high or low, three to a cycle.
class EnemyAxArmor {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t hp = 0;
    int32_t frame = 0;  // 0 to 5 face right, 6 to 11 left
    int32_t facing = 0;
    int32_t low = 0;
    int32_t left = 0;
    int32_t right = 0;
    int32_t dead = 0;
    int32_t hitLatch = 0;
    int32_t counter = 0;
    int32_t dormant = 0;
    int32_t slotBase = 0;

    ENEMY_RECORD(EnemyAxArmor)
    EnemyAxArmor(int32_t x, int32_t y, int32_t facing, int32_t left, int32_t right, int32_t slotBase);
    bool Awake();
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();

private:
    platform::Rect Body() const;
    void Throw();
};

inline EnemyAxArmor g_enemyAxArmor[3];
