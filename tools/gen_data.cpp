// Writes the game's whole data tree (pictures, sounds, tunes) below the folder
// named on the command line. Output is deterministic: the same bytes every run.
// With --contact-sheets it writes only the review sheets of every sprite frame.
#include <cstdio>
#include <string>

#include "contact_sheets.h"
#include "gen_data.h"

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--contact-sheets") return WriteContactSheets(argv[2]) ? 0 : 1;
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s DATA_FOLDER | --contact-sheets SHEET_FOLDER\n", argv[0]);
        return 2;
    }
    const std::string root = argv[1];
    if (!GenerateBitmaps(root)) return 1;
    if (!GenerateAudio(root)) return 1;
    return 0;
}
