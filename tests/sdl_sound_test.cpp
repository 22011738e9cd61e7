// Sound effects on the real audio backend (SDL's dummy driver): what the
// device plays of each effect, and an effect file far too long once converted.
#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "engine/sound.h"
#include "engine/wave.h"
#include "platform/sdl_backend.h"

namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<uint8_t>;

Bytes ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

void Put(Bytes& b, uint32_t v, int n) {
    for (int i = 0; i < n; ++i) b.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

// A RIFF WAVE image of 8-bit mono samples at the given rate.
Bytes Wave8Mono(uint32_t rate, uint32_t samples) {
    Bytes b = {'R', 'I', 'F', 'F'};
    Put(b, 36 + samples, 4);
    b.insert(b.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    Put(b, 16, 4);
    Put(b, 1, 2);
    Put(b, 1, 2);
    Put(b, rate, 4);
    Put(b, rate, 4);
    Put(b, 1, 2);
    Put(b, 8, 2);
    b.insert(b.end(), {'d', 'a', 't', 'a'});
    Put(b, samples, 4);
    for (uint32_t i = 0; i < samples; ++i) b.push_back(static_cast<uint8_t>(128 + ((i / 4) % 2 ? 40 : -40)));
    return b;
}

long PeakKiB() {
    rusage ru{};
    getrusage(RUSAGE_SELF, &ru);
    return ru.ru_maxrss;
}

class SdlSound : public ::testing::Test {
protected:
    void SetUp() override {
        backend_ = std::make_unique<platform::SdlBackend>();
        platform::SetBackend(backend_.get());
        if (!backend_->OpenAudio()) GTEST_SKIP() << "no sound device, not even the dummy one";
    }
    void TearDown() override {
        platform::ClearBackend();
        backend_.reset();
    }
    uint32_t Create(const Bytes& file) {
        WaveImage w{};
        if (!ParseWave(file.data(), file.size(), w)) return 0;
        const platform::PcmFormat f{w.format.channels, w.format.samplesPerSec, w.format.bitsPerSample};
        return backend_->CreateSound(f, file.data() + w.dataOffset, w.dataSize);
    }
    std::unique_ptr<platform::SdlBackend> backend_;
};

}  // namespace

TEST_F(SdlSound, EveryEffectPlaysAsTheMixersOwnWaveLoaderWouldHaveIt) {
    for (const char* game : g_waveFiles) {
        std::string path = std::string(MORVANE_DATA_DIR) + "/" + game;
        for (char& c : path)
            if (c == '\\') c = '/';
        const Bytes file = ReadBytes(path);
        const uint32_t sound = Create(file);
        ASSERT_NE(sound, 0u) << game;
        Mix_Chunk* reference = Mix_LoadWAV_RW(SDL_RWFromConstMem(file.data(), static_cast<int>(file.size())), 1);
        ASSERT_NE(reference, nullptr) << game;
        EXPECT_EQ(backend_->SoundSamples(sound), Bytes(reference->abuf, reference->abuf + reference->alen)) << game;
        Mix_FreeChunk(reference);
        backend_->DestroySound(sound);
    }
    // An 8-bit effect at a low rate, the conversion that grows most.
    const Bytes small = Wave8Mono(8000, 4000);
    const uint32_t sound = Create(small);
    ASSERT_NE(sound, 0u);
    Mix_Chunk* reference = Mix_LoadWAV_RW(SDL_RWFromConstMem(small.data(), static_cast<int>(small.size())), 1);
    ASSERT_NE(reference, nullptr);
    EXPECT_EQ(backend_->SoundSamples(sound), Bytes(reference->abuf, reference->abuf + reference->alen));
    Mix_FreeChunk(reference);
}

TEST_F(SdlSound, AnEffectFarTooLongOnceConvertedStaysSilentAndTheOthersLoad) {
    // 2 MiB of 1000 Hz samples: over half an hour of sound on the device.
    char dir[] = "/tmp/morvane-sound-XXXXXX";
    ASSERT_NE(mkdtemp(dir), nullptr);
    const fs::path root = dir;
    fs::create_directories(root / "wave");
    const Bytes huge = Wave8Mono(1000, 2u << 20);
    std::ofstream(root / "wave/WHIP.wav", std::ios::binary)
        .write(reinterpret_cast<const char*>(huge.data()), static_cast<std::streamsize>(huge.size()));
    fs::copy_file(fs::path(MORVANE_DATA_DIR) / "wave/DEAD.wav", root / "wave/DEAD.wav");
    const fs::path old = fs::current_path();
    fs::current_path(root);
    const long before = PeakKiB();
    SoundPlayer player;
    player.Init();
    player.LoadWave(g_waveFiles[0], 0);
    player.LoadWave(g_waveFiles[1], 1);
    EXPECT_EQ(player.GetBuffer(0), 0u);
    EXPECT_NE(player.GetBuffer(1), 0u);
    // Reading the file costs about its size; converting it would cost hundreds of MiB.
    EXPECT_LT(PeakKiB() - before, 32 * 1024);
    player.PlayAt(0, 320);  // nothing to play, and no harm
    player.PlayAt(1, 320);
    EXPECT_TRUE(backend_->IsSoundPlaying(player.GetBuffer(1)));
    fs::current_path(old);
    fs::remove_all(root);
}
