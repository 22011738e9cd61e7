#include "enemies/traps/furiko.h"

#include "enemies/model/patrol.h"
#include "engine/game_state.h"
#include "engine/graphics.h"

namespace {
constexpr int32_t kGoneRow = 310;
// Stage 19 lets every armed weight go at once when the hero climbs down
// below this row; stages 34 and 41 drop each one hard as the hero passes it.
constexpr int32_t kLowRowStage = 19;
constexpr int32_t kLowRow = 380;
constexpr int32_t kPassDropVy = 5;

bool DropsAsHeroPasses(int32_t stage) { return stage == 34 || stage == 41; }
}  // namespace

EnemyFuriko::EnemyFuriko(int32_t x_, int32_t y_, int32_t armed_) : x(x_), y(y_), armed(armed_) {}

void EnemyFuriko::Move() {
    if (falling != 0) {
        if (enemy::FallPast(y, vy, 1, kGoneRow)) done = 1;
    } else if (g_stageNumber == kLowRowStage) {
        if (enemy::HeroY() > kLowRow) {
            falling = 1;
            vy = 0;
        }
    } else if (DropsAsHeroPasses(g_stageNumber) && enemy::HeroX() > x) {
        falling = 1;
        vy = kPassDropVy;
    }
}

void EnemyFuriko::Update() {
    if (done != 0) return;
    if (armed != 0) Move();
    if (done != 0) return;
    if (falling != 0) enemy::TouchHero(enemy::Box(x, y, 0, 80, 60, 143), 4);
    g_graphics.DrawFuriko(x, y);
}
