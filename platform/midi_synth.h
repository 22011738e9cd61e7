// The one software synthesizer of a run (FluidSynth) and the MIDI player on
// it. The soundfont loads on a thread of its own, so nothing waits for it; a
// tune asked for meanwhile starts as soon as it is in. The sound device pulls
// the samples through Render.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

typedef struct _fluid_hashtable_t fluid_settings_t;
typedef struct _fluid_synth_t fluid_synth_t;
typedef struct _fluid_player_t fluid_player_t;

namespace platform {

class MidiSynth {
public:
    enum class State { kIdle, kLoading, kReady, kFailed };

    MidiSynth() = default;
    ~MidiSynth() { Shutdown(); }
    MidiSynth(const MidiSynth&) = delete;
    MidiSynth& operator=(const MidiSynth&) = delete;

    // Starts building the synthesizer for sampleRate and loading the
    // soundfonts (a ';'-separated list; the first that loads is used) on a
    // loader thread. Only the first call does anything.
    void StartLoading(int sampleRate, std::string soundFonts);
    State GetState();
    // Waits up to ms for the loader to finish; true when the synthesizer is ready.
    bool WaitReady(int ms);

    // Plays a Standard MIDI file once from a copy of its bytes, replacing the
    // tune that plays; tune is the caller's tag for it (not 0). False when no
    // synthesizer can be had. The device's thread starts it at its next
    // Render, the first one after the soundfont is in.
    bool Play(uint32_t tune, const std::vector<uint8_t>& bytes);
    // Silences everything at the next Render, a tune still to start included.
    void Stop();
    // Stop, when tune is the one asked for last.
    void Forget(uint32_t tune);
    // The tag of the tune whose player was playing at the last Render; 0 when
    // none was, or another tune has been asked for since.
    uint32_t Playing();
    // Interleaved signed 16-bit frames for the sound device, silence until
    // the synthesizer is ready. Only ever on one thread at a time; the player
    // is its own, so nothing the game asks for waits for the synthesizer.
    void Render(int16_t* out, int frames, int channels);
    // Waits for the loader, then deletes player and synthesizer. The caller
    // makes sure Render is not running and will not run again.
    void Shutdown();

    // Milestones ("soundfont loaded", "player started", "player stopped",
    // "synthesizer deleted"), for tests; called on whichever thread reached them.
    std::function<void(const char*)> trace;

private:
    void Load(int sampleRate, const std::string& soundFonts);
    void StartPlayer(uint32_t tune);  // Render's thread
    void DeletePlayer();              // Render's thread, or after the device is gone
    void Trace(const char* what) {
        if (trace) trace(what);
    }

    std::mutex mutex_;  // guards the fields up to the device's own
    std::condition_variable loaded_;
    std::thread loader_;
    State state_ = State::kIdle;
    fluid_settings_t* settings_ = nullptr;
    fluid_synth_t* synth_ = nullptr;
    bool request_ = false;      // a play or a stop for the next Render
    uint32_t requestTune_ = 0;  // 0: stop
    std::vector<uint8_t> requestBytes_;
    uint32_t askedTune_ = 0;  // the last tune asked for, until a stop
    uint32_t playing_ = 0;

    // The device thread's own.
    fluid_player_t* player_ = nullptr;
    uint32_t playerTune_ = 0;
    std::vector<uint8_t> bytes_;
    std::vector<int16_t> stereo_;  // scratch for devices that are not stereo
};

}  // namespace platform
