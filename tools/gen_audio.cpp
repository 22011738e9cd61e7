// The sound effects: 21 short mono 16-bit WAV files, each synthesised from
// oscillators, noise and a few filters, and the tunes (gen_midi.cpp).
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "engine/sound.h"
#include "gen_audio.h"
#include "gen_data.h"

namespace gen_audio {

bool WriteFile(const std::string& root, const std::string& relative, const std::vector<uint8_t>& bytes) {
    namespace fs = std::filesystem;
    const fs::path path = fs::path(root) / relative;
    std::error_code ec;
    fs::create_directories(path.parent_path(), ec);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (out) out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        std::fprintf(stderr, "gen_data: cannot write %s\n", path.string().c_str());
        return false;
    }
    return true;
}

}  // namespace gen_audio

namespace {

using gen_audio::Rng;

constexpr int kRate = 22050;
constexpr float kPi = 3.14159265358979f;

using Samples = std::vector<float>;

int Len(float seconds) { return static_cast<int>(seconds * kRate); }
float T(int i) { return static_cast<float>(i) / kRate; }

// Exponential glide from a to b over the length d (then held).
float Glide(float a, float b, float t, float d) { return a * std::pow(b / a, std::min(t / d, 1.0f)); }

float Decay(float t, float tau) { return std::exp(-t / tau); }

// Attack to 1 over a, then exponential decay with time constant tau.
float AttackDecay(float t, float a, float tau) { return t < a ? t / a : Decay(t - a, tau); }

// Phase-accumulating oscillator; f gives the frequency at each sample.
class Osc {
public:
    float Sine(float freq) { return std::sin(2 * kPi * Step(freq)); }
    float Saw(float freq) { return 2 * Step(freq) - 1; }
    float Square(float freq, float duty = 0.5f) { return Step(freq) < duty ? 1.0f : -1.0f; }
    float Triangle(float freq) {
        const float p = Step(freq);
        return p < 0.5f ? 4 * p - 1 : 3 - 4 * p;
    }

private:
    float Step(float freq) {
        const float p = phase_;
        phase_ += freq / kRate;
        phase_ -= std::floor(phase_);
        return p;
    }
    float phase_ = 0;
};

class LowPass {
public:
    float operator()(float x, float cutoff) {
        const float a = 1 - std::exp(-2 * kPi * cutoff / kRate);
        y_ += a * (x - y_);
        return y_;
    }

private:
    float y_ = 0;
};

class HighPass {
public:
    float operator()(float x, float cutoff) { return x - lp_(x, cutoff); }

private:
    LowPass lp_;
};

// Resonant band-pass (constant 0 dB peak), for formants and tuned noise.
class BandPass {
public:
    float operator()(float x, float freq, float q) {
        const float w = 2 * kPi * std::min(freq, kRate * 0.45f) / kRate;
        const float alpha = std::sin(w) / (2 * q);
        const float a0 = 1 + alpha;
        const float b0 = alpha / a0, b2 = -alpha / a0;
        const float a1 = -2 * std::cos(w) / a0, a2 = (1 - alpha) / a0;
        const float y = b0 * x + b2 * x2_ - a1 * y1_ - a2 * y2_;
        x2_ = x1_;
        x1_ = x;
        y2_ = y1_;
        y1_ = y;
        return y;
    }

private:
    float x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

// A voice: glottal buzz through two or three formant filters.
struct Vowel {
    float f1, f2, f3;
};

Samples Voice(float seconds, float pitchFrom, float pitchTo, Vowel from, Vowel to, float attack, float tau, Rng& rng) {
    Samples s(Len(seconds));
    Osc glottis, vibrato;
    BandPass b1, b2, b3;
    for (size_t i = 0; i < s.size(); ++i) {
        const float t = T(static_cast<int>(i));
        const float k = std::min(t / seconds, 1.0f);
        const float f0 = Glide(pitchFrom, pitchTo, t, seconds) * (1 + 0.02f * vibrato.Sine(7));
        const float buzz = glottis.Saw(f0) + 0.15f * rng.Noise();
        const float f1 = from.f1 + (to.f1 - from.f1) * k;
        const float f2 = from.f2 + (to.f2 - from.f2) * k;
        const float f3 = from.f3 + (to.f3 - from.f3) * k;
        const float v = b1(buzz, f1, 6) + 0.6f * b2(buzz, f2, 8) + 0.25f * b3(buzz, f3, 10);
        s[i] = v * AttackDecay(t, attack, tau);
    }
    return s;
}

// Mixes b into a from a time offset.
void MixAt(Samples& a, const Samples& b, float at, float gain = 1.0f) {
    const size_t start = static_cast<size_t>(Len(at));
    if (a.size() < start + b.size()) a.resize(start + b.size());
    for (size_t i = 0; i < b.size(); ++i) a[start + i] += gain * b[i];
}

// A plucked note with a quick decay: bells, harp, chime.
Samples Bell(float seconds, float freq, float tau) {
    Samples s(Len(seconds));
    Osc a, b, c;
    for (size_t i = 0; i < s.size(); ++i) {
        const float t = T(static_cast<int>(i));
        s[i] = (a.Sine(freq) + 0.4f * b.Sine(freq * 2.76f) + 0.2f * c.Sine(freq * 5.4f)) * AttackDecay(t, 0.004f, tau);
    }
    return s;
}

// A chiptune-like note: square with a little decay, for fanfares.
Samples Note(float seconds, float freq, float duty, float tau) {
    Samples s(Len(seconds));
    Osc o, sub;
    LowPass lp;
    for (size_t i = 0; i < s.size(); ++i) {
        const float t = T(static_cast<int>(i));
        const float env = AttackDecay(t, 0.006f, tau) * (t > seconds - 0.02f ? (seconds - t) / 0.02f : 1);
        s[i] = lp(0.7f * o.Square(freq, duty) + 0.3f * sub.Triangle(freq / 2), 5000) * env;
    }
    return s;
}

float Midi(int note) { return 440.0f * std::pow(2.0f, (note - 69) / 12.0f); }

Samples Whip(Rng& rng) {
    Samples s(Len(0.34f));
    BandPass swoosh;
    HighPass hp;
    for (size_t i = 0; i < s.size(); ++i) {
        const float t = T(static_cast<int>(i));
        float v = 0;
        if (t < 0.24f) v += swoosh(rng.Noise(), Glide(350, 3200, t, 0.24f), 2.5f) * (t / 0.24f) * 0.9f;
        if (t >= 0.22f) v += hp(rng.Noise(), 1800) * Decay(t - 0.22f, 0.018f) * 2.2f;
        s[i] = v;
    }
    return s;
}

Samples Hit(Rng& rng) {
    Samples s(Len(0.18f));
    Osc o;
    LowPass lp;
    for (size_t i = 0; i < s.size(); ++i) {
        const float t = T(static_cast<int>(i));
        s[i] = o.Sine(Glide(190, 55, t, 0.12f)) * Decay(t, 0.05f) + lp(rng.Noise(), 2500) * Decay(t, 0.02f) * 1.6f;
    }
    return s;
}

Samples Dead(Rng& rng) {
    Samples s(Len(1.3f));
    Osc o, vib;
    LowPass lp, rumble;
    for (size_t i = 0; i < s.size(); ++i) {
        const float t = T(static_cast<int>(i));
        const float f = Glide(660, 82, t, 1.1f) * (1 + 0.03f * vib.Sine(6));
        s[i] = lp(o.Saw(f), 1800) * AttackDecay(t, 0.02f, 0.55f) + rumble(rng.Noise(), 200) * Decay(t, 0.4f) * 1.5f;
    }
    return s;
}

Samples Nokezori(Rng& rng) {
    return Voice(0.36f, 250, 165, Vowel{700, 1150, 2500}, Vowel{450, 900, 2400}, 0.015f, 0.12f, rng);
}

Samples Fanfare(const std::vector<int>& notes, const std::vector<float>& lengths, float hold, float tau) {
    Samples s;
    float at = 0;
    for (size_t n = 0; n < notes.size(); ++n) {
        const bool last = n + 1 == notes.size();
        const float len = last ? hold : lengths[n % lengths.size()];
        MixAt(s, Note(len, Midi(notes[n]), 0.5f, last ? tau : 0.5f), at, 0.6f);
        if (last) {
            // The closing chord under the last note.
            MixAt(s, Note(len, Midi(notes[n] - 5), 0.25f, tau), at, 0.3f);
            MixAt(s, Note(len, Midi(notes[n] - 8), 0.25f, tau), at, 0.3f);
            MixAt(s, Note(len, Midi(notes[n] - 24), 0.5f, tau), at, 0.35f);
        }
        at += len;
    }
    return s;
}

Samples Clear(Rng&) { return Fanfare({72, 76, 79, 84}, {0.11f}, 1.1f, 0.6f); }

Samples AllClear(Rng& rng) {
    Samples s = Fanfare({72, 72, 72, 72, 68, 70, 72, 70, 72}, {0.12f, 0.12f, 0.12f, 0.36f, 0.36f, 0.36f, 0.24f, 0.12f},
                        1.8f, 0.9f);
    // A snare roll under the opening notes.
    HighPass hp;
    for (size_t i = 0; i < static_cast<size_t>(Len(1.4f)) && i < s.size(); ++i) {
        const float t = T(static_cast<int>(i));
        const float beat = std::fmod(t, 0.06f);
        s[i] += hp(rng.Noise(), 1200) * Decay(beat, 0.02f) * 0.25f * (1 - t / 1.4f);
    }
    return s;
}

Samples Pasya(Rng& rng) {
    Samples s(Len(0.5f));
    HighPass hp;
    LowPass lp;
    for (size_t i = 0; i < s.size(); ++i) {
        const float t = T(static_cast<int>(i));
        s[i] = lp(hp(rng.Noise(), 700), 6000) * AttackDecay(t, 0.01f, 0.12f);
    }
    // Droplets.
    for (int d = 0; d < 6; ++d) {
        const float at = 0.03f + 0.06f * static_cast<float>(rng.Below(6));
        const float f = static_cast<float>(rng.Range(700, 1400));
        Samples drop(Len(0.04f));
        Osc o;
        for (size_t i = 0; i < drop.size(); ++i) {
            const float t = T(static_cast<int>(i));
            drop[i] = o.Sine(Glide(f, f * 2.2f, t, 0.04f)) * Decay(t, 0.012f);
        }
        MixAt(s, drop, at, 0.35f);
    }
    return s;
}

Samples San(Rng& rng) {
    Samples s(Len(0.45f));
    BandPass bp;
    Osc a, b, c;
    for (size_t i = 0; i < s.size(); ++i) {
        const float t = T(static_cast<int>(i));
        const float ring = (a.Sine(2110) + 0.7f * b.Sine(3390) + 0.5f * c.Sine(5230)) * Decay(t, 0.12f) * 0.35f;
        s[i] = bp(rng.Noise(), Glide(2500, 7000, t, 0.08f), 1.5f) * Decay(t, 0.04f) * 1.5f + ring;
    }
    return s;
}

Samples Fyenriru(Rng& rng) {
    Samples s(Len(1.1f));
    Osc o, vib;
    BandPass f1, f2;
    LowPass lp;
    for (size_t i = 0; i < s.size(); ++i) {
        const float t = T(static_cast<int>(i));
        float f = t < 0.35f ? Glide(280, 620, t, 0.35f) : Glide(620, 430, t - 0.35f, 0.7f);
        f *= 1 + 0.025f * vib.Sine(5.5f);
        const float buzz = o.Saw(f) + 0.3f * rng.Noise();
        const float v = f1(buzz, 800, 5) + 0.5f * f2(buzz, 1200, 6);
        s[i] = lp(v, 3000) * AttackDecay(t, 0.12f, 0.45f);
    }
    return s;
}

Samples Yumi(Rng& rng) {
    // Plucked string (Karplus-Strong), then the arrow's swish.
    Samples s(Len(0.45f));
    std::vector<float> line(static_cast<size_t>(kRate / 196));
    for (float& v : line) v = rng.Noise();
    size_t pos = 0;
    float prev = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        const float cur = line[pos];
        const float next = 0.996f * 0.5f * (cur + prev);
        prev = cur;
        line[pos] = next;
        pos = (pos + 1) % line.size();
        s[i] = cur * 0.8f;
    }
    BandPass bp;
    for (size_t i = 0; i < static_cast<size_t>(Len(0.2f)); ++i) {
        const float t = T(static_cast<int>(i));
        s[i + static_cast<size_t>(Len(0.05f))] += bp(rng.Noise(), Glide(2500, 900, t, 0.2f), 3) * (1 - t / 0.2f) * 0.5f;
    }
    return s;
}

Samples Don(Rng& rng) {
    Samples s(Len(0.75f));
    Osc o;
    LowPass lp, lp2;
    for (size_t i = 0; i < s.size(); ++i) {
        const float t = T(static_cast<int>(i));
        s[i] = o.Sine(Glide(95, 34, t, 0.4f)) * Decay(t, 0.22f) * 1.2f +
               lp2(lp(rng.Noise(), 900), 900) * AttackDecay(t, 0.003f, 0.16f) * 2.5f;
    }
    return s;
}

Samples Flash(Rng& rng) {
    Samples s(Len(0.55f));
    Osc o, trem;
    HighPass hp;
    for (size_t i = 0; i < s.size(); ++i) {
        const float t = T(static_cast<int>(i));
        const float zap = o.Square(Glide(300, 2600, t, 0.25f), 0.3f) * Decay(t, 0.18f) * 0.5f;
        const float sparkle = hp(rng.Noise(), 4000) * (0.5f + 0.5f * trem.Square(31)) * AttackDecay(t, 0.05f, 0.2f);
        s[i] = zap + sparkle;
    }
    return s;
}

Samples Fire(Rng& rng) {
    Samples s(Len(0.85f));
    LowPass roar, flicker, lp2;
    for (size_t i = 0; i < s.size(); ++i) {
        const float t = T(static_cast<int>(i));
        const float mod = 0.6f + 2.5f * std::fabs(flicker(rng.Noise(), 18));
        const float v = lp2(roar(rng.Noise(), 1100), 1400) * mod;
        s[i] = v * (t < 0.06f ? t / 0.06f : 1.0f) * (t > 0.5f ? Decay(t - 0.5f, 0.12f) : 1.0f);
    }
    return s;
}

Samples No(Rng& rng) {
    Samples s = Voice(0.95f, 118, 78, Vowel{320, 1000, 2300}, Vowel{480, 820, 2400}, 0.06f, 0.45f, rng);
    return s;
}

Samples Mataaou(Rng&) {
    // A short farewell phrase on soft bells, with an echo.
    const int notes[] = {67, 69, 71, 74, 72, 71, 72, 79};
    const float lens[] = {0.18f, 0.18f, 0.18f, 0.36f, 0.18f, 0.18f, 0.18f, 0.9f};
    Samples s;
    float at = 0;
    for (int n = 0; n < 8; ++n) {
        MixAt(s, Bell(lens[n] + 0.4f, Midi(notes[n]), n == 7 ? 0.6f : 0.25f), at, 0.5f);
        MixAt(s, Bell(lens[n] + 0.3f, Midi(notes[n] - 12), 0.3f), at, 0.2f);
        at += lens[n];
    }
    Samples echo = s;
    MixAt(s, echo, 0.27f, 0.3f);
    return s;
}

Samples SeliyaDamage(Rng& rng) {
    return Voice(0.32f, 560, 410, Vowel{850, 1650, 2900}, Vowel{700, 1400, 2800}, 0.01f, 0.11f, rng);
}

Samples SeliyaHimitu(Rng& rng) {
    Samples s;
    const int scale[] = {0, 2, 4, 7, 9};
    for (int n = 0; n < 10; ++n) {
        const int note = 72 + scale[n % 5] + 12 * (n / 5);
        MixAt(s, Bell(0.5f, Midi(note), 0.18f), 0.065f * n, 0.4f);
    }
    HighPass hp;
    Osc trem;
    for (size_t i = 0; i < s.size(); ++i) {
        const float t = T(static_cast<int>(i));
        s[i] += hp(rng.Noise(), 6000) * (0.5f + 0.5f * trem.Sine(23)) * AttackDecay(t, 0.3f, 0.3f) * 0.3f;
    }
    return s;
}

Samples NerysDamage(Rng& rng) {
    return Voice(0.3f, 640, 470, Vowel{560, 2100, 3000}, Vowel{480, 1900, 2900}, 0.008f, 0.1f, rng);
}

Samples Kidan(Rng&) {
    Samples s(Len(0.3f));
    Osc o, ring;
    for (size_t i = 0; i < s.size(); ++i) {
        const float t = T(static_cast<int>(i));
        s[i] = o.Square(Glide(1500, 280, t, 0.25f), 0.25f) * (0.6f + 0.4f * ring.Sine(90)) * Decay(t, 0.1f) * 0.6f;
    }
    return s;
}

Samples Kick(Rng& rng) {
    Samples s(Len(0.24f));
    BandPass bp;
    Osc o;
    for (size_t i = 0; i < s.size(); ++i) {
        const float t = T(static_cast<int>(i));
        float v = 0;
        if (t < 0.12f) v += bp(rng.Noise(), Glide(600, 2400, t, 0.12f), 2) * (t / 0.12f) * 0.8f;
        if (t >= 0.1f) v += o.Sine(Glide(130, 48, t - 0.1f, 0.1f)) * Decay(t - 0.1f, 0.04f) * 1.2f;
        s[i] = v;
    }
    return s;
}

Samples Brakfist(Rng& rng) {
    Samples s(Len(0.45f));
    Osc o;
    LowPass lp;
    for (size_t i = 0; i < s.size(); ++i) {
        const float t = T(static_cast<int>(i));
        // Crunch: coarse, held noise, then the low boom.
        const float crunch = std::round(rng.Noise() * 3) / 3 * Decay(t, 0.05f);
        s[i] = lp(crunch, 3500) * 1.4f + o.Sine(Glide(110, 38, t, 0.25f)) * AttackDecay(t, 0.004f, 0.14f) * 1.3f;
    }
    return s;
}

std::vector<uint8_t> EncodeWave(Samples s) {
    // Peak at about -2 dB, with short fades so nothing clicks.
    float peak = 0;
    for (float v : s) peak = std::max(peak, std::fabs(v));
    const float gain = peak > 0 ? 0.8f / peak : 0;
    const size_t fadeIn = 22, fadeOut = static_cast<size_t>(Len(0.006f));
    std::vector<uint8_t> out;
    const auto dataBytes = static_cast<uint32_t>(s.size() * 2);
    auto put16 = [&](uint32_t v) {
        out.push_back(static_cast<uint8_t>(v));
        out.push_back(static_cast<uint8_t>(v >> 8));
    };
    auto put32 = [&](uint32_t v) {
        put16(v & 0xFFFF);
        put16(v >> 16);
    };
    out.reserve(44 + dataBytes);
    auto tag = [&](const char* t) {
        for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(t[i]));
    };
    tag("RIFF");
    put32(36 + dataBytes);
    tag("WAVE");
    tag("fmt ");
    put32(16);
    put16(1);  // PCM
    put16(1);  // mono
    put32(kRate);
    put32(kRate * 2);
    put16(2);
    put16(16);
    tag("data");
    put32(dataBytes);
    for (size_t i = 0; i < s.size(); ++i) {
        float v = s[i] * gain;
        if (i < fadeIn) v *= static_cast<float>(i) / fadeIn;
        if (s.size() - i <= fadeOut) v *= static_cast<float>(s.size() - i - 1) / fadeOut;
        const long q = std::lround(std::clamp(v, -1.0f, 1.0f) * 32767.0f);
        put16(static_cast<uint32_t>(static_cast<uint16_t>(static_cast<int16_t>(q))));
    }
    return out;
}

struct Effect {
    const char* name;  // file name under wave/
    Samples (*make)(Rng&);
};

const Effect kEffects[] = {
    {"WHIP.wav", Whip},
    {"DEAD.wav", Dead},
    {"HIT.wav", Hit},
    {"NOKEZORI.wav", Nokezori},
    {"CLEAR.wav", Clear},
    {"PASYA.wav", Pasya},
    {"SAN.wav", San},
    {"FYENRIRU.wav", Fyenriru},
    {"YUMI.wav", Yumi},
    {"DON.wav", Don},
    {"flash.wav", Flash},
    {"fire.wav", Fire},
    {"no.wav", No},
    {"Mataaou.wav", Mataaou},
    {"ALLCLEAR.wav", AllClear},
    {"Seliya_Damege.wav", SeliyaDamage},
    {"Seliya_himitu.wav", SeliyaHimitu},
    {"Nerys_Damege.wav", NerysDamage},
    {"kidan.wav", Kidan},
    {"kick.wav", Kick},
    {"brakfist.wav", Brakfist},
};

}  // namespace

bool GenerateAudio(const std::string& root) {
    // Every file the wave table names must be one of ours.
    for (const char* path : g_waveFiles) {
        const std::string name = std::string(path).substr(5);
        bool known = false;
        for (const Effect& e : kEffects) known = known || name == e.name;
        if (!known) {
            std::fprintf(stderr, "gen_data: no sound made for %s\n", path);
            return false;
        }
    }
    uint32_t seed = 1;
    for (const Effect& e : kEffects) {
        Rng rng(0x5EED0000u + seed++);
        if (!gen_audio::WriteFile(root, std::string("wave/") + e.name, EncodeWave(e.make(rng)))) return false;
    }
    return gen_audio::GenerateTunes(root);
}
