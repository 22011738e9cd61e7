#include <cstdio>

#include "platform/data_tree.h"
#include "platform/sdl_backend.h"
#include "shell/shell.h"

int main() {
    // Started from the project folder or elsewhere, the build's data is used.
    platform::EnterDataTree(platform::ExecutablePath(), stderr);
    platform::SdlBackend backend;
    platform::SetBackend(&backend);
    const int code = WinMain();
    platform::ClearBackend();
    return code;
}
