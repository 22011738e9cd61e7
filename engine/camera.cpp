#include "engine/camera.h"

// The camera follows the hero along the stage: the one place a service reads
// the layers above it.
#include "players/player_front.h"
#include "stages/stage.h"

int32_t WorldToScreenX(int32_t x) { return CameraScreenX(x, g_playerFront.GetX(), g_stage.GetEndX()); }

int32_t CameraScreenX(int32_t x, int32_t hx, int32_t end) {
    if (hx < 320) return x;
    if (hx > end - 280) return x + 600 - end;
    return x + 320 - hx;
}

int32_t RectsOverlap(const Rect& a, const Rect& b) {
    return (a.left < b.right && a.right > b.left && a.bottom > b.top && a.top < b.bottom) ? 1 : 0;
}
