#include "enemies/model/shots.h"

#include <algorithm>

#include "enemies/model/hopping.h"

namespace enemy {

AimedShot ShotAtHero(int32_t x, int32_t y, const Muzzles& m) {
    if (HeroOnLeftOf(x)) return {x + m.leftDx, y + m.leftDy, 1};
    return {x + m.rightDx, y + m.rightDy, 0};
}

int64_t HeroDX(int32_t x) { return static_cast<int64_t>(HeroX()) - x; }
int64_t HeroDY(int32_t y) { return static_cast<int64_t>(HeroY()) - y; }

Lob LobAtHero(int32_t x, int32_t y, int32_t divisor, int32_t maxVx, int32_t lift) {
    const int64_t vx = std::clamp<int64_t>(HeroDX(x) / divisor, -maxVx, maxVx);
    const int64_t vy = HeroDY(y) / divisor - lift;
    return {static_cast<int32_t>(vx), static_cast<int32_t>(vy)};
}

namespace {
int32_t Toward(int64_t d, int32_t deadZone, int32_t speed) {
    if (d > deadZone) return speed;
    if (d < -static_cast<int64_t>(deadZone)) return -speed;
    return 0;
}
}  // namespace

Dart DartAtHero(int32_t x, int32_t y, int32_t deadZone, int32_t speed) {
    return {Toward(HeroDX(x), deadZone, speed), Toward(HeroDY(y), deadZone, speed)};
}

}  // namespace enemy
