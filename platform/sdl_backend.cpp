#include "sdl_backend.h"

#include <SDL.h>

#include <atomic>
#include <cstdlib>
#include <cstring>

namespace platform {

struct SdlBackend::Timer {
    uint32_t id = 0;
    SDL_TimerID sdlId = 0;
    TimerCallback callback = nullptr;
    std::atomic<bool> live{true};
};

namespace {

Uint32 TimerThunk(Uint32 interval, void* param) {
    auto* t = static_cast<SdlBackend::Timer*>(param);
    if (t->live.load()) t->callback(t->id);
    return interval;
}

// SDL scancode -> classic PC scan code (extended keys at 0x80 + code).
int ScanCode(SDL_Scancode sc) {
    if (sc >= SDL_SCANCODE_A && sc <= SDL_SCANCODE_Z) {
        static const uint8_t letters[26] = {0x1E, 0x30, 0x2E, 0x20, 0x12, 0x21, 0x22, 0x23, 0x17,
                                            0x24, 0x25, 0x26, 0x32, 0x31, 0x18, 0x19, 0x10, 0x13,
                                            0x1F, 0x14, 0x16, 0x2F, 0x11, 0x2D, 0x15, 0x2C};
        return letters[sc - SDL_SCANCODE_A];
    }
    if (sc >= SDL_SCANCODE_1 && sc <= SDL_SCANCODE_0) return 0x02 + (sc - SDL_SCANCODE_1);
    if (sc >= SDL_SCANCODE_F1 && sc <= SDL_SCANCODE_F10) return 0x3B + (sc - SDL_SCANCODE_F1);
    switch (sc) {
        case SDL_SCANCODE_ESCAPE: return 0x01;
        case SDL_SCANCODE_RETURN: return 0x1C;
        case SDL_SCANCODE_SPACE: return 0x39;
        case SDL_SCANCODE_TAB: return 0x0F;
        case SDL_SCANCODE_BACKSPACE: return 0x0E;
        case SDL_SCANCODE_LCTRL: return 0x1D;
        case SDL_SCANCODE_LSHIFT: return 0x2A;
        case SDL_SCANCODE_LALT: return 0x38;
        case SDL_SCANCODE_RCTRL: return 0x9D;
        case SDL_SCANCODE_RSHIFT: return 0x36;
        case SDL_SCANCODE_RALT: return 0xB8;
        case SDL_SCANCODE_UP: return 0xC8;
        case SDL_SCANCODE_DOWN: return 0xD0;
        case SDL_SCANCODE_LEFT: return 0xCB;
        case SDL_SCANCODE_RIGHT: return 0xCD;
        case SDL_SCANCODE_HOME: return 0xC7;
        case SDL_SCANCODE_END: return 0xCF;
        case SDL_SCANCODE_PAGEUP: return 0xC9;
        case SDL_SCANCODE_PAGEDOWN: return 0xD1;
        case SDL_SCANCODE_INSERT: return 0xD2;
        case SDL_SCANCODE_DELETE: return 0xD3;
        default: return -1;
    }
}

}  // namespace

SdlBackend::SdlBackend() = default;

SdlBackend::~SdlBackend() {
    {
        std::lock_guard<std::mutex> lock(timersMutex_);
        for (auto& [id, t] : timers_) {
            t->live.store(false);
            SDL_RemoveTimer(t->sdlId);
        }
    }
    CloseAudio();
    if (texture_) SDL_DestroyTexture(texture_);
    if (renderer_) SDL_DestroyRenderer(renderer_);
    if (window_) SDL_DestroyWindow(window_);
    if (videoUp_) SDL_Quit();
    // The timer thread has stopped with SDL_Quit; its records can go now.
    timers_.clear();
}

std::string SdlBackend::LastError() { return error_.empty() ? SDL_GetError() : error_; }

bool SdlBackend::CreateMainWindow(const char* windowClass, const char* title) {
    // Lets window managers match the game's windows by class.
    setenv("SDL_VIDEO_X11_WMCLASS", windowClass, 0);
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
    SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER | SDL_INIT_EVENTS) != 0) {
        error_ = std::string("no display available (") + SDL_GetError() + ")";
        return false;
    }
    videoUp_ = true;
    window_ = SDL_CreateWindow(title, SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED, kScreenW, kScreenH,
                               SDL_WINDOW_HIDDEN);
    if (!window_) {
        error_ = std::string("no window could be created (") + SDL_GetError() + ")";
        return false;
    }
    userEvent_ = SDL_RegisterEvents(2);
    if (userEvent_ == static_cast<uint32_t>(-1)) {
        error_ = "no event types left";
        return false;
    }
    error_.clear();
    return true;
}

bool SdlBackend::OpenDisplay() {
    if (!window_) return false;
    SDL_SetWindowFullscreen(window_, SDL_WINDOW_FULLSCREEN_DESKTOP);
    SDL_ShowWindow(window_);
    // The frame is drawn on the CPU and only scaled up here, which SDL's own
    // renderer does alike and at once, where setting up a GL one can take
    // half a second (far longer with a software GL). A renderer the player
    // names in SDL_RENDER_DRIVER is still taken, and GL is the fall-back.
    const bool named = SDL_GetHint(SDL_HINT_RENDER_DRIVER) != nullptr;
    if (!named) SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    renderer_ = SDL_CreateRenderer(window_, -1, named ? SDL_RENDERER_ACCELERATED : SDL_RENDERER_SOFTWARE);
    if (!renderer_)
        renderer_ = SDL_CreateRenderer(window_, -1, named ? SDL_RENDERER_SOFTWARE : SDL_RENDERER_ACCELERATED);
    if (!renderer_) {
        error_ = std::string("no renderer (") + SDL_GetError() + ")";
        return false;
    }
    SDL_RenderSetLogicalSize(renderer_, kScreenW, kScreenH);
    texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING, kScreenW, kScreenH);
    if (!texture_) {
        error_ = std::string("no texture (") + SDL_GetError() + ")";
        return false;
    }
    SDL_RaiseWindow(window_);
    return true;
}

void SdlBackend::ShowCursor(bool show) { SDL_ShowCursor(show ? SDL_ENABLE : SDL_DISABLE); }

void SdlBackend::SetPalette(const Color (&entries)[256]) {
    for (int i = 0; i < 256; ++i)
        lut_[i] = 0xFF000000u | (uint32_t{entries[i].r} << 16) | (uint32_t{entries[i].g} << 8) | entries[i].b;
}

void SdlBackend::ConvertFrame(const Surface& frame, const uint32_t* lut, uint32_t* out, int pitchPixels) {
    const int w = frame.Width() < kScreenW ? frame.Width() : kScreenW;
    const int h = frame.Height() < kScreenH ? frame.Height() : kScreenH;
    for (int y = 0; y < h; ++y) {
        const uint8_t* in = frame.Row(y);
        uint32_t* o = out + static_cast<size_t>(y) * pitchPixels;
        for (int x = 0; x < w; ++x) o[x] = lut[in[x]];
    }
}

bool SdlBackend::Present(const Surface& frame) {
    if (!texture_) return false;
    void* pixels = nullptr;
    int pitch = 0;
    if (SDL_LockTexture(texture_, nullptr, &pixels, &pitch) != 0) return false;
    ConvertFrame(frame, lut_, static_cast<uint32_t*>(pixels), pitch / 4);
    SDL_UnlockTexture(texture_);
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderClear(renderer_);
    SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
    SDL_RenderPresent(renderer_);
    return true;
}

void SdlBackend::DrawText(Surface& dst, int x, int y, const char* utf8, uint8_t index) {
    RenderText(dst, x, y, utf8, index);
}

bool SdlBackend::WaitMessage(Message& out) {
    SDL_Event e;
    for (;;) {
        if (SDL_WaitEvent(&e) == 0) {
            out = Message{MessageType::Quit, 0};
            return false;
        }
        if (userEvent_ != 0 && e.type == userEvent_) {
            out = Message{MessageType::User, static_cast<uint32_t>(e.user.code)};
            return true;
        }
        if (userEvent_ != 0 && e.type == userEvent_ + 1) {
            out = Message{MessageType::Quit, static_cast<uint32_t>(e.user.code)};
            return false;
        }
        switch (e.type) {
            case SDL_QUIT:
                // A close request made with Alt held is a system-key shortcut:
                // the game swallows those.
                if (SDL_GetModState() & KMOD_ALT) continue;
                out = Message{MessageType::Close, 0};
                return true;
            case SDL_MOUSEBUTTONDOWN:
                if (e.button.button == SDL_BUTTON_LEFT) {
                    out = Message{MessageType::LeftClick, 0};
                    return true;
                }
                continue;
            case SDL_WINDOWEVENT:
                if (e.window.event == SDL_WINDOWEVENT_EXPOSED) {
                    out = Message{MessageType::Paint, 0};
                    return true;
                }
                continue;
            default: continue;
        }
    }
}

void SdlBackend::PostUser(uint32_t param) {
    SDL_Event e{};
    e.type = userEvent_;
    e.user.code = static_cast<Sint32>(param);
    SDL_PushEvent(&e);
}

void SdlBackend::PostQuit(int exitCode) {
    SDL_Event e{};
    e.type = userEvent_ + 1;
    e.user.code = exitCode;
    SDL_PushEvent(&e);
}

uint32_t SdlBackend::StartTimer(uint32_t periodMs, TimerCallback callback) {
    if (!videoUp_ || !callback) return 0;
    std::lock_guard<std::mutex> lock(timersMutex_);
    auto t = std::make_unique<Timer>();
    t->id = nextTimerId_;
    t->callback = callback;
    t->sdlId = SDL_AddTimer(periodMs, TimerThunk, t.get());
    if (t->sdlId == 0) return 0;
    const uint32_t id = nextTimerId_++;
    timers_[id] = std::move(t);
    return id;
}

void SdlBackend::StopTimer(uint32_t id) {
    std::lock_guard<std::mutex> lock(timersMutex_);
    auto it = timers_.find(id);
    if (it == timers_.end()) return;
    it->second->live.store(false);
    SDL_RemoveTimer(it->second->sdlId);
    // The record stays until shut-down: a callback may be running right now.
}

bool SdlBackend::OpenKeyboard() { return videoUp_; }

bool SdlBackend::ReadKeyboard(uint8_t (&state)[256]) {
    std::memset(state, 0, sizeof state);
    if (!window_ || SDL_GetKeyboardFocus() != window_) return false;
    int n = 0;
    const Uint8* keys = SDL_GetKeyboardState(&n);
    for (int sc = 0; sc < n; ++sc) {
        if (!keys[sc]) continue;
        const int code = ScanCode(static_cast<SDL_Scancode>(sc));
        if (code >= 0) state[code] = 0x80;
    }
    return true;
}

}  // namespace platform
