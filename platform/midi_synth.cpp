#include "midi_synth.h"

#include <fluidsynth.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>

namespace platform {

namespace {

// Loud enough beside the effects without clipping when many notes sound.
constexpr double kGain = 0.6;
constexpr int kScratchFrames = 2048;

}  // namespace

void MidiSynth::StartLoading(int sampleRate, std::string soundFonts) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (state_ != State::kIdle) return;
    state_ = State::kLoading;
    loader_ = std::thread(&MidiSynth::Load, this, sampleRate, std::move(soundFonts));
}

void MidiSynth::Load(int sampleRate, const std::string& soundFonts) {
    fluid_settings_t* settings = new_fluid_settings();
    fluid_synth_t* synth = nullptr;
    if (settings) {
        fluid_settings_setnum(settings, "synth.sample-rate", sampleRate);
        fluid_settings_setnum(settings, "synth.gain", kGain);
        // The tunes are small arrangements: 64 voices are plenty, and only
        // the instruments they choose need their samples in memory (about
        // half the soundfont's size saved).
        fluid_settings_setint(settings, "synth.polyphony", 64);
        fluid_settings_setint(settings, "synth.dynamic-sample-loading", 1);
        synth = new_fluid_synth(settings);
    }
    bool loaded = false;
    for (size_t from = 0; synth && !loaded && from < soundFonts.size();) {
        size_t to = soundFonts.find(';', from);
        if (to == std::string::npos) to = soundFonts.size();
        const std::string path = soundFonts.substr(from, to - from);
        if (!path.empty()) loaded = fluid_synth_sfload(synth, path.c_str(), 1) != FLUID_FAILED;
        from = to + 1;
    }
    if (!loaded) {
        std::fputs(soundFonts.empty() ? "morvane: no General MIDI soundfont found (install "
                                        "timgm6mb-soundfont); playing without music\n"
                                      : "morvane: the soundfont could not be loaded; playing "
                                        "without music\n",
                   stderr);
        if (synth) delete_fluid_synth(synth);
        if (settings) delete_fluid_settings(settings);
    }
    std::lock_guard<std::mutex> lock(mutex_);
    if (loaded) {
        settings_ = settings;
        synth_ = synth;
        state_ = State::kReady;
        Trace("soundfont loaded");
    } else {
        state_ = State::kFailed;
        request_ = false;
        requestBytes_.clear();
    }
    loaded_.notify_all();
}

MidiSynth::State MidiSynth::GetState() {
    std::lock_guard<std::mutex> lock(mutex_);
    return state_;
}

bool MidiSynth::WaitReady(int ms) {
    std::unique_lock<std::mutex> lock(mutex_);
    loaded_.wait_for(lock, std::chrono::milliseconds(ms), [&] { return state_ != State::kLoading; });
    return state_ == State::kReady;
}

bool MidiSynth::Play(uint32_t tune, const std::vector<uint8_t>& bytes) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (tune == 0 || bytes.empty()) return false;
    if (state_ != State::kLoading && state_ != State::kReady) return false;
    request_ = true;
    requestTune_ = tune;
    requestBytes_ = bytes;
    askedTune_ = tune;
    playing_ = 0;
    return true;
}

void MidiSynth::Stop() {
    std::lock_guard<std::mutex> lock(mutex_);
    request_ = true;
    requestTune_ = 0;
    requestBytes_.clear();
    askedTune_ = 0;
    playing_ = 0;
}

void MidiSynth::Forget(uint32_t tune) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (tune == 0 || askedTune_ != tune) return;
    }
    Stop();
}

uint32_t MidiSynth::Playing() {
    std::lock_guard<std::mutex> lock(mutex_);
    return playing_;
}

void MidiSynth::StartPlayer(uint32_t tune) {
    player_ = new_fluid_player(synth_);
    if (!player_) return;
    // The player keeps its own copy of the bytes and reads them as it starts.
    if (fluid_player_add_mem(player_, bytes_.data(), bytes_.size()) != FLUID_OK ||
        fluid_player_play(player_) != FLUID_OK) {
        DeletePlayer();
        return;
    }
    playerTune_ = tune;
    Trace("player started");
}

void MidiSynth::DeletePlayer() {
    if (player_) {
        fluid_player_stop(player_);
        delete_fluid_player(player_);
        player_ = nullptr;
        playerTune_ = 0;
        Trace("player stopped");
    }
    // Notes still ringing, the end of a finished tune among them, stop too.
    if (synth_) fluid_synth_all_sounds_off(synth_, -1);
}

void MidiSynth::Render(int16_t* out, int frames, int channels) {
    if (!out || frames <= 0 || channels <= 0) return;
    bool apply = false;
    uint32_t tune = 0;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (!synth_) {
            std::memset(out, 0, sizeof(int16_t) * static_cast<size_t>(frames) * channels);
            return;
        }
        if (request_) {
            apply = true;
            tune = requestTune_;
            bytes_.swap(requestBytes_);
            requestBytes_.clear();
            request_ = false;
        }
    }
    // From here on only this thread touches the synthesizer and its player.
    if (apply) {
        DeletePlayer();
        if (tune != 0) StartPlayer(tune);
    }
    if (channels == 2) {
        fluid_synth_write_s16(synth_, frames, out, 0, 2, out, 1, 2);
    } else {
        if (stereo_.empty()) stereo_.assign(kScratchFrames * 2, 0);
        for (int done = 0; done < frames;) {
            const int n = std::min(frames - done, kScratchFrames);
            fluid_synth_write_s16(synth_, n, stereo_.data(), 0, 2, stereo_.data(), 1, 2);
            for (int i = 0; i < n; ++i) {
                const int16_t left = stereo_[2 * i], right = stereo_[2 * i + 1];
                int16_t* frame = out + static_cast<size_t>(done + i) * channels;
                if (channels == 1) {
                    frame[0] = static_cast<int16_t>((left + right) / 2);
                } else {
                    frame[0] = left;
                    frame[1] = right;
                    std::fill(frame + 2, frame + channels, int16_t{0});
                }
            }
            done += n;
        }
    }
    const bool playing = player_ && fluid_player_get_status(player_) == FLUID_PLAYER_PLAYING;
    std::lock_guard<std::mutex> lock(mutex_);
    if (!request_) playing_ = playing ? playerTune_ : 0;
}

void MidiSynth::Shutdown() {
    if (loader_.joinable()) loader_.join();
    std::lock_guard<std::mutex> lock(mutex_);
    DeletePlayer();
    bytes_.clear();
    if (synth_) {
        delete_fluid_synth(synth_);
        synth_ = nullptr;
        Trace("synthesizer deleted");
    }
    if (settings_) {
        delete_fluid_settings(settings_);
        settings_ = nullptr;
    }
    request_ = false;
    requestBytes_.clear();
    askedTune_ = 0;
    playing_ = 0;
    if (state_ != State::kIdle) state_ = State::kFailed;
}

}  // namespace platform
