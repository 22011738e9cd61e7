#include "hero_start.h"

namespace {

constexpr int32_t kStartY[51] = {
    0,   315, 356, 261, 361, 364, 251, 150, 285, 111, 111,  // 1-10
    235, 221, 215, 361, 336, 360, 356, 149, 111, 319,       // 11-20
    319, 233, 361, 361, 235, 319, 343, 111, 244, 233,       // 21-30
    374, 379, 111, 379, 365, 352, 352, 352, 201, 360,       // 31-40
    379, 349, 349, 349, 149, 246, 349, 337, 349, 379,       // 41-50
};

}  // namespace

HeroStart HeroStartFor(int32_t stage) {
    if (stage < 1 || stage > 50) return HeroStart{0, 0, 0, 0};
    const int32_t y = kStartY[stage];
    // clang-format off
    switch (stage) {
        case 1: return HeroStart{150, 150, y, 1};
        case 8: return HeroStart{310, 310, y, 1};
        case 15: return HeroStart{300, 300, y, 1};
        case 16: case 40: return HeroStart{120, 120, y, 1};
        case 34: return HeroStart{40, 40, y, 1};
        case 20: case 45: return HeroStart{5050, 570, y, 0};
        case 47: return HeroStart{5700, 580, y, 0};
        case 48: return HeroStart{5550, 430, y, 0};
        case 49: return HeroStart{570, 570, y, 0};
        default: return HeroStart{20, 20, y, 1};
    }
    // clang-format on
}
