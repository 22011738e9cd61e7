// The game's window onto the machine: 8-bit surfaces, a blitter without a
// clipper, a palette display, a message queue fed by timer threads, a 256-byte
// key state and a single-instance lock. Game code talks only to this header;
// the SDL and headless backends live behind Backend.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace platform {

struct Rect {
    int32_t left, top, right, bottom;
};

struct Color {
    uint8_t r, g, b, flags;
};

constexpr int kScreenW = 640;
constexpr int kScreenH = 480;

// An 8-bit picture. New surfaces hold palette index 0 everywhere.
class Surface {
public:
    Surface(int width, int height);
    int Width() const { return width_; }
    int Height() const { return height_; }
    uint8_t* Row(int y) { return pixels_.data() + static_cast<size_t>(y) * width_; }
    const uint8_t* Row(int y) const { return pixels_.data() + static_cast<size_t>(y) * width_; }
    uint8_t* Pixels() { return pixels_.data(); }
    const uint8_t* Pixels() const { return pixels_.data(); }
    // -1: no key; otherwise the palette index that keyed blits leave out.
    int ColorKey() const { return colorKey_; }
    void SetColorKey(int index) { colorKey_ = index; }

private:
    int width_;
    int height_;
    int colorKey_ = -1;
    std::vector<uint8_t> pixels_;
};

// Copies src (its whole area when srcRect is null) into dst (whole area when
// dstRect is null), stretching nearest-neighbour when the sizes differ. With
// useKey the source's colour key is transparent. There is no clipper: a
// destination not wholly inside dst, a source leaving src, or an empty or
// inverted rectangle draws nothing and returns false.
bool Blit(Surface& dst, const Rect* dstRect, const Surface& src, const Rect* srcRect, bool useKey);

// Fills a rectangle (whole surface when null) with one index; same refusal rules.
bool Fill(Surface& dst, const Rect* rect, uint8_t index);

enum class MessageType {
    User,  // posted by a timer callback; param is the timer id
    Paint,
    LeftClick,  // left mouse button anywhere in the window
    Close,      // the window is being closed (not by a system-key shortcut)
    Quit,       // the loop ends; param is the exit code
};

struct Message {
    MessageType type;
    uint32_t param;
};

using TimerCallback = void (*)(uint32_t id);

// ---- Audio: sound effects and MIDI music --------------------------------

// Sample layout of a sound buffer: interleaved little-endian PCM, 8-bit
// unsigned or 16-bit signed.
struct PcmFormat {
    uint16_t channels;
    uint32_t sampleRate;
    uint16_t bitsPerSample;
};

// Sound and music handles are plain integers, 0 meaning none, never reused
// by one backend: a game object that outlives its backend holds numbers, not
// dangling pointers. Every call with an unknown handle does nothing.

// ---- end of audio types -------------------------------------------------

class Backend {
public:
    virtual ~Backend() = default;

    // Window and display. CreateMainWindow fails when no display can be had.
    virtual bool CreateMainWindow(const char* windowClass, const char* title) = 0;
    virtual std::string LastError() = 0;
    virtual bool OpenDisplay() = 0;  // full screen, 640 x 480 logical
    virtual void ShowCursor(bool show) = 0;
    virtual void SetPalette(const Color (&entries)[256]) = 0;
    virtual bool Present(const Surface& frame) = 0;
    // Writes text in one palette index onto an 8-bit surface; UTF-8.
    virtual void DrawText(Surface& dst, int x, int y, const char* utf8, uint8_t index) = 0;

    // Messages. PostUser and PostQuit may be called from any thread.
    virtual bool WaitMessage(Message& out) = 0;  // false once Quit is taken
    virtual void PostUser(uint32_t param) = 0;
    virtual void PostQuit(int exitCode) = 0;

    // Periodic timers; callbacks run on a timer thread. 0 means failure;
    // ids are never reused.
    virtual uint32_t MinTimerPeriod() = 0;
    virtual bool BeginTimerPeriod(uint32_t ms) = 0;
    virtual void EndTimerPeriod(uint32_t ms) = 0;
    virtual uint32_t StartTimer(uint32_t periodMs, TimerCallback callback) = 0;
    virtual void StopTimer(uint32_t id) = 0;

    // Keyboard: a 256-byte state indexed by the classic PC scan-code set
    // (extended keys at 0x80 + code), top bit set while held.
    virtual bool OpenKeyboard() = 0;
    virtual bool ReadKeyboard(uint8_t (&state)[256]) = 0;
    virtual void CloseKeyboard() = 0;

    // ---- Audio ----
    // Opens the sound device (once; later calls report whether it is open).
    virtual bool OpenAudio() = 0;
    // A sound buffer holding a copy of the samples, with a channel of its
    // own; 0 when the device is not open or the samples cannot be used.
    virtual uint32_t CreateSound(const PcmFormat& format, const uint8_t* data, size_t bytes) = 0;
    virtual void DestroySound(uint32_t sound) = 0;
    // Pan from -1 (left) through 0 (centre) to +1 (right); takes effect at
    // once, also on a sound that is playing.
    virtual void SetSoundPan(uint32_t sound, double pan) = 0;
    // Plays the buffer once from its start; a buffer still playing goes on
    // where it is instead of starting again.
    virtual void PlaySound(uint32_t sound) = 0;
    virtual bool IsSoundPlaying(uint32_t sound) = 0;
    // Standard MIDI files, named as the game names its data files. Music
    // calls may come from any thread, one at a time.
    virtual uint32_t LoadMusic(const char* path) = 0;  // 0 on failure
    virtual bool PlayMusic(uint32_t music) = 0;        // once, replacing any other
    virtual void StopMusic() = 0;
    virtual bool IsMusicPlaying(uint32_t music) = 0;
    virtual void FreeMusic(uint32_t music) = 0;  // stops it first when it plays
    // ---- end of audio ----
};

// The backend in use; null before SetBackend and after ClearBackend. Game
// objects that outlive the backend (globals destroyed at exit) check for null.
Backend* Current();
void SetBackend(Backend* backend);
void ClearBackend();

// Single-instance lock held for the life of the process (flock on a file in
// the runtime directory: a crashed holder releases it automatically).
class InstanceLock {
public:
    ~InstanceLock();
    // 1 when this process holds the lock, 0 when another one does.
    int Acquire(const char* name);
    void Release();
    bool Held() const { return fd_ >= 0; }

private:
    int fd_ = -1;
};

// Lowers the calling thread to the lowest scheduling priority.
void SetCurrentThreadLowestPriority();

// --- Bitmap files and data paths ---------------------------------------------

// An 8-bit picture as read from a Windows bitmap file: indices top-down, rows
// of exactly width bytes, and the file's colour table (paletteCount entries).
struct Bitmap {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> pixels;
    Color palette[256] = {};
    int paletteCount = 0;
};

// Largest width or height, and pixel count, accepted; anything beyond is
// treated as malformed.
constexpr int kMaxBitmapSide = 8192;
constexpr int64_t kMaxBitmapPixels = 4096 * 4096;

// Decodes an 8-bit BI_RGB (bottom-up or top-down) or RLE8 bitmap held in
// memory. Any other or damaged file returns false and leaves out unspecified;
// it never reads outside data. An RLE8 header claiming far more pixels than
// its stream could fill counts as damaged. out's pixel buffer is reused.
bool DecodeBmp(const uint8_t* data, size_t size, Bitmap& out);
// Maps a game path ('\' or '/' separated, any letter case) onto an existing
// file below the working directory, matching each component without regard
// to case. Returns the '/' form unchanged where nothing matches.
std::string ResolveDataPath(const char* gamePath);

// --- Text ---------------------------------------------------------------------

// Which font the screen texts use; the build's language chooses.
enum class TextFont { kLatin, kJapanese };
void SetTextFont(TextFont font);
// Writes UTF-8 text with its top-left corner at (x, y): glyph pixels become
// index, everything else is left alone. Clipped to dst.
void RenderText(Surface& dst, int x, int y, const char* utf8, uint8_t index);
// Height of one line of text in pixels (0 when no font could be opened).
int TextLineHeight();

}  // namespace platform
