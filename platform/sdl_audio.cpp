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
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "data_file.h"
#include "midi_file.h"
#include "midi_synth.h"
#include "sdl_backend.h"

namespace platform {

struct SdlBackend::Audio {
    std::mutex mutex;
    bool tried = false;
    bool open = false;
    bool subsystemUp = false;
    int channels = 2;  // of the device, whose samples are signed 16-bit
    std::map<uint32_t, Mix_Chunk*> chunks;
    uint32_t nextSound = 1;
    std::map<uint32_t, std::vector<uint8_t>> tunes;
    uint32_t nextMusic = 1;
    MidiSynth synth;
};

namespace {

void Put16(std::vector<uint8_t>& v, uint32_t x) {
    v.push_back(static_cast<uint8_t>(x));
    v.push_back(static_cast<uint8_t>(x >> 8));
}

void Put32(std::vector<uint8_t>& v, uint32_t x) {
    Put16(v, x & 0xFFFF);
    Put16(v, x >> 16);
}

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
            for (auto& [id, c] : audio_->chunks) Mix_FreeChunk(c);
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
    const auto dataBytes = static_cast<uint32_t>(bytes - bytes % blockAlign);
    // Hand the mixer a plain RIFF image so that it converts the samples to
    // the device's format itself.
    std::vector<uint8_t> wav;
    wav.reserve(44 + dataBytes);
    wav.insert(wav.end(), {'R', 'I', 'F', 'F'});
    Put32(wav, 36 + dataBytes);
    wav.insert(wav.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    Put32(wav, 16);
    Put16(wav, 1);
    Put16(wav, format.channels);
    Put32(wav, format.sampleRate);
    Put32(wav, format.sampleRate * blockAlign);
    Put16(wav, blockAlign);
    Put16(wav, format.bitsPerSample);
    wav.insert(wav.end(), {'d', 'a', 't', 'a'});
    Put32(wav, dataBytes);
    wav.insert(wav.end(), data, data + dataBytes);
    SDL_RWops* rw = SDL_RWFromConstMem(wav.data(), static_cast<int>(wav.size()));
    if (!rw) return 0;
    Mix_Chunk* chunk = Mix_LoadWAV_RW(rw, 1);
    if (!chunk) return 0;
    const uint32_t id = audio_->nextSound++;
    if (Mix_AllocateChannels(-1) < static_cast<int>(id)) Mix_AllocateChannels(static_cast<int>(id));
    audio_->chunks[id] = chunk;
    return id;
}

void SdlBackend::DestroySound(uint32_t sound) {
    if (!audio_) return;
    std::lock_guard<std::mutex> lock(audio_->mutex);
    auto it = audio_->chunks.find(sound);
    if (it == audio_->chunks.end()) return;
    Mix_HaltChannel(static_cast<int>(sound - 1));
    Mix_FreeChunk(it->second);
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
    if (Mix_Playing(channel)) return;
    Mix_PlayChannel(channel, it->second, 0);
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
