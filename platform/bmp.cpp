// Reading the game's 8-bit Windows bitmaps and finding them on disk.
#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>

#include <cstdio>
#include <cstring>

#include "platform.h"

namespace platform {

namespace {

uint32_t U16(const uint8_t* p) { return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8); }
uint32_t U32(const uint8_t* p) { return U16(p) | (U16(p + 2) << 16); }

// An RLE8 stream's runs hold at most 255 pixels in 2 bytes; a header claiming
// far more pixels than its stream could fill is damaged, and would otherwise
// cost memory and time the file never paid for. Up to a screenful is always
// allowed, so that a mostly empty small picture stays readable.
constexpr size_t kRle8PixelsPerByte = 128;
constexpr size_t kRle8FreePixels = 640 * 480;

// RLE8 into a top-down buffer of width x height, zero-filled beforehand (the
// stream runs bottom-up). A stream that runs out before its end marker, or
// that writes past the picture, is damaged.
bool DecodeRle8(const uint8_t* p, size_t n, int width, int height, std::vector<uint8_t>& rows) {
    const auto at = [&](int x, int y) { return &rows[static_cast<size_t>(height - 1 - y) * width + x]; };
    size_t i = 0;
    int x = 0, y = 0;
    for (;;) {
        if (i + 2 > n) return false;
        const uint8_t count = p[i], value = p[i + 1];
        i += 2;
        if (count > 0) {
            if (y >= height || x + count > width) return false;
            std::memset(at(x, y), value, count);
            x += count;
            continue;
        }
        switch (value) {
            case 0:  // end of line
                x = 0;
                ++y;
                break;
            case 1:  // end of picture
                return true;
            case 2: {  // move right and up
                if (i + 2 > n) return false;
                x += p[i];
                y += p[i + 1];
                i += 2;
                if (x > width || y > height) return false;
                break;
            }
            default: {  // a run of literal pixels, padded to a word
                const size_t len = value;
                if (i + len > n || y >= height || x + static_cast<int>(len) > width) return false;
                std::memcpy(at(x, y), p + i, len);
                x += static_cast<int>(len);
                i += len + (len & 1);
                break;
            }
        }
    }
}

}  // namespace

bool DecodeBmp(const uint8_t* data, size_t size, Bitmap& out) {
    constexpr size_t kFileHeader = 14;
    if (!data || size < kFileHeader + 40) return false;
    if (data[0] != 'B' || data[1] != 'M') return false;
    const uint32_t pixelOffset = U32(data + 10);
    const uint32_t infoSize = U32(data + 14);
    if (infoSize < 40 || infoSize > size - kFileHeader) return false;
    const int32_t width = static_cast<int32_t>(U32(data + 18));
    const int32_t rawHeight = static_cast<int32_t>(U32(data + 22));
    const uint32_t planes = U16(data + 26);
    const uint32_t bits = U16(data + 28);
    const uint32_t compression = U32(data + 30);
    uint32_t colours = U32(data + 46);
    if (planes != 1 || bits != 8) return false;
    if (width <= 0 || width > kMaxBitmapSide) return false;
    if (rawHeight == 0 || rawHeight < -kMaxBitmapSide || rawHeight > kMaxBitmapSide) return false;
    const bool topDown = rawHeight < 0;
    const int height = topDown ? -rawHeight : rawHeight;
    if (static_cast<int64_t>(width) * height > kMaxBitmapPixels) return false;
    if (compression != 0 && compression != 1) return false;
    if (compression == 1 && topDown) return false;  // RLE8 pictures are bottom-up only
    if (colours == 0) colours = 256;
    if (colours > 256) return false;

    const size_t tableAt = kFileHeader + infoSize;
    if (tableAt + static_cast<size_t>(colours) * 4 > size) return false;
    if (pixelOffset < tableAt || pixelOffset >= size) return false;

    const size_t w = static_cast<size_t>(width), h = static_cast<size_t>(height);
    const uint8_t* pix = data + pixelOffset;
    const size_t avail = size - pixelOffset;
    const size_t stride = (w + 3) & ~static_cast<size_t>(3);
    // The last row may lack its padding; anything shorter is cut off.
    if (compression == 0 && stride * (h - 1) + w > avail) return false;
    if (compression == 1 && w * h > kRle8FreePixels && w * h / kRle8PixelsPerByte > avail) return false;
    // Straight into out, top-down; its buffer is reused from the last picture.
    out.pixels.assign(w * h, 0);
    if (compression == 0) {
        for (size_t r = 0; r < h; ++r) std::memcpy(&out.pixels[r * w], pix + (topDown ? r : h - 1 - r) * stride, w);
    } else if (!DecodeRle8(pix, avail, width, height, out.pixels)) {
        return false;
    }
    out.width = width;
    out.height = height;
    out.paletteCount = static_cast<int>(colours);
    for (uint32_t c = 0; c < 256; ++c) {
        if (c < colours) {
            const uint8_t* e = data + tableAt + c * 4;
            out.palette[c] = Color{e[2], e[1], e[0], 0};
        } else {
            out.palette[c] = Color{0, 0, 0, 0};
        }
    }
    return true;
}

std::string ResolveDataPath(const char* gamePath) {
    std::string plain = gamePath ? gamePath : "";
    for (char& c : plain)
        if (c == '\\') c = '/';
    struct stat st;
    if (plain.empty() || ::stat(plain.c_str(), &st) == 0) return plain;

    // Walk the components, taking the first entry that matches regardless of case.
    std::string resolved = plain[0] == '/' ? "/" : "";
    size_t start = 0;
    while (start < plain.size()) {
        size_t end = plain.find('/', start);
        if (end == std::string::npos) end = plain.size();
        std::string part(plain, start, end - start);
        start = end + 1;
        if (part.empty()) continue;
        const size_t base = resolved.size();
        if (base > 0 && resolved.back() != '/') resolved.push_back('/');
        resolved.append(part);
        if (::stat(resolved.c_str(), &st) == 0) continue;
        resolved.resize(base);
        DIR* dir = ::opendir(base == 0 ? "." : resolved.c_str());
        if (!dir) return plain;
        bool found = false;
        while (const dirent* e = ::readdir(dir)) {
            if (::strcasecmp(e->d_name, part.c_str()) == 0) {
                part.assign(e->d_name);
                found = true;
                break;
            }
        }
        ::closedir(dir);
        if (!found) return plain;
        if (base > 0 && resolved.back() != '/') resolved.push_back('/');
        resolved.append(part);
    }
    return resolved;
}

}  // namespace platform
