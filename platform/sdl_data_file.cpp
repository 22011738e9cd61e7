#include "platform/sdl_data_file.h"

#include <SDL.h>

#include <cstring>
#include <vector>

#include "platform/data_file.h"
#include "platform/platform.h"

namespace platform {

namespace {

int CloseOwnedStream(SDL_RWops* rw) {
    if (rw) {
        SDL_free(rw->hidden.mem.base);
        SDL_FreeRW(rw);
    }
    return 0;
}

}  // namespace

SDL_RWops* OpenDataFileStream(const char* gamePath, size_t maxBytes) {
    std::vector<uint8_t> bytes;
    if (!gamePath || !ReadDataFile(ResolveDataPath(gamePath).c_str(), maxBytes, bytes) || bytes.empty()) return nullptr;
    // A copy in SDL's heap: a loader may keep the stream for as long as the
    // music lives and closes it when done.
    void* copy = SDL_malloc(bytes.size());
    if (!copy) return nullptr;
    std::memcpy(copy, bytes.data(), bytes.size());
    SDL_RWops* rw = SDL_RWFromConstMem(copy, static_cast<int>(bytes.size()));
    if (!rw) {
        SDL_free(copy);
        return nullptr;
    }
    rw->close = CloseOwnedStream;
    return rw;
}

}  // namespace platform
