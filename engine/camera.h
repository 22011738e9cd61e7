#pragma once

#include <cstdint>

#include "platform/platform.h"

using Rect = platform::Rect;

// World x to screen x: the view follows the hero, resting on either stage end.
int32_t WorldToScreenX(int32_t x);
// The same rule for a given hero x and stage length.
int32_t CameraScreenX(int32_t x, int32_t heroX, int32_t endX);
// Strict overlap: rectangles that only touch along an edge do not overlap.
int32_t RectsOverlap(const Rect& a, const Rect& b);
