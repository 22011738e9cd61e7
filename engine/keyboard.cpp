#include "keyboard.h"

#include "platform/platform.h"

Keyboard g_keyboard;

const uint32_t g_keyCodes[8] = {0xC8, 0xD0, 0xCB, 0xCD, 0x38, 0x1D, 0x2A, 0x01};

Keyboard::~Keyboard() {
    if (device_) {
        if (platform::Backend* b = platform::Current()) b->CloseKeyboard();
        device_ = false;
    }
}

void Keyboard::Init() {
    platform::Backend* b = platform::Current();
    if (!b) return;
    if (!b->OpenKeyboard()) {
        // Without a keyboard the game cannot be played or left: end it.
        b->PostQuit(0);
        return;
    }
    device_ = true;
}

int32_t Keyboard::Poll() {
    if (!device_) return 0;
    platform::Backend* b = platform::Current();
    uint8_t state[256] = {};
    const uint32_t old = held_;
    if (!b || !b->ReadKeyboard(state)) {
        // Unreadable (e.g. the window lost focus): every key reads as up, so
        // the last frame's fresh presses are not repeated.
        held_ = 0;
        pressed_ = 0;
        released_ = old;
        return 0;
    }
    uint32_t now = 0;
    for (uint32_t k = 0; k < 8; ++k)
        if (state[g_keyCodes[k]] & 0x80) now |= 1u << k;
    held_ = now;
    pressed_ = now & ~old;
    released_ = old & ~now;
    return 1;
}

void Keyboard::GetState(uint32_t& held, uint32_t& pressed, uint32_t& released) const {
    held = held_;
    pressed = pressed_;
    released = released_;
}

void Keyboard::GetEdges(uint32_t& pressed, uint32_t& released) const {
    pressed = pressed_;
    released = released_;
}
