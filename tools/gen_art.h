#pragma once

// Painters of particular kinds, each for one group of families. A painter
// that knows the set paints frame into c (already sized and filled with the
// set's key) and returns true; otherwise it leaves c alone and returns false.
// Every set must be claimed by one of them: the generator fails on a set
// that none draws.
#include "engine/sprite_sets.h"
#include "gen_canvas.h"

// Walkers, self-reviving foes, the early shooters and their shots, traps,
// fliers, swarms and jumpers.
bool PaintEarlyFoe(const SpriteSet& set, int frame, Canvas& c);
// Armoured warriors, champions, droppers, ranged foes and their shots,
// hazards, ground and late foes.
bool PaintLateFoe(const SpriteSet& set, int frame, Canvas& c);
// Bosses with their shots and minions, the clear orb and the last stage's set.
bool PaintBossOrFinale(const SpriteSet& set, int frame, Canvas& c);
