#include "hero_body.h"

#include "ground/stage_floor.h"

namespace {

// Whip heroes and the spell caster.
constexpr HeroBody kStandardBody{0, 70, 0, 46, 59, 64, 0, 0, 600, -120, 1};
constexpr HeroBody kSeliyaBody{15, 75, 15, 74, 74, 74, -10, -10, 590, -90, 2};
constexpr HeroBody kVarmielBody{0, 91, 0, 98, 98, 90, -26, -10, 590, -90, 2};

int64_t Clamp64(int64_t v, int64_t lo, int64_t hi) { return v < lo ? lo : (v > hi ? hi : v); }

}  // namespace

const HeroBody* HeroBodyFor(int32_t heroIndex) {
    // clang-format off
    switch (heroIndex) {
        case 0: return &kSeliyaBody;
        case 1: return &kVarmielBody;
        case 2: case 5: case 6: return &kStandardBody;
        default: return nullptr;
    }
    // clang-format on
}

HeroStepResult HeroStepX(const StageFloor& floor, int32_t x, int32_t y, int32_t movingLeft, int32_t leastX,
                         int32_t endX) {
    const int64_t lo = leastX;
    const int64_t hi = endX < leastX ? leastX : endX;
    if (movingLeft) {
        const int32_t w =
            floor.RightAt(static_cast<int32_t>(Clamp64(int64_t{x} + kWallProbeLeft, INT32_MIN, INT32_MAX)), y);
        if (w != 0) {
            // A wall whose right end lies past the stage holds the hero where it is.
            if (w > hi) return HeroStepResult{x, 1};
            return HeroStepResult{static_cast<int32_t>(Clamp64(w, lo, hi)), 1};
        }
        return HeroStepResult{static_cast<int32_t>(Clamp64(int64_t{x} - kHeroStep, lo, hi)), 0};
    }
    const int32_t w =
        floor.LeftAt(static_cast<int32_t>(Clamp64(int64_t{x} + kWallProbeRight, INT32_MIN, INT32_MAX)), y);
    if (w != 0) {
        const int64_t stop = int64_t{w} - kWallStandOff;
        if (x < stop) return HeroStepResult{static_cast<int32_t>(Clamp64(stop, lo, hi)), 1};
        return HeroStepResult{x, 1};
    }
    return HeroStepResult{static_cast<int32_t>(Clamp64(int64_t{x} + kHeroStep, lo, hi)), 0};
}
