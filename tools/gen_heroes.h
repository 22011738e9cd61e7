#pragma once

#include <cstdint>
#include <vector>

struct SpriteSet;

// One frame of a hero's set, painted for that frame's draw offset; empty for
// a set that is no hero's.
std::vector<uint8_t> HeroPicture(const SpriteSet& set, int frame);
// One frame of a hero shot (the birds, the great bird, the magic shot, the
// flame, the lightning and the cross); empty for any other set.
std::vector<uint8_t> HeroShotPicture(const SpriteSet& set, int frame);
