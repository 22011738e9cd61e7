#include "gen_art.h"

bool PaintLateFoe(const SpriteSet&, int, Canvas&) { return false; }
