#include "enemies/droppers/bara.h"

#include "enemies/droppers/kahun.h"
#include "enemies/model/shots.h"
#include "engine/graphics.h"

namespace {
constexpr int32_t kCycle = 150;
constexpr int32_t kEvery = 30;  // one grain every 30 frames, five slots a rose
// Grains leave from anywhere across the flower's 26 to 127 pixels.
constexpr int32_t kSpoutLeft = 26;
constexpr int32_t kSpoutWidth = 102;
}  // namespace

EnemyBara::EnemyBara(int32_t x_, int32_t y_, int32_t slotBase_) : x(x_), y(y_), slotBase(slotBase_) {}

void EnemyBara::Update() {
    counter = (counter + 1) % kCycle;
    if (counter % kEvery == 0) {
        enemy::WriteShot(g_enemyKahun, slotBase, counter / kEvery, kCycle / kEvery,
                         EnemyKahun(x + kSpoutLeft + GameRand() % kSpoutWidth, y, 0));
    }
    g_graphics.DrawBara(x, y);
}
