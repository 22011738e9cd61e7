// The track lists, apart from the music object so the data generator can
// name the same files.
#include <array>

#include "music.h"

const uint32_t g_trackCounts[kMusicLists] = {
    1,                             // title
    3, 2, 2, 3, 2, 1, 1, 1, 1, 2,  // 1 to 10
    3, 1, 5, 2, 1, 3, 2, 2, 1, 2,  // 11 to 20
    2, 1, 4, 1, 2, 2, 1, 2, 3, 3,  // 21 to 30
    1, 1, 3, 2, 2, 1, 1, 1, 1, 1,  // 31 to 40
    2, 1, 1, 5, 1, 1, 1, 2, 1, 2,  // 41 to 50
};

namespace {

struct PathText {
    char text[24];
};

constexpr PathText MakePath(int list, int track) {
    PathText p{};
    int n = 0;
    auto put = [&](const char* s) {
        while (*s) p.text[n++] = *s++;
    };
    put("midi\\stage");
    if (list == 0) {
        put("select");
    } else {
        if (list >= 10) p.text[n++] = static_cast<char>('0' + list / 10);
        p.text[n++] = static_cast<char>('0' + list % 10);
    }
    p.text[n++] = '\\';
    p.text[n++] = static_cast<char>('0' + track);
    put(".mid");
    return p;
}

constexpr auto BuildPaths() {
    std::array<std::array<PathText, kMaxTracks>, kMusicLists> all{};
    for (int list = 0; list < kMusicLists; ++list)
        for (int track = 0; track < kMaxTracks; ++track) all[list][track] = MakePath(list, track);
    return all;
}

constexpr auto kTrackPaths = BuildPaths();

}  // namespace

const char* TrackPath(int32_t list, int32_t track) {
    if (list < 0 || list >= kMusicLists || track < 0 || track >= static_cast<int32_t>(g_trackCounts[list]))
        return nullptr;
    return kTrackPaths[list][track].text;
}
