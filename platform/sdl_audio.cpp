// Sound effects and MIDI music on SDL2_mixer. Each sound buffer owns one mixer
// channel (channel = handle - 1), so a buffer plays at most once at a time and
// a play on a busy buffer only moves its pan, as a hardware buffer would.
#include <SDL.h>
#include <SDL_mixer.h>
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

#include "platform/data_file.h"
#include "platform/sdl_data_file.h"
#include "sdl_backend.h"

namespace platform {

struct SdlBackend::Audio {
    std::mutex mutex;
    bool tried = false;
    bool open = false;
    bool subsystemUp = false;
    std::map<uint32_t, Mix_Chunk*> chunks;
    uint32_t nextSound = 1;
    std::map<uint32_t, Mix_Music*> music;
    uint32_t nextMusic = 1;
    uint32_t playingMusic = 0;
    bool fontTried = false;
    bool fontFound = false;
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
    if (Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024) != 0) {
        std::fprintf(stderr, "morvane: no sound device (%s); playing without sound\n", Mix_GetError());
        return false;
    }
    Mix_Init(MIX_INIT_MID);
    Mix_AllocateChannels(0);
    audio_->open = true;
    return true;
}

void SdlBackend::CloseAudio() {
    if (!audio_) return;
    {
        std::lock_guard<std::mutex> lock(audio_->mutex);
        if (audio_->open) {
            Mix_HaltMusic();
            Mix_HaltChannel(-1);
            for (auto& [id, m] : audio_->music) Mix_FreeMusic(m);
            for (auto& [id, c] : audio_->chunks) Mix_FreeChunk(c);
            audio_->music.clear();
            audio_->chunks.clear();
            Mix_CloseAudio();
            Mix_Quit();
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
    if ((format.channels != 1 && format.channels != 2) ||
        (format.bitsPerSample != 8 && format.bitsPerSample != 16) || format.sampleRate == 0)
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
    Mix_SetPanning(static_cast<int>(sound - 1), static_cast<Uint8>(left * 255.0 + 0.5),
                   static_cast<Uint8>(right * 255.0 + 0.5));
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
    std::lock_guard<std::mutex> lock(audio_->mutex);
    if (!audio_->open) return 0;
    if (!audio_->fontTried) {
        audio_->fontTried = true;
        const std::string font = FindSoundFont();
        if (font.empty() || Mix_SetSoundFonts(font.c_str()) == 0) {
            std::fprintf(stderr,
                         "morvane: no General MIDI soundfont found (install timgm6mb-soundfont); "
                         "playing without music\n");
        } else {
            audio_->fontFound = true;
        }
    }
    if (!audio_->fontFound) return 0;
    Mix_Music* m = Mix_LoadMUS_RW(OpenDataFileStream(path, kMaxTuneBytes), 1);
    if (!m) return 0;
    const uint32_t id = audio_->nextMusic++;
    audio_->music[id] = m;
    return id;
}

bool SdlBackend::PlayMusic(uint32_t music) {
    if (!audio_) return false;
    std::lock_guard<std::mutex> lock(audio_->mutex);
    auto it = audio_->music.find(music);
    if (it == audio_->music.end()) return false;
    if (Mix_PlayMusic(it->second, 0) != 0) return false;
    audio_->playingMusic = music;
    return true;
}

void SdlBackend::StopMusic() {
    if (!audio_) return;
    std::lock_guard<std::mutex> lock(audio_->mutex);
    if (!audio_->open) return;
    Mix_HaltMusic();
    audio_->playingMusic = 0;
}

bool SdlBackend::IsMusicPlaying(uint32_t music) {
    if (!audio_) return false;
    std::lock_guard<std::mutex> lock(audio_->mutex);
    return music != 0 && audio_->playingMusic == music && Mix_PlayingMusic() != 0;
}

void SdlBackend::FreeMusic(uint32_t music) {
    if (!audio_) return;
    std::lock_guard<std::mutex> lock(audio_->mutex);
    auto it = audio_->music.find(music);
    if (it == audio_->music.end()) return;
    if (audio_->playingMusic == music) {
        Mix_HaltMusic();
        audio_->playingMusic = 0;
    }
    Mix_FreeMusic(it->second);
    audio_->music.erase(it);
}

}  // namespace platform
