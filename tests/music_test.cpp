#include <set>
#include <string>

#include "engine/music.h"
#include "game_test.h"
#include "shell/menu.h"
#include "shell/shell.h"

namespace {

std::string Track(int list, int track) {
    return list == 0 ? "midi\\stageselect\\0.mid"
                     : "midi\\stage" + std::to_string(list) + "\\" + std::to_string(track) + ".mid";
}

}  // namespace

class Music : public GameTest {};

TEST_F(Music, ListsFollowTheTrackCountsAndNameTheirFolders) {
    std::set<std::string> all;
    int stagePaths = 0;
    for (int list = 0; list <= 50; ++list) {
        g_stageNumber = list;
        StageMusic m;
        EXPECT_GE(m.trackCount, 1);
        EXPECT_LE(m.trackCount, 5);
        EXPECT_EQ(m.trackCount, static_cast<int32_t>(g_trackCounts[list]));
        EXPECT_EQ(m.currentTrack, 0);
        EXPECT_EQ(m.waiting, 1);
        for (int k = 0; k < m.trackCount; ++k) {
            ASSERT_NE(m.paths[k], nullptr);
            EXPECT_EQ(m.paths[k], Track(list, k));
            all.insert(m.paths[k]);
        }
        for (int k = m.trackCount; k < 5; ++k) EXPECT_EQ(m.paths[k], nullptr);
        if (list > 0) stagePaths += m.trackCount;
    }
    EXPECT_EQ(stagePaths, 92);
    EXPECT_EQ(all.size(), 93u);
    EXPECT_EQ(g_trackCounts[13], 5u);
    EXPECT_EQ(g_trackCounts[44], 5u);
    EXPECT_EQ(g_trackCounts[23], 4u);
    EXPECT_EQ(TrackPath(1, 3), nullptr);
    EXPECT_EQ(TrackPath(51, 0), nullptr);
}

TEST_F(Music, TracksCycleAndTheFirstFollowsTheLast) {
    g_stageNumber = 44;
    StageMusic m;
    ASSERT_EQ(m.Init(), 1);
    ASSERT_EQ(m.LoadAll(), 1);
    EXPECT_EQ(backend.LiveMusic(), 5);
    EXPECT_EQ(backend.PlayingMusic(), "") << "loading plays nothing";
    ASSERT_EQ(m.PlayCurrent(), 1);
    EXPECT_EQ(m.IsPlaying(), 1);
    for (int k = 1; k <= 6; ++k) {
        m.NextTrack();
        EXPECT_EQ(backend.PlayingMusic(), Track(44, k % 5));
        EXPECT_EQ(m.IsPlaying(), 1);
    }
    EXPECT_EQ(m.Stop(), 1);
    EXPECT_EQ(m.IsPlaying(), 0);
    m.Release();
    EXPECT_EQ(backend.LiveMusic(), 0);
    EXPECT_EQ(m.Stop(), 0) << "no performance after release";
    EXPECT_EQ(m.PlayCurrent(), 0);
    EXPECT_EQ(m.IsPlaying(), 0);
    EXPECT_EQ(backend.StaleMusicCalls(), 0);
}

TEST_F(Music, ReloadingFreesTheOldTracksFirst) {
    StageMusic m;
    m.Init();
    m.LoadAll();
    m.LoadAll();
    EXPECT_EQ(backend.LiveMusic(), 1);
    m.Release();
    EXPECT_EQ(backend.StaleMusicCalls(), 0);
}

TEST_F(Music, NoDeviceOrNoBackendKeepsSilent) {
    backend.failAudio = true;
    StageMusic m;
    EXPECT_EQ(m.Init(), 0);
    EXPECT_EQ(m.LoadAll(), 0);
    EXPECT_EQ(m.PlayCurrent(), 0);
    EXPECT_EQ(m.Stop(), 0);
    platform::ClearBackend();
    StageMusic orphan;
    EXPECT_EQ(orphan.Init(), 0);
    orphan.NextTrack();
    orphan.Release();
    platform::SetBackend(&backend);
}

TEST_F(Music, ATrackThatFailsToLoadEndsTheLoadAndThenTheMusic) {
    backend.unloadableMusic = {Track(13, 2)};
    g_stageNumber = 13;
    StageMusic m;
    m.Init();
    EXPECT_EQ(m.LoadAll(), 0);
    EXPECT_NE(m.segments[1], 0u);
    EXPECT_EQ(m.segments[2], 0u);
    EXPECT_EQ(m.segments[3], 0u) << "tracks after the failed one are not loaded";
    EXPECT_EQ(m.PlayCurrent(), 1);
    m.NextTrack();
    EXPECT_EQ(backend.PlayingMusic(), Track(13, 1));
    m.NextTrack();
    EXPECT_EQ(m.IsPlaying(), 0);
    EXPECT_EQ(backend.PlayingMusic(), Track(13, 1)) << "a missing track plays nothing";
    m.Release();
}

// ---- the frame loop's music check (also run under ThreadSanitizer) ----------

class MusicThread : public GameTest {
protected:
    // Two seconds of frames: exactly one music check.
    void MusicCheck() {
        Tick(40);
        JoinNextTrackThread();
    }
    size_t Starts() { return backend.MusicStarts().size(); }
};

TEST_F(MusicThread, TitleTuneStartsAndRepeatsOnceSeenPlayingAndEnded) {
    StartGame();
    EXPECT_EQ(backend.PlayingMusic(), Track(0, 0));
    EXPECT_EQ(Starts(), 1u);
    MusicCheck();
    EXPECT_EQ(g_stageMusic.waiting, 0) << "seen playing";
    MusicCheck();
    EXPECT_EQ(Starts(), 1u) << "still playing: nothing new";
    backend.EndMusic();
    MusicCheck();
    EXPECT_EQ(Starts(), 2u);
    EXPECT_EQ(backend.PlayingMusic(), Track(0, 0));
    EXPECT_EQ(g_stageMusic.waiting, 1) << "the new track waits to be seen playing";
}

TEST_F(MusicThread, ATrackNeverSeenPlayingIsNeverReplaced) {
    StartGame();
    backend.EndMusic();  // ends before the first check can see it
    for (int i = 0; i < 4; ++i) MusicCheck();
    EXPECT_EQ(Starts(), 1u);
    EXPECT_EQ(g_stageMusic.waiting, 1);
}

TEST_F(MusicThread, StageTracksFollowEachOtherAndWrap) {
    StartGame();
    g_stageNumber = 13;
    g_menu.StartStage();
    g_menu.active = 0;
    EXPECT_EQ(backend.PlayingMusic(), Track(13, 0));
    for (int k = 1; k <= 5; ++k) {
        MusicCheck();  // seen playing
        backend.EndMusic();
        MusicCheck();  // ended: the next one starts
        EXPECT_EQ(backend.PlayingMusic(), Track(13, k % 5)) << k;
    }
    EXPECT_EQ(backend.StaleMusicCalls(), 0);
}

TEST_F(MusicThread, RestartingTheSameStageLeavesTheMusicAlone) {
    StartGame();
    g_stageNumber = 7;
    g_menu.StartStage();
    const size_t starts = Starts();
    const int live = backend.LiveMusic();
    g_menu.StartStage();
    EXPECT_EQ(Starts(), starts);
    EXPECT_EQ(backend.LiveMusic(), live);
    EXPECT_EQ(backend.PlayingMusic(), Track(7, 0));
}

TEST_F(MusicThread, StageChangeNeverPlaysOnAReleasedList) {
    // Each next track takes a while to start, so a stage change arrives while
    // the next-track thread is still inside it.
    backend.playMusicDelayUs = 3000;
    StartGame();
    const int stages[] = {13, 44, 1, 2, 13};
    for (int stage : stages) {
        MusicCheck();
        backend.EndMusic();
        Tick(40);  // starts a next-track thread; not waited for
        g_stageNumber = stage;
        g_menu.StartStage();
        EXPECT_EQ(backend.PlayingMusic(), Track(stage, 0)) << stage;
        EXPECT_EQ(backend.LiveMusic(), static_cast<int>(g_trackCounts[stage])) << "old list released";
        EXPECT_EQ(g_stageMusic.currentTrack, 0);
    }
    EXPECT_EQ(backend.StaleMusicCalls(), 0);
    const auto starts = backend.MusicStarts();
    ASSERT_FALSE(starts.empty());
    EXPECT_EQ(starts.back(), Track(13, 0));
}

TEST_F(MusicThread, ShutDownStopsAndReleasesWithAThreadInFlight) {
    backend.playMusicDelayUs = 3000;
    StartGame();
    MusicCheck();
    backend.EndMusic();
    Tick(40);
    ShutDown();
    EXPECT_EQ(backend.LiveMusic(), 0);
    EXPECT_EQ(backend.PlayingMusic(), "");
    EXPECT_EQ(backend.StaleMusicCalls(), 0);
}
