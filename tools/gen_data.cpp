// Writes the game's whole data tree (pictures, sounds, tunes) below the folder
// named on the command line. Output is deterministic: the same bytes every run.
#include <cstdio>
#include <string>

#include "gen_data.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s DATA_FOLDER\n", argv[0]);
        return 2;
    }
    const std::string root = argv[1];
    if (!GenerateBitmaps(root)) return 1;
    if (!GenerateAudio(root)) return 1;
    return 0;
}
