#pragma once

#include "enemies/model/kind.h"

// A bat hanging from the top of the view. Once the hero comes near it
// swoops down toward the hero's side and climbs back to hang again.
class EnemyKoumori {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t frame = 0;
    int32_t dir = 0;
    int32_t flying = 0;
    int32_t vy = 0;
    int32_t dead = 0;
    int32_t counter = 0;
    int32_t dormant = 0;

    ENEMY_RECORD(EnemyKoumori)
    explicit EnemyKoumori(int32_t x);
    bool Awake();
    void DrawIdle() { Draw(); }
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();

private:
    platform::Rect Body() const;
};

inline EnemyKoumori g_enemyKoumori[5];
