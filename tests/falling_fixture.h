#pragma once

// What the dropper and champion tests share: the stage-1 ground, the values
// the generator will give next, and running an object until something holds.
#include <vector>

#include "enemy_fixture.h"

// Stage 1's ground: top 379 everywhere left of x 2813.
constexpr int32_t kGround = 379;

class FallingTest : public EnemyTest {
protected:
    // The next count draws of the generator under seed; the generator is
    // left seeded again so that the code under test draws the same values.
    static std::vector<int32_t> Draws(uint32_t seed, int count) {
        SeedGameRand(seed);
        std::vector<int32_t> v;
        for (int i = 0; i < count; ++i) v.push_back(GameRand());
        SeedGameRand(seed);
        return v;
    }
    // Updates e until done(e) holds, at most limit times; how many it took.
    template <typename T, typename Done>
    static int UpdateUntil(T& e, Done done, int limit) {
        int frames = 0;
        while (!done(e) && frames < limit) {
            e.Update();
            ++frames;
        }
        return frames;
    }
    template <typename T>
    static int UpdateUntilDead(T& e, int limit) {
        return UpdateUntil(
            e, [](const T& o) { return o.dead != 0; }, limit);
    }
};
