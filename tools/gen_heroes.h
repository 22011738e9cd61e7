#pragma once

#include <cstdint>
#include <vector>

struct SpriteSet;

// One frame of a hero's set, painted for that frame's draw offset; empty for
// a set that is no hero's.
std::vector<uint8_t> HeroPicture(const SpriteSet& set, int frame);
// One frame of a hero shot painted here (the summoner's white and red
// birds); empty for the others, which the generic shapes draw.
std::vector<uint8_t> HeroShotPicture(const SpriteSet& set, int frame);
// Where the pictures put a hero's body centre (columns right of its x) and
// its floor (rows below its y); -1 for a set that is no hero's.
int HeroBodyColumn(const char* set);
int HeroFloorRow(const char* set);
