#include "gen_art.h"

bool PaintEarlyFoe(const SpriteSet&, int, Canvas&) { return false; }
