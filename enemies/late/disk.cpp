#include "enemies/late/disk.h"

#include "engine/graphics.h"

namespace {
constexpr int32_t kLastX = 5800;
constexpr int32_t kSweep = 40;
constexpr int32_t kLowest = 550;
constexpr int32_t kHighest = -70;
// From this count on it shows its second face and its larger box.
constexpr int32_t kTurnCount = 6;
}  // namespace

void EnemyDisk::Update() {
    if (x < kLastX) x += 1;
    Move();
    enemy::TouchHero(Body(), 16);
    g_graphics.DrawDisk(x, y, counter >= kTurnCount ? 1 : 0);
}

// The shifts as it turns and turns back make it wobble.
void EnemyDisk::Move() {
    counter += 1;
    if (counter >= 10) {
        counter = 0;
        x += 2;
        y += 4;
    } else if (counter == kTurnCount) {
        x -= 2;
        y -= 4;
    }
    if (goingDown != 0) {
        y += kSweep;
        if (y > kLowest) goingDown = 0;
    } else {
        y -= kSweep;
        if (y < kHighest) goingDown = 1;
    }
}

platform::Rect EnemyDisk::Body() const {
    return counter < kTurnCount ? enemy::Box(x, y, 0, 0, 128, 124) : enemy::Box(x, y, 0, 0, 132, 132);
}
