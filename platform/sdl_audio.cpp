// Sound effects on SDL2_mixer, MIDI music on one FluidSynth synthesizer mixed
// into the same device through the mixer's music hook. Each sound buffer owns
// one mixer channel (channel = handle - 1), so a buffer plays at most once at a
// time and a play on a busy buffer only moves its pan, as a hardware buffer
// would. A tune is only its file's bytes until it plays: loading a stage's
// tunes sets nothing up.
#include <SDL.h>
#include <SDL_mixer.h>
#include <cmath>
#include <dirent.h>
#include <unistd.h>

#include <algorithm>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <future>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "data_file.h"
#include "midi_file.h"
#include "midi_synth.h"
#include "sdl_backend.h"

namespace platform {

namespace {

// An effect's samples in the device's format, cut to what they hold.
struct Converted {
    Uint8* samples = nullptr;  // SDL_malloc'd
    int length = 0;
};

// One thread converting effects in the order they come; a thread each would
// cost more to start than some conversions take.
class Converter {
public:
    ~Converter() {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            stop_ = true;
        }
        wake_.notify_one();
        if (thread_.joinable()) thread_.join();
    }
    template <typename Job>
    std::future<Converted> Add(Job&& job) {
        std::packaged_task<Converted()> task(std::forward<Job>(job));
        std::future<Converted> done = task.get_future();
        {
            std::lock_guard<std::mutex> lock(mutex_);
            jobs_.push_back(std::move(task));
            if (!thread_.joinable()) thread_ = std::thread([this] { Run(); });
        }
        wake_.notify_one();
        return done;
    }

private:
    void Run() {
        for (;;) {
            std::packaged_task<Converted()> task;
            {
                std::unique_lock<std::mutex> lock(mutex_);
                wake_.wait(lock, [this] { return stop_ || !jobs_.empty(); });
                if (jobs_.empty()) return;
                task = std::move(jobs_.front());
                jobs_.pop_front();
            }
            task();
        }
    }

    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<std::packaged_task<Converted()>> jobs_;
    bool stop_ = false;
    std::thread thread_;
};

// A sound buffer: its samples are converted on the converter's thread, so a
// stage start is not held up by them; the chunk is made at the first need.
struct Effect {
    std::future<Converted> converting;
    Mix_Chunk* chunk = nullptr;

    Mix_Chunk* Ready() {
        if (!converting.valid()) return chunk;
        const Converted c = converting.get();
        if (c.samples) {
            chunk = Mix_QuickLoad_RAW(c.samples, static_cast<Uint32>(c.length));
            if (chunk)
                chunk->allocated = 1;  // the samples go with the chunk
            else
                SDL_free(c.samples);
        }
        return chunk;
    }
    void Free() {
        if (Ready()) Mix_FreeChunk(chunk);
        chunk = nullptr;
    }
};

}  // namespace

struct SdlBackend::Audio {
    std::mutex mutex;
    bool tried = false;
    bool open = false;
    bool subsystemUp = false;
    int channels = 2;  // of the device, whose samples are signed 16-bit
    std::map<uint32_t, Effect> chunks;
    int mixerChannels = 0;
    Converter converter;  // last: it finishes before the chunks go
    uint32_t nextSound = 1;
    std::map<uint32_t, std::vector<uint8_t>> tunes;
    uint32_t nextMusic = 1;
    MidiSynth synth;
};

namespace {

// How many times its file's samples an effect may grow by on the device: on
// 44.1 kHz stereo, 8-bit mono at 11025 Hz grows 16 times and at 8000 Hz 22
// times; at 1000 Hz it would grow 176 times.
constexpr double kMaxGrowth = 32.0;

bool Readable(const std::string& path) { return ::access(path.c_str(), R_OK) == 0; }

// The mixer's music hook: the synthesizer writes the music first, the effect
// channels are mixed on top.
void MixMusic(void* audio, Uint8* stream, int len) {
    auto* a = static_cast<SdlBackend::Audio*>(audio);
    const int frames = len / (2 * a->channels);
    a->synth.Render(reinterpret_cast<int16_t*>(stream), frames, a->channels);
}

}  // namespace

std::string SdlBackend::FindSoundFont() {
    // A player's own choice, in the variable the mixer itself reads.
    if (const char* own = std::getenv("SDL_SOUNDFONTS"); own && *own) {
        const std::string first = std::string(own).substr(0, std::string(own).find(';'));
        if (Readable(first)) return own;
    }
    // The mixer's own guess names a soundfont Debian does not ship by
    // default, so look for the General MIDI fonts that it does.
    static const char* const kKnown[] = {
        "/usr/share/sounds/sf2/TimGM6mb.sf2",
        "/usr/share/sounds/sf2/default-GM.sf2",
        "/usr/share/sounds/sf2/FluidR3_GM.sf2",
        "/usr/share/soundfonts/default.sf2",
    };
    for (const char* path : kKnown)
        if (Readable(path)) return path;
    for (const char* dir : {"/usr/share/sounds/sf2", "/usr/share/soundfonts"}) {
        std::vector<std::string> found;
        if (DIR* d = ::opendir(dir)) {
            while (dirent* e = ::readdir(d)) {
                const std::string name = e->d_name;
                if (name.size() > 4 && strcasecmp(name.c_str() + name.size() - 4, ".sf2") == 0)
                    found.push_back(std::string(dir) + "/" + name);
            }
            ::closedir(d);
        }
        std::sort(found.begin(), found.end());
        for (const std::string& path : found)
            if (Readable(path)) return path;
    }
    return {};
}

bool SdlBackend::OpenAudio() {
    if (!audio_) audio_ = new Audio;
    std::lock_guard<std::mutex> lock(audio_->mutex);
    if (audio_->tried) return audio_->open;
    audio_->tried = true;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        std::fprintf(stderr, "morvane: no sound device (%s); playing without sound\n", SDL_GetError());
        return false;
    }
    audio_->subsystemUp = true;
    // Signed 16-bit samples in any number of channels, as the music hook writes them.
    const int changes = SDL_AUDIO_ALLOW_FREQUENCY_CHANGE | SDL_AUDIO_ALLOW_CHANNELS_CHANGE;
    if (Mix_OpenAudioDevice(44100, AUDIO_S16SYS, 2, 1024, nullptr, changes) != 0) {
        std::fprintf(stderr, "morvane: no sound device (%s); playing without sound\n", Mix_GetError());
        return false;
    }
    int rate = 44100, channels = 2;
    Uint16 format = AUDIO_S16SYS;
    Mix_QuerySpec(&rate, &format, &channels);
    Mix_AllocateChannels(0);
    audio_->open = true;
    audio_->channels = std::max(channels, 1);
    audio_->synth.trace = [this](const char* what) {
        if (audioTrace) audioTrace(what);
    };
    // The soundfont loads meanwhile; the hook plays silence until it is in.
    audio_->synth.StartLoading(rate, FindSoundFont());
    Mix_HookMusic(MixMusic, audio_);
    return true;
}

void SdlBackend::CloseAudio() {
    if (!audio_) return;
    {
        std::lock_guard<std::mutex> lock(audio_->mutex);
        if (audio_->open) {
            // Music first: once the hook is gone the device asks the
            // synthesizer for nothing more, and it can go.
            Mix_HookMusic(nullptr, nullptr);
            audio_->synth.Shutdown();
            audio_->tunes.clear();
            Mix_HaltChannel(-1);
            for (auto& [id, e] : audio_->chunks) e.Free();
            audio_->chunks.clear();
            Mix_CloseAudio();
            if (audioTrace) audioTrace("device closed");
        }
        if (audio_->subsystemUp) SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    delete audio_;
    audio_ = nullptr;
}

uint32_t SdlBackend::CreateSound(const PcmFormat& format, const uint8_t* data, size_t bytes) {
    if (!audio_ || !data) return 0;
    std::lock_guard<std::mutex> lock(audio_->mutex);
    if (!audio_->open) return 0;
    if ((format.channels != 1 && format.channels != 2) || (format.bitsPerSample != 8 && format.bitsPerSample != 16) ||
        format.sampleRate == 0)
        return 0;
    const uint32_t blockAlign = format.channels * (format.bitsPerSample / 8u);
    if (bytes < blockAlign || bytes > 0x7FFFFFF0u) return 0;
    const auto dataBytes = static_cast<int>(bytes - bytes % blockAlign);
    // Converted once to the device's own format, by the same SDL conversion
    // the mixer's WAVE loader would run, but off this thread and into a
    // buffer cut to what it holds.
    int rate = 0, channels = 0;
    Uint16 deviceFormat = 0;
    Mix_QuerySpec(&rate, &deviceFormat, &channels);
    SDL_AudioCVT cvt;
    const SDL_AudioFormat from = format.bitsPerSample == 8 ? AUDIO_U8 : AUDIO_S16LSB;
    if (SDL_BuildAudioCVT(&cvt, from, static_cast<Uint8>(format.channels), static_cast<int>(format.sampleRate),
                          deviceFormat, static_cast<Uint8>(channels), rate) < 0)
        return 0;
    // What a short effect becomes must stay a small multiple of what its file
    // held: a low rate stretched to the device's would cost memory and time
    // out of all proportion, so such an effect stays silent.
    const uint64_t work = uint64_t{static_cast<uint32_t>(dataBytes)} * static_cast<uint32_t>(cvt.len_mult);
    const double grown = cvt.len_ratio * dataBytes;
    if (grown > kMaxGrowth * dataBytes || work > 0x7FFFFFF0u) {
        std::fprintf(stderr,
                     "morvane: a sound effect of %d bytes at %u Hz would take %.0f bytes on the device; left "
                     "silent\n",
                     dataBytes, format.sampleRate, grown);
        return 0;
    }
    // The work buffer is the worker's to make: a fresh one is many pages.
    std::vector<uint8_t> input(data, data + dataBytes);
    std::future<Converted> converting = audio_->converter.Add([cvt, work, in = std::move(input)]() mutable {
        cvt.buf = static_cast<Uint8*>(SDL_malloc(static_cast<size_t>(work)));
        if (!cvt.buf) return Converted{};
        std::memcpy(cvt.buf, in.data(), in.size());
        cvt.len = static_cast<int>(in.size());
        int length = cvt.len;
        if (cvt.needed) {
            if (SDL_ConvertAudio(&cvt) < 0) {
                SDL_free(cvt.buf);
                return Converted{};
            }
            length = cvt.len_cvt;
        }
        Uint8* samples = cvt.buf;
        if (auto* cut = static_cast<Uint8*>(SDL_realloc(samples, static_cast<size_t>(length > 0 ? length : 1))))
            samples = cut;
        return Converted{samples, length};
    });
    const uint32_t id = audio_->nextSound++;
    // Each change of the channel count waits for the device; grow in steps.
    if (audio_->mixerChannels < static_cast<int>(id)) {
        audio_->mixerChannels = std::max(static_cast<int>(id), std::max(2 * audio_->mixerChannels, 32));
        Mix_AllocateChannels(audio_->mixerChannels);
    }
    audio_->chunks[id].converting = std::move(converting);
    return id;
}

std::vector<uint8_t> SdlBackend::SoundSamples(uint32_t sound) {
    if (!audio_) return {};
    std::lock_guard<std::mutex> lock(audio_->mutex);
    auto it = audio_->chunks.find(sound);
    if (it == audio_->chunks.end() || !it->second.Ready()) return {};
    const Mix_Chunk* c = it->second.chunk;
    return std::vector<uint8_t>(c->abuf, c->abuf + c->alen);
}

void SdlBackend::DestroySound(uint32_t sound) {
    if (!audio_) return;
    std::lock_guard<std::mutex> lock(audio_->mutex);
    auto it = audio_->chunks.find(sound);
    if (it == audio_->chunks.end()) return;
    Mix_HaltChannel(static_cast<int>(sound - 1));
    it->second.Free();
    audio_->chunks.erase(it);
}

void SdlBackend::SetSoundPan(uint32_t sound, double pan) {
    if (!audio_) return;
    std::lock_guard<std::mutex> lock(audio_->mutex);
    if (audio_->chunks.find(sound) == audio_->chunks.end()) return;
    pan = std::clamp(pan, -1.0, 1.0);
    // A source off to one side is still faintly heard by the far ear.
    const double left = pan <= 0.0 ? 1.0 : 1.0 - 0.75 * pan;
    const double right = pan >= 0.0 ? 1.0 : 1.0 + 0.75 * pan;
    Mix_SetPanning(static_cast<int>(sound - 1), static_cast<Uint8>(std::lround(left * 255.0)),
                   static_cast<Uint8>(std::lround(right * 255.0)));
}

void SdlBackend::PlaySound(uint32_t sound) {
    if (!audio_) return;
    std::lock_guard<std::mutex> lock(audio_->mutex);
    auto it = audio_->chunks.find(sound);
    if (it == audio_->chunks.end()) return;
    const int channel = static_cast<int>(sound - 1);
    if (Mix_Playing(channel) || !it->second.Ready()) return;
    Mix_PlayChannel(channel, it->second.chunk, 0);
}

bool SdlBackend::IsSoundPlaying(uint32_t sound) {
    if (!audio_) return false;
    std::lock_guard<std::mutex> lock(audio_->mutex);
    if (audio_->chunks.find(sound) == audio_->chunks.end()) return false;
    return Mix_Playing(static_cast<int>(sound - 1)) != 0;
}

uint32_t SdlBackend::LoadMusic(const char* path) {
    if (!audio_ || !path) return 0;
    // A folder, a pipe, a cut-off or foreign file in place of a tune is a
    // silent tune, never a synthesizer fault.
    std::vector<uint8_t> bytes;
    if (!ReadDataFile(ResolveDataPath(path).c_str(), kMaxTuneBytes, bytes) ||
        !IsStandardMidiFile(bytes.data(), bytes.size()))
        return 0;
    std::lock_guard<std::mutex> lock(audio_->mutex);
    if (!audio_->open || audio_->synth.GetState() == MidiSynth::State::kFailed) return 0;
    const uint32_t id = audio_->nextMusic++;
    audio_->tunes[id] = std::move(bytes);
    return id;
}

bool SdlBackend::PlayMusic(uint32_t music) {
    if (!audio_) return false;
    std::lock_guard<std::mutex> lock(audio_->mutex);
    auto it = audio_->tunes.find(music);
    if (it == audio_->tunes.end()) return false;
    return audio_->synth.Play(music, it->second);
}

void SdlBackend::StopMusic() {
    if (!audio_) return;
    std::lock_guard<std::mutex> lock(audio_->mutex);
    if (!audio_->open) return;
    audio_->synth.Stop();
}

bool SdlBackend::IsMusicPlaying(uint32_t music) {
    if (!audio_) return false;
    std::lock_guard<std::mutex> lock(audio_->mutex);
    return music != 0 && audio_->synth.Playing() == music;
}

void SdlBackend::FreeMusic(uint32_t music) {
    if (!audio_) return;
    std::lock_guard<std::mutex> lock(audio_->mutex);
    auto it = audio_->tunes.find(music);
    if (it == audio_->tunes.end()) return;
    audio_->synth.Forget(music);
    audio_->tunes.erase(it);
}

}  // namespace platform
