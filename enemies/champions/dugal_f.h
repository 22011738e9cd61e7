#pragma once

#include "enemies/model/kind.h"

// A champion that either leaps at the hero or throws daggers at him, choosing
// again at random each time it stands.
class EnemyDugalF {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t hp = 0;
    int32_t frame = 0;  // 0 to 3 face right, 4 to 7 left: stand 0, throw 1-2, leap 3
    int32_t facing = 0;
    int32_t jumping = 0;
    int32_t throwing = 0;
    int32_t vy = 0;
    int32_t dead = 0;
    int32_t hitLatch = 0;
    int32_t counter = 0;
    int32_t dormant = 0;
    int32_t daggerSlot = 0;

    ENEMY_RECORD(EnemyDugalF)
    EnemyDugalF(int32_t x, int32_t y, int32_t facing);
    bool Awake();
    void DrawIdle() { Draw(); }
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();

private:
    void Throw();
    platform::Rect Body() const;
};

inline EnemyDugalF g_enemyDugalF[1];
