// Every test program runs headless wherever it is started: SDL's dummy video
// and audio drivers, whatever the caller's environment says. Set before main,
// so the programs the tests start inherit them too.
#include <cstdlib>

namespace {

const bool kHeadless = [] {
    ::setenv("SDL_VIDEODRIVER", "dummy", 1);
    ::setenv("SDL_AUDIODRIVER", "dummy", 1);
    return true;
}();

}  // namespace
