#pragma once

#include <cstdint>

// Key mask bits.
enum : uint32_t {
    kKeyUp = 1,
    kKeyDown = 2,
    kKeyLeft = 4,
    kKeyRight = 8,
    kKeyAlt = 16,
    kKeyCtrl = 32,
    kKeyShift = 64,
    kKeyEsc = 128,
};

// Scan codes of the eight game keys, indexed by mask bit.
extern const uint32_t g_keyCodes[8];

class Keyboard {
public:
    Keyboard() = default;
    ~Keyboard();

    void Init();
    int32_t Poll();
    void GetState(uint32_t& held, uint32_t& pressed, uint32_t& released) const;
    void GetEdges(uint32_t& pressed, uint32_t& released) const;

private:
    bool device_ = false;
    uint32_t held_ = 0;
    uint32_t pressed_ = 0;
    uint32_t released_ = 0;
};

extern Keyboard g_keyboard;
