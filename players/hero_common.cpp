#include "players/hero_common.h"

int32_t HeroDamage(int32_t frontIndex, int32_t a) {
    int32_t f = a;
    switch (frontIndex) {
        case 5: f = a + a / 2; break;      // Tavish
        case 0: f = 4 * a; break;          // Seliya
        case 1: f = 3 * a; break;          // Seliya, Varmiel form
        case 6: f = 3 * a + a / 2; break;  // Nerys
        default: break;                    // Doran
    }
    return g_damageRule == 0 ? f / 2 : f;
}

const HeroTraits& HeroTraitsFor(int32_t heroIndex) {
    static constexpr HeroTraits kSeliya{0, -90, 18}, kVarmiel{1, -85, 18}, kDoran{2, -100, 4}, kTavish{5, -100, 4},
        kNerys{6, -100, 20};
    switch (heroIndex) {
        case 0: return kSeliya;
        case 1: return kVarmiel;
        case 2: return kDoran;
        case 6: return kNerys;
        default: return kTavish;
    }
}

int32_t HeroScreenXFor(int32_t x) {
    const int64_t endX = g_stageEndX;
    if (x > 320 && x < endX - 280) return 320;
    if (x <= 320) return x;
    return static_cast<int32_t>(x + 600 - endX);
}

int32_t HeroWalkPose17(int32_t walkCounter) {
    if (walkCounter <= 4 || (walkCounter >= 9 && walkCounter <= 12)) return 1;
    if (walkCounter <= 8) return 2;
    return 0;
}
