#include "engine/sound.h"
#include "audio_test_util.h"
#include "engine/game_state.h"
#include "engine/wave.h"
#include "shell/menu.h"

using Play = platform::HeadlessBackend::SoundPlay;

namespace {

bool ParseImage(const std::vector<uint8_t>& bytes, WaveImage& out) {
    return ParseWave(bytes.data(), bytes.size(), out);
}

}  // namespace

// ---- the RIFF reader --------------------------------------------------------

TEST(WaveReader, FindsFormatAndDataPastOtherChunks) {
    WaveSpec s;
    s.junkBeforeFmt = true;
    s.junkBetween = true;
    s.samples = {1, 2, 3, 4, 5, 6};
    const auto bytes = BuildWave(s);
    WaveImage w{};
    ASSERT_TRUE(ParseImage(bytes, w));
    EXPECT_EQ(w.format.formatTag, 1);
    EXPECT_EQ(w.format.channels, 1);
    EXPECT_EQ(w.format.samplesPerSec, 22050u);
    EXPECT_EQ(w.format.bitsPerSample, 16);
    EXPECT_EQ(w.dataSize, 6u);
    ASSERT_LE(w.dataOffset + w.dataSize, bytes.size());
    EXPECT_EQ(bytes[w.dataOffset], 1);
    EXPECT_EQ(bytes[w.dataOffset + 5], 6);
    EXPECT_TRUE(IsPlayablePcm(w.format));
}

TEST(WaveReader, LongFormatChunkKeepsOnlyTheRecord) {
    WaveSpec s;
    s.fmtSize = 41;  // odd and far longer than the record: its pad byte must be skipped too
    s.samples = {9, 8};
    const auto bytes = BuildWave(s);
    WaveImage w{};
    ASSERT_TRUE(ParseImage(bytes, w));
    EXPECT_EQ(w.format.cbSize, 0);
    EXPECT_EQ(w.dataSize, 2u);
    EXPECT_EQ(bytes[w.dataOffset], 9);
}

TEST(WaveReader, RefusesBrokenImages) {
    WaveImage w{};
    {
        WaveSpec s;
        s.dataBeforeFmt = true;  // "data" must follow "fmt "
        EXPECT_FALSE(ParseImage(BuildWave(s), w));
    }
    {
        WaveSpec s;
        s.claimedDataExtra = 1;  // one byte more claimed than the file holds
        EXPECT_FALSE(ParseImage(BuildWave(s), w));
    }
    {
        auto bytes = BuildWave(WaveSpec{});
        bytes[8] = 'A';  // form type "AAVE"
        EXPECT_FALSE(ParseImage(bytes, w));
    }
    {
        auto bytes = BuildWave(WaveSpec{});
        for (size_t cut : {size_t{0}, size_t{11}, size_t{20}, size_t{43}}) {
            std::vector<uint8_t> part(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(cut));
            EXPECT_FALSE(ParseImage(part, w)) << cut;
        }
    }
    {
        // A chunk size near 4 GiB must not wrap the walk back into the file.
        auto bytes = BuildWave(WaveSpec{});
        bytes[16] = bytes[17] = bytes[18] = bytes[19] = 0xFF;
        EXPECT_FALSE(ParseImage(bytes, w));
    }
}

TEST(WaveReader, OnlyEightAndSixteenBitPcmIsPlayable) {
    WaveFormat f{1, 1, 22050, 44100, 2, 16, 0};
    EXPECT_TRUE(IsPlayablePcm(f));
    WaveFormat stereo8{1, 2, 11025, 22050, 2, 8, 0};
    EXPECT_TRUE(IsPlayablePcm(stereo8));
    for (WaveFormat bad : {WaveFormat{3, 1, 22050, 88200, 4, 32, 0}, WaveFormat{1, 1, 22050, 66150, 3, 24, 0},
                           WaveFormat{2, 1, 22050, 11025, 1, 4, 0}, WaveFormat{1, 0, 22050, 0, 0, 16, 0},
                           WaveFormat{1, 1, 0, 0, 2, 16, 0}, WaveFormat{1, 1, 22050, 44100, 7, 16, 0}})
        EXPECT_FALSE(IsPlayablePcm(bad)) << bad.formatTag << " " << bad.bitsPerSample;
}

// ---- the sound player ----------------------------------------------------------

class Sound : public ScratchDirTest {
protected:
    // Sets the player up and loads the whole wave table from the scratch folder.
    void LoadTable() {
        g_soundPlayer.Init();
        for (int i = 0; i < kWaveSlots; ++i) g_soundPlayer.LoadWave(g_waveFiles[i], i);
    }
    // The mark byte of the samples a slot's buffer holds; -1 without a buffer.
    int Mark(int slot) {
        platform::HeadlessBackend::SoundInfo info{};
        if (!backend.GetSound(g_soundPlayer.buffers[slot], info) || info.samples.empty()) return -1;
        return info.samples[0];
    }
};

TEST_F(Sound, EverySlotGetsItsOwnBufferAndSharedFilesLoadTwice) {
    WriteAllWaves();
    LoadTable();
    EXPECT_EQ(backend.LiveSounds(), kWaveSlots);
    for (int i = 0; i < kWaveSlots; ++i) ASSERT_NE(g_soundPlayer.buffers[i], 0u) << i;
    EXPECT_NE(g_soundPlayer.buffers[2], g_soundPlayer.buffers[3]);
    EXPECT_EQ(Mark(2), Mark(3)) << "one hit sound in two buffers";
    EXPECT_EQ(Mark(6), Mark(8));
    EXPECT_EQ(Mark(23), 23);
    EXPECT_TRUE(g_soundPlayer.data.empty()) << "the read-in samples are dropped once copied";
}

TEST_F(Sound, PanFollowsTheScreenX) {
    WriteAllWaves(10);
    LoadTable();
    const struct {
        int x;
        double pan;
    } cases[] = {{199, -1.0}, {200, 0.0}, {440, 0.0}, {441, 1.0}, {-300, -1.0}, {900, 1.0}, {320, 0.0}};
    for (const auto& c : cases) {
        backend.ClearSoundPlays();
        backend.Advance(50);  // the 10 ms effect has ended
        g_soundPlayer.PlayAt(5, c.x);
        const auto plays = backend.SoundPlays();
        ASSERT_EQ(plays.size(), 1u) << c.x;
        EXPECT_EQ(plays[0].sound, g_soundPlayer.buffers[5]);
        EXPECT_EQ(plays[0].pan, c.pan) << c.x;
        EXPECT_TRUE(plays[0].started);
    }
    backend.ClearSoundPlays();
    backend.Advance(50);
    g_soundPlayer.PlayPanned(16, 0.0);
    g_soundPlayer.PlayAt(12, 10);  // a second effect in the same frame keeps its own place
    const auto plays = backend.SoundPlays();
    ASSERT_EQ(plays.size(), 2u);
    EXPECT_EQ(plays[0].sound, g_soundPlayer.buffers[16]);
    EXPECT_EQ(plays[0].pan, 0.0);
    EXPECT_EQ(plays[1].sound, g_soundPlayer.buffers[12]);
    EXPECT_EQ(plays[1].pan, -1.0);
}

TEST_F(Sound, APlayingSlotGoesOnButMovesToTheNewSide) {
    WriteAllWaves(500);
    LoadTable();
    g_soundPlayer.PlayAt(0, 100);
    backend.Advance(200);
    EXPECT_TRUE(backend.IsSoundPlaying(g_soundPlayer.buffers[0]));
    g_soundPlayer.PlayAt(0, 600);
    backend.Advance(400);
    EXPECT_FALSE(backend.IsSoundPlaying(g_soundPlayer.buffers[0])) << "not restarted at 200 ms";
    g_soundPlayer.PlayAt(0, 300);
    const auto plays = backend.SoundPlays();
    ASSERT_EQ(plays.size(), 3u);
    EXPECT_TRUE(plays[0].started);
    EXPECT_FALSE(plays[1].started);
    EXPECT_EQ(plays[1].pan, 1.0);
    EXPECT_TRUE(plays[2].started);
}

TEST_F(Sound, BadFilesLeaveSilentSlotsNeverTheLastGoodSound) {
    WriteAllWaves();
    WaveSpec longFmt;
    longFmt.fmtSize = 40;
    longFmt.samples.assign(400, 77);
    Write(g_waveFiles[1], BuildWave(longFmt));  // still good: read up to the record
    Write(g_waveFiles[4], {'R', 'I', 'F', 'F', 4, 0, 0, 0, 'W', 'A', 'V', 'E'});
    WaveSpec shortData;
    shortData.claimedDataExtra = 100;
    Write(g_waveFiles[9], BuildWave(shortData));
    WaveSpec float32;
    float32.tag = 3;
    float32.bits = 32;
    Write(g_waveFiles[10], BuildWave(float32));
    WaveSpec empty;
    empty.samples.clear();
    Write(g_waveFiles[11], BuildWave(empty));
    std::remove("wave/DON.wav");  // slot 12
    LoadTable();

    EXPECT_EQ(Mark(1), 77);
    for (int slot : {4, 9, 10, 11, 12}) {
        EXPECT_EQ(g_soundPlayer.buffers[slot], 0u) << slot;
        g_soundPlayer.PlayAt(slot, 320);
    }
    EXPECT_TRUE(backend.SoundPlays().empty()) << "a silent slot plays nothing";
    EXPECT_EQ(Mark(13), 13) << "loading goes on after a bad file";
    // The failed read itself cleared what the previous file left.
    g_soundPlayer.ReadWaveFile("wave\\missing.wav");
    EXPECT_EQ(g_soundPlayer.dataSize, 0u);
    EXPECT_EQ(g_soundPlayer.format.channels, 0);
}

TEST_F(Sound, NoDeviceMeansNoBuffersAndSilentPlays) {
    WriteAllWaves();
    backend.failAudio = true;
    LoadTable();
    EXPECT_EQ(g_soundPlayer.IsOpen(), 0);
    EXPECT_EQ(backend.LiveSounds(), 0);
    g_soundPlayer.PlayAt(0, 0);
    g_soundPlayer.PlayPanned(5, 0.0);
    g_soundPlayer.PlayAt(-1, 0);
    g_soundPlayer.PlayAt(24, 0);
    EXPECT_TRUE(backend.SoundPlays().empty());
}

TEST_F(Sound, OnlyTheFirstStageStartLoadsTheEffects) {
    WriteAllWaves();
    StartGame();
    EXPECT_EQ(backend.LiveSounds(), 0) << "the title plays no effect";
    g_stageNumber = 3;
    g_menu.StartStage();
    EXPECT_EQ(g_soundsPending, 0);
    EXPECT_EQ(backend.LiveSounds(), kWaveSlots);
    const uint32_t first = g_soundPlayer.buffers[0];
    g_stageNumber = 4;
    g_menu.StartStage();
    g_menu.StartStage();
    EXPECT_EQ(g_soundPlayer.buffers[0], first);
    EXPECT_EQ(backend.LiveSounds(), kWaveSlots);
}

TEST_F(Sound, HitSoundsAlternateSlotsAtMostOncePerFrame) {
    WriteAllWaves(20);
    StartGame();
    g_stageNumber = 1;
    g_menu.StartStage();
    g_menu.active = 0;
    backend.ClearSoundPlays();
    const uint32_t slot2 = g_soundPlayer.buffers[2], slot3 = g_soundPlayer.buffers[3];

    g_hitSoundRequest = 1;
    g_hitSoundX = 123;
    Tick();
    EXPECT_EQ(g_hitSoundRequest, 0);
    Tick();  // no request, no sound
    g_hitSoundRequest = 1;
    g_hitSoundX = 500;
    Tick();
    g_hitSoundRequest = 1;
    g_hitSoundRequest = 1;  // two hits in one frame
    g_hitSoundX = 300;
    Tick();
    g_hitSoundRequest = 1;
    Tick();
    const auto plays = backend.SoundPlays();
    ASSERT_EQ(plays.size(), 4u);
    const uint32_t expect[] = {slot3, slot2, slot3, slot2};
    const double pans[] = {-1.0, 1.0, 0.0, 0.0};
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(plays[i].sound, expect[i]) << i;
        EXPECT_EQ(plays[i].pan, pans[i]) << i;
    }
}

TEST_F(Sound, PlayerOutlivingItsBackendIsSafe) {
    WriteAllWaves();
    {
        SoundPlayer player;
        player.Init();
        player.LoadWave(g_waveFiles[0], 0);
        player.LoadWave(g_waveFiles[5], 5);
        // As at exit: the backend goes first, the player's destructor runs later.
        platform::ClearBackend();
        player.PlayAt(0, 0);
    }
    platform::SetBackend(&backend);
    EXPECT_EQ(backend.LiveSounds(), 2) << "nothing was touched without a backend";
    EXPECT_TRUE(backend.SoundPlays().empty());
}
