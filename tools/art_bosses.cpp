#include "gen_art.h"

bool PaintBossOrFinale(const SpriteSet&, int, Canvas&) { return false; }
