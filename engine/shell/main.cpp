#include "engine/shell/shell.h"
#include "platform/sdl_backend.h"

int main() {
    platform::SdlBackend backend;
    platform::SetBackend(&backend);
    const int code = WinMain();
    platform::ClearBackend();
    return code;
}
