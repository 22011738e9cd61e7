// The tunes: a small rule-based composer that writes one standard MIDI file
// per track of the title and stage lists. Each tune has a key, mode, tempo,
// chord progressions, a melody built from repeated two-bar motifs, an
// accompaniment, a bass line and (mostly) drums, all drawn from a generator
// seeded by the list and track, so every file differs and every build writes
// the same bytes.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "engine/music.h"
#include "gen_audio.h"

namespace gen_audio {

namespace {

constexpr int kTicksPerQuarter = 480;
constexpr int kEighth = kTicksPerQuarter / 2;
constexpr int kDrums = 9;

// ---- standard MIDI file writer -------------------------------------------

struct Event {
    uint32_t tick;
    int order;  // at one tick: note-offs, then set-up, then note-ons
    std::vector<uint8_t> bytes;
};

class Song {
public:
    void Meta(uint32_t tick, uint8_t type, std::vector<uint8_t> data) {
        std::vector<uint8_t> b{0xFF, type};
        PutVarLen(b, static_cast<uint32_t>(data.size()));
        b.insert(b.end(), data.begin(), data.end());
        events_.push_back(Event{tick, 1, std::move(b)});
    }
    void Program(int ch, int program) {
        events_.push_back(Event{0, 1, {static_cast<uint8_t>(0xC0 | ch), static_cast<uint8_t>(program)}});
    }
    void Control(int ch, int cc, int value) {
        events_.push_back(
            Event{0, 1, {static_cast<uint8_t>(0xB0 | ch), static_cast<uint8_t>(cc), static_cast<uint8_t>(value)}});
    }
    void Note(int ch, uint32_t start, uint32_t length, int note, int velocity) {
        note = std::clamp(note, 0, 127);
        velocity = std::clamp(velocity, 1, 127);
        const auto n = static_cast<uint8_t>(note);
        events_.push_back(Event{start, 2, {static_cast<uint8_t>(0x90 | ch), n, static_cast<uint8_t>(velocity)}});
        events_.push_back(Event{start + std::max<uint32_t>(length, 1), 0, {static_cast<uint8_t>(0x80 | ch), n, 64}});
        end_ = std::max(end_, start + length);
    }
    uint32_t End() const { return end_; }

    std::vector<uint8_t> Encode(uint32_t endTick) {
        std::stable_sort(events_.begin(), events_.end(), [](const Event& a, const Event& b) {
            return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
        });
        std::vector<uint8_t> track;
        uint32_t now = 0;
        for (const Event& e : events_) {
            PutVarLen(track, e.tick - now);
            now = e.tick;
            track.insert(track.end(), e.bytes.begin(), e.bytes.end());
        }
        PutVarLen(track, endTick > now ? endTick - now : 0);
        track.insert(track.end(), {0xFF, 0x2F, 0x00});

        std::vector<uint8_t> file{'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1};
        file.push_back(kTicksPerQuarter >> 8);
        file.push_back(kTicksPerQuarter & 0xFF);
        file.insert(file.end(), {'M', 'T', 'r', 'k'});
        const auto size = static_cast<uint32_t>(track.size());
        for (int shift = 24; shift >= 0; shift -= 8) file.push_back(static_cast<uint8_t>(size >> shift));
        file.insert(file.end(), track.begin(), track.end());
        return file;
    }

private:
    static void PutVarLen(std::vector<uint8_t>& out, uint32_t v) {
        uint8_t buf[5];
        int n = 0;
        buf[n++] = v & 0x7F;
        while (v >>= 7) buf[n++] = static_cast<uint8_t>(0x80 | (v & 0x7F));
        while (n > 0) out.push_back(buf[--n]);
    }

    std::vector<Event> events_;
    uint32_t end_ = 0;
};

// ---- musical material --------------------------------------------------------

using Steps = std::vector<int>;
const Steps kMajor{0, 2, 4, 5, 7, 9, 11};
const Steps kMinor{0, 2, 3, 5, 7, 8, 10};
const Steps kHarmonic{0, 2, 3, 5, 7, 8, 11};
const Steps kDorian{0, 2, 3, 5, 7, 9, 10};
const Steps kPhrygian{0, 1, 3, 5, 7, 8, 10};
const Steps kMixolydian{0, 2, 4, 5, 7, 9, 10};

using Progression = std::vector<int>;  // scale degrees of four chords

const std::vector<Progression>& ProgressionsFor(const Steps* scale) {
    static const std::vector<Progression> major{{0, 4, 5, 3}, {0, 3, 4, 0}, {0, 5, 3, 4},
                                                {3, 4, 2, 5}, {0, 2, 3, 4}, {5, 3, 0, 4}};
    static const std::vector<Progression> minor{{0, 5, 2, 6}, {0, 3, 4, 0}, {0, 6, 5, 6}, {0, 3, 6, 2}, {0, 5, 3, 4}};
    static const std::vector<Progression> harmonic{{0, 3, 4, 0}, {0, 5, 3, 4}, {0, 5, 1, 4}, {0, 3, 5, 4}};
    static const std::vector<Progression> phrygian{{0, 1, 0, 6}, {0, 1, 6, 0}, {0, 6, 5, 1}};
    static const std::vector<Progression> dorian{{0, 3, 0, 3}, {0, 6, 3, 0}, {0, 2, 3, 0}, {0, 3, 6, 0}};
    static const std::vector<Progression> mixolydian{{0, 6, 3, 0}, {0, 3, 6, 0}, {0, 6, 0, 3}};
    if (scale == &kMajor) return major;
    if (scale == &kMinor) return minor;
    if (scale == &kHarmonic) return harmonic;
    if (scale == &kPhrygian) return phrygian;
    if (scale == &kDorian) return dorian;
    return mixolydian;
}

enum class Harmony { Pad, Arp, Offbeat, Waltz };
enum class Bass { Whole, Half, Eighths, Walking };
enum class Drums { None, Rock, March, Soft, Boss, Waltz };

struct Mood {
    std::vector<const Steps*> scales;
    std::vector<int> lead, chords, bass;  // General MIDI programs
    int tempoLo, tempoHi;
    std::vector<Harmony> harmony;
    std::vector<Bass> bassStyle;
    std::vector<Drums> drums;
    bool waltzAllowed;
};

const Mood kTitle{{&kMajor},    {56, 60},       {48}, {32, 43}, 96, 112, {Harmony::Pad, Harmony::Arp},
                  {Bass::Half}, {Drums::March}, false};
const Mood kHeroic{{&kMajor, &kMixolydian},
                   {56, 73, 80, 40, 22},
                   {48, 0, 46, 61},
                   {33, 38},
                   118,
                   150,
                   {Harmony::Arp, Harmony::Offbeat, Harmony::Pad},
                   {Bass::Eighths, Bass::Half, Bass::Walking},
                   {Drums::Rock, Drums::March},
                   false};
const Mood kDark{{&kMinor, &kHarmonic},
                 {40, 68, 71, 19},
                 {48, 19, 49},
                 {32, 43},
                 100,
                 132,
                 {Harmony::Pad, Harmony::Arp},
                 {Bass::Half, Bass::Whole, Bass::Eighths},
                 {Drums::Rock, Drums::Soft, Drums::None},
                 false};
const Mood kMystic{{&kHarmonic, &kPhrygian, &kDorian},
                   {73, 11, 79, 46},
                   {89, 48, 46},
                   {32, 35},
                   80,
                   104,
                   {Harmony::Arp, Harmony::Pad},
                   {Bass::Whole, Bass::Half},
                   {Drums::Soft, Drums::None},
                   true};
const Mood kCalm{{&kMajor, &kDorian, &kMixolydian},
                 {73, 0, 24, 75, 22},
                 {0, 46, 24, 48},
                 {32, 33},
                 90,
                 118,
                 {Harmony::Arp, Harmony::Pad},
                 {Bass::Walking, Bass::Half},
                 {Drums::Soft, Drums::None},
                 true};
const Mood kBoss{{&kHarmonic, &kPhrygian},         {30, 81, 61, 29}, {48, 19, 61},  {38, 34}, 150, 176,
                 {Harmony::Offbeat, Harmony::Arp}, {Bass::Eighths},  {Drums::Boss}, false};
const Mood kFinal{{&kHarmonic},
                  {19, 61, 40},
                  {48, 19},
                  {43, 38},
                  128,
                  148,
                  {Harmony::Arp, Harmony::Pad},
                  {Bass::Eighths, Bass::Half},
                  {Drums::Boss, Drums::March},
                  false};

const Mood& MoodOf(int list, int track) {
    if (list == 0) return kTitle;
    if (list == 42 || list == 43 || list == 44 || list == 49) return kBoss;
    if (list == 50) return kFinal;
    static const Mood* const kCycle[10] = {&kHeroic, &kDark,   &kMystic, &kHeroic, &kCalm,
                                           &kDark,   &kHeroic, &kMystic, &kCalm,   &kDark};
    return *kCycle[(list * 7 + track * 3 + 3) % 10];
}

// ---- the composer ------------------------------------------------------------

struct Motif {
    std::vector<std::vector<int>> rhythm;  // per bar, lengths in eighths; negative = rest
    std::vector<int> steps;                // melodic step before each note
};

class Composer {
public:
    Composer(int list, int track)
        : list_(list),
          track_(track),
          rng_(0xC0FFEEu ^ static_cast<uint32_t>(list * 131 + track * 17 + 7)),
          mood_(MoodOf(list, track)) {
        scale_ = mood_.scales[static_cast<size_t>(rng_.Below(static_cast<int>(mood_.scales.size())))];
        root_ = 48 + rng_.Below(8);
        tempo_ = rng_.Range(mood_.tempoLo, mood_.tempoHi);
        eighths_ = (mood_.waltzAllowed && rng_.Below(3) == 0) ? 6 : 8;
        lead_ = rng_.Pick(mood_.lead);
        chordProgram_ = rng_.Pick(mood_.chords);
        bassProgram_ = rng_.Pick(mood_.bass);
        harmony_ = eighths_ == 6 ? Harmony::Waltz : rng_.Pick(mood_.harmony);
        bass_ = rng_.Pick(mood_.bassStyle);
        drums_ = rng_.Pick(mood_.drums);
        if (eighths_ == 6 && drums_ != Drums::None) drums_ = Drums::Waltz;
        const auto& progs = ProgressionsFor(scale_);
        const int a = rng_.Below(static_cast<int>(progs.size()));
        int b = rng_.Below(static_cast<int>(progs.size()));
        if (b == a) b = (a + 1) % static_cast<int>(progs.size());
        progA_ = progs[static_cast<size_t>(a)];
        progB_ = progs[static_cast<size_t>(b)];
        motifs_[0] = MakeMotif();
        motifs_[1] = MakeMotif();
        motifs_[2] = MakeMotif();
        motifs_[3] = MakeMotif();
    }

    std::vector<uint8_t> Write() {
        const double barSeconds = eighths_ * 0.5 * 60.0 / tempo_;
        const double target = rng_.Range(28, 46);
        int phrases = std::max(1, static_cast<int>(std::lround((target - 3 * barSeconds) / (8 * barSeconds))));
        while (phrases > 1 && (11 + 8 * (phrases - 1)) * barSeconds > 56) --phrases;
        while ((3 + 8 * phrases) * barSeconds < 22) ++phrases;

        Song song;
        SetUp(song);
        int bar = 0;
        // Intro: two bars of accompaniment.
        for (int i = 0; i < 2; ++i, ++bar) {
            const int chord = progA_[static_cast<size_t>(i)];
            Accompany(song, bar, chord, i == 0, false);
        }
        static const std::vector<std::vector<int>> kForms{{0}, {0, 1}, {0, 1, 0}, {0, 0, 1, 0}, {0, 1, 0, 1, 0}};
        const auto& form = kForms[static_cast<size_t>(std::min(phrases, 5) - 1)];
        for (int p = 0; p < phrases; ++p) {
            const int section = form[static_cast<size_t>(std::min<int>(p, static_cast<int>(form.size()) - 1))];
            Phrase(song, bar, section);
            bar += 8;
        }
        // Ending: the tonic chord held under the melody's last note.
        Accompany(song, bar, 0, true, true);
        song.Note(0, BarTick(bar), BarTicks() - kEighth / 2, Pitch(7), 100);
        const uint32_t end = BarTick(bar + 1) + kTicksPerQuarter;
        return song.Encode(end);
    }

private:
    uint32_t BarTicks() const { return static_cast<uint32_t>(eighths_ * kEighth); }
    uint32_t BarTick(int bar) const { return static_cast<uint32_t>(bar) * BarTicks(); }

    // MIDI note of a scale degree counted from the melody's tonic.
    int Pitch(int degree, int base = 12) const {
        const int oct = degree >= 0 ? degree / 7 : -((6 - degree) / 7);
        const int d = degree - oct * 7;
        return root_ + base + 12 * oct + (*scale_)[static_cast<size_t>(d)];
    }

    bool IsChordTone(int degree, int chord) const {
        const int rel = ((degree - chord) % 7 + 7) % 7;
        return rel == 0 || rel == 2 || rel == 4;
    }

    int NearestChordTone(int degree, int chord) const {
        for (int d = 0; d < 4; ++d) {
            if (IsChordTone(degree + d, chord) && degree + d <= kHigh) return degree + d;
            if (IsChordTone(degree - d, chord) && degree - d >= kLow) return degree - d;
        }
        return degree;
    }

    Motif MakeMotif() {
        static const std::vector<std::vector<int>> kFour{
            {2, 2, 2, 2}, {3, 1, 2, 2}, {2, 1, 1, 2, 2}, {4, 2, 2},          {1, 1, 1, 1, 2, 2},
            {2, 2, 4},    {3, 3, 2},    {2, 2, 1, 1, 2}, {1, 1, 2, 1, 1, 2}, {6, 2}};
        static const std::vector<std::vector<int>> kThree{{2, 2, 2}, {3, 1, 2}, {4, 2}, {2, 1, 1, 2}, {1, 1, 2, 2}};
        const auto& cells = eighths_ == 6 ? kThree : kFour;
        Motif m;
        for (int b = 0; b < 2; ++b) {
            std::vector<int> r = rng_.Pick(cells);
            if (b == 1 && rng_.Below(3) == 0) r.back() = -r.back();  // breathe at the motif's end
            m.rhythm.push_back(r);
        }
        static const std::vector<int> kSteps{-2, -1, -1, 0, 1, 1, 1, 2, 2, -3, 3, 4};
        for (const auto& r : m.rhythm)
            for (size_t i = 0; i < r.size(); ++i) m.steps.push_back(rng_.Pick(kSteps));
        return m;
    }

    void SetUp(Song& song) {
        std::string name = list_ == 0 ? std::string("title") : "stage " + std::to_string(list_);
        name += ", tune " + std::to_string(track_ + 1);
        song.Meta(0, 0x03, std::vector<uint8_t>(name.begin(), name.end()));
        const uint32_t usPerQuarter = static_cast<uint32_t>(60000000 / tempo_);
        song.Meta(0, 0x51,
                  {static_cast<uint8_t>(usPerQuarter >> 16), static_cast<uint8_t>(usPerQuarter >> 8),
                   static_cast<uint8_t>(usPerQuarter)});
        song.Meta(0, 0x58, {static_cast<uint8_t>(eighths_ / 2), 2, 24, 8});
        const int programs[3] = {lead_, chordProgram_, bassProgram_};
        const int volumes[3] = {104, 72, 96};
        const int pans[3] = {64, 44, 70};
        for (int ch = 0; ch < 3; ++ch) {
            song.Program(ch, programs[ch]);
            song.Control(ch, 7, volumes[ch]);
            song.Control(ch, 10, pans[ch]);
            song.Control(ch, 91, 40);
        }
        song.Control(kDrums, 7, 90);
        song.Control(kDrums, 91, 30);
    }

    // Melody over eight bars: motif, varied motif, second motif, cadence.
    void Phrase(Song& song, int firstBar, int section) {
        const Progression& prog = section == 0 ? progA_ : progB_;
        const Motif& first = motifs_[section * 2];
        const Motif& second = motifs_[section * 2 + 1];
        int degree = section == 0 ? 4 : 6;
        for (int b = 0; b < 8; ++b) {
            const int bar = firstBar + b;
            const int chord = prog[static_cast<size_t>(b % 4)];
            Accompany(song, bar, chord, b == 0, false);
            if (b == 7) {
                // Cadence: one long note on a tone of the last chord.
                degree = NearestChordTone(degree, chord);
                song.Note(0, BarTick(bar), BarTicks() - kEighth / 2, Pitch(degree), 96);
                continue;
            }
            const Motif& m = (b < 4) ? first : second;
            const int half = b % 2;
            const auto& rhythm = m.rhythm[static_cast<size_t>(half)];
            size_t stepIndex = half == 0 ? 0 : m.rhythm[0].size();
            // The repeat of the motif answers it a step higher or lower.
            const int shift = (b == 2 || b == 3) ? (section == 0 ? 1 : -1) : 0;
            int pos = 0;
            for (size_t n = 0; n < rhythm.size(); ++n, ++stepIndex) {
                const int len = std::abs(rhythm[n]);
                if (rhythm[n] > 0) {
                    int next = degree + m.steps[stepIndex] + (n == 0 ? shift : 0);
                    if (next > kHigh) next = kHigh - (next - kHigh);
                    if (next < kLow) next = kLow + (kLow - next);
                    const bool strong = pos == 0 || pos == eighths_ / 2;
                    if (strong || len >= 3) next = NearestChordTone(next, chord);
                    degree = std::clamp(next, kLow, kHigh);
                    const int velocity = 88 + (pos == 0 ? 12 : 0) + rng_.Range(-5, 5);
                    const uint32_t ticks = static_cast<uint32_t>(len * kEighth);
                    song.Note(0, BarTick(bar) + static_cast<uint32_t>(pos * kEighth), ticks - ticks / 10, Pitch(degree),
                              velocity);
                }
                pos += len;
            }
        }
    }

    void Accompany(Song& song, int bar, int chord, bool accentBar, bool ending) {
        const uint32_t t0 = BarTick(bar);
        const int tones[3] = {Pitch(chord, 0), Pitch(chord + 2, 0), Pitch(chord + 4, 0)};
        const int bassNote = Pitch(chord, -12) >= root_ - 5 ? Pitch(chord, -24) : Pitch(chord, -12);
        const int fifth = bassNote + (Pitch(chord + 4, 0) - Pitch(chord, 0));
        const uint32_t bar_ = BarTicks();

        // Chords.
        if (ending || harmony_ == Harmony::Pad) {
            for (int n : tones) song.Note(1, t0, bar_ - 20, n, 62);
        } else if (harmony_ == Harmony::Arp) {
            static const int kOrder[8] = {0, 1, 2, 3, 2, 1, 0, 1};
            for (int e = 0; e < eighths_; ++e) {
                const int i = kOrder[e];
                const int note = i == 3 ? tones[0] + 12 : tones[i];
                song.Note(1, t0 + static_cast<uint32_t>(e * kEighth), kEighth - 20, note, 58 + (e == 0 ? 8 : 0));
            }
        } else if (harmony_ == Harmony::Offbeat) {
            for (int e = 1; e < eighths_; e += 2)
                for (int n : tones) song.Note(1, t0 + static_cast<uint32_t>(e * kEighth), kEighth - 60, n, 64);
        } else {  // waltz: chords on beats two and three
            for (int beat = 1; beat < 3; ++beat)
                for (int n : tones)
                    song.Note(1, t0 + static_cast<uint32_t>(beat * kTicksPerQuarter), kTicksPerQuarter - 60, n, 58);
        }

        // Bass.
        if (ending || bass_ == Bass::Whole) {
            song.Note(2, t0, bar_ - 20, bassNote, 92);
        } else if (bass_ == Bass::Half || eighths_ == 6) {
            const uint32_t half = eighths_ == 6 ? static_cast<uint32_t>(kTicksPerQuarter) : bar_ / 2;
            song.Note(2, t0, half - 20, bassNote, 92);
            song.Note(2, t0 + half, (eighths_ == 6 ? bar_ - half : half) - 20, fifth, 84);
        } else if (bass_ == Bass::Eighths) {
            for (int e = 0; e < eighths_; ++e) {
                const int note = e == eighths_ - 1 ? bassNote + 12 : bassNote;
                song.Note(2, t0 + static_cast<uint32_t>(e * kEighth), kEighth - 30, note, e % 2 == 0 ? 96 : 80);
            }
        } else {  // walking quarters: root, third, fifth, sixth
            const int sixth = bassNote + (Pitch(chord + 5, 0) - Pitch(chord, 0));
            const int walk[4] = {bassNote, bassNote + (tones[1] - tones[0]), fifth, sixth};
            for (int q = 0; q < 4; ++q)
                song.Note(2, t0 + static_cast<uint32_t>(q * kTicksPerQuarter), kTicksPerQuarter - 30, walk[q],
                          q == 0 ? 94 : 82);
        }

        // Drums.
        auto hit = [&](int e, int note, int velocity) {
            song.Note(kDrums, t0 + static_cast<uint32_t>(e * kEighth), kEighth / 2, note, velocity + rng_.Range(-4, 4));
        };
        if (accentBar && drums_ != Drums::None) hit(0, 49, 100);
        if (ending) {
            if (drums_ != Drums::None) hit(0, 36, 110);
            return;
        }
        const bool fill = (bar % 8) == 1 && bar > 2;  // the bar before a phrase starts again
        switch (drums_) {
            case Drums::None: break;
            case Drums::Rock:
                for (int e = 0; e < 8; ++e) hit(e, 42, 70);
                hit(0, 36, 100);
                hit(4, 36, 96);
                hit(2, 38, 96);
                hit(6, 38, 96);
                break;
            case Drums::March:
                hit(0, 36, 96);
                hit(4, 36, 90);
                for (int e = 0; e < 8; ++e) hit(e, 38, e % 2 == 0 ? 84 : 60);
                break;
            case Drums::Soft:
                for (int q = 0; q < 4; ++q) hit(q * 2, 51, 64);
                hit(0, 36, 76);
                hit(4, 37, 60);
                break;
            case Drums::Boss:
                for (int e = 0; e < 8; ++e) hit(e, 42, 78);
                hit(0, 36, 108);
                hit(3, 36, 96);
                hit(5, 36, 100);
                hit(2, 38, 104);
                hit(6, 38, 104);
                break;
            case Drums::Waltz:
                hit(0, 36, 84);
                hit(2, 42, 62);
                hit(4, 42, 62);
                break;
        }
        if (fill && drums_ != Drums::None && eighths_ == 8) {
            hit(4, 50, 90);
            hit(5, 48, 90);
            hit(6, 45, 92);
            hit(7, 41, 96);
        }
    }

    static constexpr int kLow = 0;
    static constexpr int kHigh = 11;

    int list_, track_;
    Rng rng_;
    const Mood& mood_;
    const Steps* scale_;
    int root_;
    int tempo_;
    int eighths_;
    int lead_, chordProgram_, bassProgram_;
    Harmony harmony_;
    Bass bass_;
    Drums drums_;
    Progression progA_, progB_;
    Motif motifs_[4];
};

}  // namespace

std::vector<uint8_t> ComposeTune(int list, int track) { return Composer(list, track).Write(); }

bool GenerateTunes(const std::string& root) {
    for (int list = 0; list < kMusicLists; ++list) {
        for (int track = 0; track < static_cast<int>(g_trackCounts[list]); ++track) {
            std::string path = TrackPath(list, track);
            std::replace(path.begin(), path.end(), '\\', '/');
            if (!WriteFile(root, path, ComposeTune(list, track))) return false;
        }
    }
    return true;
}

}  // namespace gen_audio
