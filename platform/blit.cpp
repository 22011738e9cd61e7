#include <cstring>

#include "platform.h"

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace platform {

Surface::Surface(int width, int height)
    : width_(width > 0 ? width : 0),
      height_(height > 0 ? height : 0),
      pixels_(static_cast<size_t>(width_) * static_cast<size_t>(height_), 0) {}

namespace {

bool Valid(const Rect& r, int w, int h) {
    return r.left < r.right && r.top < r.bottom && r.left >= 0 && r.top >= 0 && r.right <= w && r.bottom <= h;
}

Rect Whole(const Surface& s) { return Rect{0, 0, s.Width(), s.Height()}; }

// One row of a keyed copy without a branch per pixel, sixteen or thirty-two
// at a time: the key's pixels keep what the destination held.
void KeyedTail(uint8_t* out, const uint8_t* in, int x, int n, uint8_t key) {
    for (; x < n; ++x) {
        const uint8_t v = in[x];
        const auto keep = static_cast<uint8_t>(-static_cast<int>(v == key));  // 0xFF on the key
        out[x] = static_cast<uint8_t>((out[x] & keep) | (v & ~keep));
    }
}

#if defined(__x86_64__)
void KeyedRowSse2(uint8_t* out, const uint8_t* in, int n, uint8_t key) {
    const __m128i k = _mm_set1_epi8(static_cast<char>(key));
    int x = 0;
    for (; x + 16 <= n; x += 16) {
        const __m128i src = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + x));
        const __m128i dst = _mm_loadu_si128(reinterpret_cast<const __m128i*>(out + x));
        const __m128i keyed = _mm_cmpeq_epi8(src, k);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + x),
                         _mm_or_si128(_mm_and_si128(keyed, dst), _mm_andnot_si128(keyed, src)));
    }
    KeyedTail(out, in, x, n, key);
}

__attribute__((target("avx2"))) void KeyedRowAvx2(uint8_t* out, const uint8_t* in, int n, uint8_t key) {
    const __m256i k = _mm256_set1_epi8(static_cast<char>(key));
    int x = 0;
    for (; x + 32 <= n; x += 32) {
        const __m256i src = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(in + x));
        const __m256i dst = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(out + x));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + x),
                            _mm256_blendv_epi8(src, dst, _mm256_cmpeq_epi8(src, k)));
    }
    if (x + 16 <= n) {
        KeyedRowSse2(out + x, in + x, n - x, key);
        return;
    }
    KeyedTail(out, in, x, n, key);
}

void KeyedRow(uint8_t* out, const uint8_t* in, int n, uint8_t key) {
    using Row = void (*)(uint8_t*, const uint8_t*, int, uint8_t);
    static const Row row = [] {
        __builtin_cpu_init();
        return __builtin_cpu_supports("avx2") ? KeyedRowAvx2 : KeyedRowSse2;
    }();
    row(out, in, n, key);
}
#else
void KeyedRow(uint8_t* out, const uint8_t* in, int n, uint8_t key) { KeyedTail(out, in, 0, n, key); }
#endif

}  // namespace

bool Blit(Surface& dst, const Rect* dstRect, const Surface& src, const Rect* srcRect, bool useKey) {
    const Rect d = dstRect ? *dstRect : Whole(dst);
    const Rect s = srcRect ? *srcRect : Whole(src);
    if (!Valid(d, dst.Width(), dst.Height()) || !Valid(s, src.Width(), src.Height())) return false;
    const int dw = d.right - d.left, dh = d.bottom - d.top;
    const int sw = s.right - s.left, sh = s.bottom - s.top;
    const int key = useKey ? src.ColorKey() : -1;

    if (dw == sw && dh == sh) {
        for (int y = 0; y < dh; ++y) {
            const uint8_t* in = src.Row(s.top + y) + s.left;
            uint8_t* out = dst.Row(d.top + y) + d.left;
            if (key < 0) {
                std::memcpy(out, in, static_cast<size_t>(dw));
            } else {
                KeyedRow(out, in, dw, static_cast<uint8_t>(key));
            }
        }
        return true;
    }
    // Nearest-neighbour stretch: sample the centre of each destination pixel.
    for (int y = 0; y < dh; ++y) {
        const int sy = s.top + static_cast<int>((static_cast<int64_t>(2 * y + 1) * sh) / (2 * dh));
        const uint8_t* in = src.Row(sy);
        uint8_t* out = dst.Row(d.top + y) + d.left;
        for (int x = 0; x < dw; ++x) {
            const int sx = s.left + static_cast<int>((static_cast<int64_t>(2 * x + 1) * sw) / (2 * dw));
            const uint8_t v = in[sx];
            if (key < 0 || v != static_cast<uint8_t>(key)) out[x] = v;
        }
    }
    return true;
}

bool Fill(Surface& dst, const Rect* rect, uint8_t index) {
    const Rect d = rect ? *rect : Whole(dst);
    if (!Valid(d, dst.Width(), dst.Height())) return false;
    for (int y = d.top; y < d.bottom; ++y)
        std::memset(dst.Row(y) + d.left, index, static_cast<size_t>(d.right - d.left));
    return true;
}

}  // namespace platform
