#pragma once

#include "enemies/model/kind.h"

// A crow that rests on its perch and swoops past the hero every 70 frames.
class EnemyCrow {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t baseY = 0;
    int32_t hp = 0;
    int32_t frame = 0;
    int32_t facing = 0;
    int32_t flying = 0;
    int32_t vy = 0;
    int32_t dead = 0;
    int32_t hitLatch = 0;
    int32_t counter = 0;
    int32_t dormant = 0;

    ENEMY_RECORD(EnemyCrow)
    EnemyCrow(int32_t x, int32_t y, int32_t facing);
    bool Awake();
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();

private:
    void FaceHero();
    platform::Rect Body() const;
};

inline EnemyCrow g_enemyCrow[6];
