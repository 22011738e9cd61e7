#include "sound.h"

#include <cstddef>

#include "platform/data_file.h"
#include "platform/platform.h"

SoundPlayer g_soundPlayer;

namespace {

// The file image of the effect being read, kept from one file to the next so
// the 24 reads of a first stage start do not each touch fresh memory.
std::vector<uint8_t> s_waveImage;

}  // namespace

const char* const g_waveFiles[kWaveSlots] = {
    "wave\\WHIP.wav",         "wave\\DEAD.wav",     "wave\\HIT.wav",           "wave\\HIT.wav",
    "wave\\NOKEZORI.wav",     "wave\\CLEAR.wav",    "wave\\PASYA.wav",         "wave\\PASYA.wav",
    "wave\\PASYA.wav",        "wave\\SAN.wav",      "wave\\FYENRIRU.wav",      "wave\\YUMI.wav",
    "wave\\DON.wav",          "wave\\flash.wav",    "wave\\fire.wav",          "wave\\no.wav",
    "wave\\Mataaou.wav",      "wave\\ALLCLEAR.wav", "wave\\Seliya_Damege.wav", "wave\\Seliya_himitu.wav",
    "wave\\Nerys_Damege.wav", "wave\\kidan.wav",    "wave\\kick.wav",          "wave\\brakfist.wav",
};

SoundPlayer::SoundPlayer() : deviceOpen(0), buffers{}, current(0), format{}, dataSize(0) {}

SoundPlayer::~SoundPlayer() {
    // At exit the backend may already be gone, and with it every buffer.
    platform::Backend* b = platform::Current();
    current = 0;
    for (uint32_t& buffer : buffers) {
        if (buffer != 0 && b) b->DestroySound(buffer);
        buffer = 0;
    }
    deviceOpen = 0;
}

void SoundPlayer::Init() {
    platform::Backend* b = platform::Current();
    deviceOpen = (b && b->OpenAudio()) ? 1 : 0;
}

uint32_t SoundPlayer::GetBuffer(int32_t slot) const { return (slot >= 0 && slot < kWaveSlots) ? buffers[slot] : 0; }

void SoundPlayer::ReadWaveFile(const char* path) {
    // Nothing of the previous file survives a failed read.
    format = WaveFormat{};
    dataSize = 0;
    data.clear();
    std::vector<uint8_t>& image = s_waveImage;
    if (!path || !platform::ReadDataFile(platform::ResolveDataPath(path).c_str(), platform::kMaxWaveBytes, image))
        return;
    WaveImage wave{};
    if (!ParseWave(image.data(), image.size(), wave)) return;
    format = wave.format;
    dataSize = wave.dataSize;
    data.assign(image.begin() + static_cast<std::ptrdiff_t>(wave.dataOffset),
                image.begin() + static_cast<std::ptrdiff_t>(wave.dataOffset + wave.dataSize));
}

void SoundPlayer::LoadWave(const char* path, int32_t slot) {
    if (slot < 0 || slot >= kWaveSlots) return;
    ReadWaveFile(path);
    platform::Backend* b = platform::Current();
    // A file that could not be read, or holds no usable PCM, leaves the slot
    // silent rather than reusing whatever was read before.
    if (deviceOpen != 0 && b && dataSize != 0 && IsPlayablePcm(format)) {
        if (buffers[slot] != 0) b->DestroySound(buffers[slot]);
        const platform::PcmFormat pcm{format.channels, format.samplesPerSec, format.bitsPerSample};
        buffers[slot] = b->CreateSound(pcm, data.data(), data.size());
    }
    // Dropped once copied; the memory is kept for the next effect's samples,
    // up to the last slot.
    data.clear();
    if (slot == kWaveSlots - 1) {
        data.shrink_to_fit();
        s_waveImage = std::vector<uint8_t>();
    }
}

void SoundPlayer::PlayAt(int32_t slot, int32_t x) {
    const uint32_t buffer = GetBuffer(slot);
    if (buffer == 0) return;
    current = buffer;
    SetPanFromX(x);
    if (platform::Backend* b = platform::Current()) b->PlaySound(buffer);
}

void SoundPlayer::PlayPanned(int32_t slot, double pan) {
    const uint32_t buffer = GetBuffer(slot);
    if (buffer == 0) return;
    current = buffer;
    SetPan(pan);
    if (platform::Backend* b = platform::Current()) b->PlaySound(buffer);
}

void SoundPlayer::SetPanFromX(int32_t x) {
    if (x < 200)
        SetPan(-1.0);
    else if (x > 440)
        SetPan(1.0);
    else
        SetPan(0.0);
}

void SoundPlayer::SetPan(double pan) {
    if (current == 0) return;
    if (platform::Backend* b = platform::Current()) b->SetSoundPan(current, pan);
}
