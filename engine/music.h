#pragma once

#include <cstdint>
#include <mutex>

constexpr int32_t kMaxTracks = 5;
constexpr int32_t kMusicLists = 51;  // 0 the title, then stages 1 to 50

// Tracks per list, by stage number (0 = title).
extern const uint32_t g_trackCounts[kMusicLists];
// Relative path of track k of list n ("midi\stageN\k.mid"; the title's lies
// under "midi\stageselect\"); null beyond the list's track count.
const char* TrackPath(int32_t list, int32_t track);

// The music of the title or of one stage: a list of one to five MIDI tracks
// played one after another, the first again after the last.
class StageMusic {
public:
    // Takes the list of the current g_stageNumber.
    StageMusic();
    int32_t Init();
    int32_t LoadAll();
    int32_t PlayCurrent();
    int32_t Stop();
    int32_t IsPlaying();
    void NextTrack();
    void Release();

    int32_t performance;            // the sound device is open for music
    int32_t loader;                 // tracks may be loaded
    const char* paths[kMaxTracks];  // first trackCount set
    int32_t currentTrack;
    uint32_t segments[kMaxTracks];  // backend music handles, 0 until loaded
    int32_t trackCount;
    int32_t waiting;  // 1 until the current track has been seen playing
};

extern StageMusic g_stageMusic;
// Held by whichever thread touches g_stageMusic: the frame loop (music check,
// stage change, shut-down) and the short-lived next-track thread.
extern std::mutex g_musicMutex;
