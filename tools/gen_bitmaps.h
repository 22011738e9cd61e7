#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/platform.h"

// The one palette of every picture: 0 black, 255 white, 1-30 greys, then 14
// colour ramps of 16 shades from dark to light.
void BuildPalette(platform::Color (&entries)[256]);
constexpr int kRampCount = 14;
constexpr uint8_t Shade(int ramp, int shade) { return static_cast<uint8_t>(31 + ramp * 16 + shade); }
constexpr uint8_t Grey(int level) { return static_cast<uint8_t>(1 + level); }  // level 0 to 29

// An 8-bit Windows bitmap (bottom-up, 256-entry colour table) of a top-down
// picture, as bytes: plain BI_RGB, or run-length coded (RLE8) with rle.
std::vector<uint8_t> EncodeBmp(int width, int height, const uint8_t* pixels, const platform::Color (&palette)[256],
                               bool rle = false);

// One frame of a sprite set as the data tree holds it, top-down, in the
// set's frame size (the life bars too).
struct SpriteSet;
std::vector<uint8_t> FramePicture(const SpriteSet& set, int frame);

// One 640 x 480 background panel (file) of a stage, top-down.
std::vector<uint8_t> PanelPicture(int stage, int file);

// Floor and wall rectangles (world x, screen y) that a stage's panels show.
std::vector<platform::Rect> PanelFloorRects(int stage);

// Where a game path lands below root: '\' becomes '/', and every folder is
// spelt the way most game paths spell it, so one folder serves them all.
std::string DiskPathFor(const std::string& root, const char* gamePath);
