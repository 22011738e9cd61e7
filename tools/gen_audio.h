#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Shared by the sound-effect and tune writers.
namespace gen_audio {

// A small deterministic generator (xorshift32): the data must come out the
// same on every build, whatever the standard library's rand does.
class Rng {
public:
    explicit Rng(uint32_t seed) : s_(seed ? seed : 0x9E3779B9u) {
        for (int i = 0; i < 4; ++i) Next();
    }
    uint32_t Next() {
        s_ ^= s_ << 13;
        s_ ^= s_ >> 17;
        s_ ^= s_ << 5;
        return s_;
    }
    // 0 to n - 1.
    int Below(int n) { return n <= 0 ? 0 : static_cast<int>(Next() % static_cast<uint32_t>(n)); }
    // lo to hi inclusive.
    int Range(int lo, int hi) { return lo + Below(hi - lo + 1); }
    // -1 to 1.
    float Noise() { return static_cast<float>(Next() >> 8) / 8388608.0f - 1.0f; }
    template <typename T>
    const T& Pick(const std::vector<T>& v) {
        return v[static_cast<size_t>(Below(static_cast<int>(v.size())))];
    }

private:
    uint32_t s_;
};

// Writes bytes to root/relative (relative with '/' separators), making the
// folders; says why on standard error and returns false on failure.
bool WriteFile(const std::string& root, const std::string& relative, const std::vector<uint8_t>& bytes);

// The tunes: one standard MIDI file per track of every music list.
bool GenerateTunes(const std::string& root);
// One tune as a standard MIDI file (list 0 the title, 1 to 50 the stages).
std::vector<uint8_t> ComposeTune(int list, int track);

}  // namespace gen_audio
