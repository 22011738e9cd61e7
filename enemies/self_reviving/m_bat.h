#pragma once

#include "enemies/model/kind.h"

// A giant bat that crosses the screen carrying a flea or a hunchback and
// drops it over the hero. It cannot be hit and never hurts; it comes back
// only once its passenger is gone.
class EnemyMBat {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t frame = 0;
    int32_t dead = 0;
    int32_t facing = 0;
    int32_t counter = 0;
    int32_t slotBase = 0;
    int32_t kind = 0;
    int32_t carrying = 0;
    int32_t pause = 0;

    EnemyMBat() = default;
    // kind nonzero: it carries a flea, else a hunchback.
    EnemyMBat(int32_t x, int32_t y, int32_t facing, int32_t kind, int32_t dead, int32_t slotBase);
    // Drawn also in the frame in which its flight ends.
    void Update();
    void Respawn();
    void Move();
    void Draw();

private:
    bool PassengerGone() const;
    void DropPassenger();
    int32_t FrameNow() const;
};

inline EnemyMBat g_enemyMBat[2];
