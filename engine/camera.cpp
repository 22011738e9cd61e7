#include "engine/camera.h"

#include "engine/game_state.h"

// Before the player front points at a hero (only while globals are built) the
// hero stands at 0.
int32_t WorldToScreenX(int32_t x) { return CameraScreenX(x, g_heroX ? *g_heroX : 0, g_stageEndX); }

int32_t CameraScreenX(int32_t x, int32_t hx, int32_t end) {
    if (hx < 320) return x;
    if (hx > end - 280) return x + 600 - end;
    return x + 320 - hx;
}

int32_t RectsOverlap(const Rect& a, const Rect& b) {
    return (a.left < b.right && a.right > b.left && a.bottom > b.top && a.top < b.bottom) ? 1 : 0;
}
