#include "headless_backend.h"

#include <chrono>
#include <cstring>
#include <thread>

namespace platform {

bool HeadlessBackend::CreateMainWindow(const char*, const char*) { return !failWindow; }

bool HeadlessBackend::OpenDisplay() { return !failDisplay; }

void HeadlessBackend::SetPalette(const Color (&entries)[256]) { std::memcpy(palette, entries, sizeof palette); }

bool HeadlessBackend::Present(const Surface& frame) {
    ++presentCount;
    lastFrame.assign(frame.Pixels(), frame.Pixels() + static_cast<size_t>(frame.Width()) * frame.Height());
    std::memcpy(lastPalette, palette, sizeof lastPalette);
    lastTexts.swap(pendingTexts);
    pendingTexts.clear();
    return true;
}

void HeadlessBackend::DrawText(Surface& dst, int x, int y, const char* utf8, uint8_t index) {
    pendingTexts.push_back(Text{x, y, utf8 ? utf8 : "", index});
    RenderText(dst, x, y, utf8, index);
}

bool HeadlessBackend::WaitMessage(Message& out) {
    for (;;) {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            if (!queue_.empty()) {
                out = queue_.front();
                queue_.pop_front();
                return out.type != MessageType::Quit;
            }
        }
        if (!idle || !idle()) {
            out = Message{MessageType::Quit, 0};
            return false;
        }
    }
}

bool HeadlessBackend::TakeMessage(Message& out) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (queue_.empty()) return false;
    out = queue_.front();
    queue_.pop_front();
    return true;
}

size_t HeadlessBackend::QueuedMessages() {
    std::lock_guard<std::mutex> lock(mutex_);
    return queue_.size();
}

void HeadlessBackend::PostUser(uint32_t param) {
    std::lock_guard<std::mutex> lock(mutex_);
    queue_.push_back(Message{MessageType::User, param});
}

void HeadlessBackend::PostQuit(int exitCode) {
    std::lock_guard<std::mutex> lock(mutex_);
    queue_.push_back(Message{MessageType::Quit, static_cast<uint32_t>(exitCode)});
}

void HeadlessBackend::InjectClick() {
    std::lock_guard<std::mutex> lock(mutex_);
    queue_.push_back(Message{MessageType::LeftClick, 0});
}

void HeadlessBackend::InjectClose() {
    std::lock_guard<std::mutex> lock(mutex_);
    queue_.push_back(Message{MessageType::Close, 0});
}

void HeadlessBackend::InjectPaint() {
    std::lock_guard<std::mutex> lock(mutex_);
    queue_.push_back(Message{MessageType::Paint, 0});
}

bool HeadlessBackend::BeginTimerPeriod(uint32_t ms) {
    periodsBegun.push_back(ms);
    return true;
}

void HeadlessBackend::EndTimerPeriod(uint32_t ms) { periodsEnded.push_back(ms); }

uint32_t HeadlessBackend::StartTimer(uint32_t periodMs, TimerCallback callback) {
    if (failTimers || !callback || periodMs == 0) return 0;
    const uint32_t id = nextTimerId_++;
    timers_[id] = Timer{periodMs, now_ + periodMs, callback};
    return id;
}

void HeadlessBackend::StopTimer(uint32_t id) { timers_.erase(id); }

int HeadlessBackend::ActiveTimers() const { return static_cast<int>(timers_.size()); }

void HeadlessBackend::Advance(uint32_t ms) {
    const uint64_t target = now_ + ms;
    for (;;) {
        uint32_t nextId = 0;
        uint64_t nextDue = target + 1;
        for (const auto& [id, t] : timers_) {
            if (t.due < nextDue) {
                nextDue = t.due;
                nextId = id;
            }
        }
        if (nextId == 0) break;
        now_ = nextDue;
        Timer& t = timers_[nextId];
        t.due += t.period;
        const TimerCallback cb = t.callback;
        cb(nextId);  // may stop timers; nothing above is used after this
    }
    now_ = target;
}

void HeadlessBackend::ReleaseAllKeys() { std::memset(keys_, 0, sizeof keys_); }

bool HeadlessBackend::ReadKeyboard(uint8_t (&state)[256]) {
    if (failKeyboardRead) {
        std::memset(state, 0, sizeof state);
        return false;
    }
    std::memcpy(state, keys_, sizeof state);
    return true;
}

}  // namespace platform

// ---- Audio ----

namespace platform {

namespace {

bool UsableFormat(const PcmFormat& f) {
    return (f.channels == 1 || f.channels == 2) && (f.bitsPerSample == 8 || f.bitsPerSample == 16) && f.sampleRate > 0;
}

}  // namespace

bool HeadlessBackend::OpenAudio() {
    std::lock_guard<std::mutex> lock(audioMutex_);
    if (!failAudio) audioOpen_ = true;
    return audioOpen_;
}

uint32_t HeadlessBackend::CreateSound(const PcmFormat& format, const uint8_t* data, size_t bytes) {
    std::lock_guard<std::mutex> lock(audioMutex_);
    if (!audioOpen_ || !data || !UsableFormat(format)) return 0;
    const size_t frame = size_t{format.channels} * (format.bitsPerSample / 8);
    if (bytes < frame) return 0;
    const uint32_t id = nextSound_++;
    sounds_[id] = SoundInfo{format, std::vector<uint8_t>(data, data + bytes), 0.0, 0};
    return id;
}

void HeadlessBackend::DestroySound(uint32_t sound) {
    std::lock_guard<std::mutex> lock(audioMutex_);
    sounds_.erase(sound);
}

void HeadlessBackend::SetSoundPan(uint32_t sound, double pan) {
    std::lock_guard<std::mutex> lock(audioMutex_);
    auto it = sounds_.find(sound);
    if (it != sounds_.end()) it->second.pan = pan;
}

void HeadlessBackend::PlaySound(uint32_t sound) {
    std::lock_guard<std::mutex> lock(audioMutex_);
    auto it = sounds_.find(sound);
    if (it == sounds_.end()) return;
    SoundInfo& s = it->second;
    const bool playing = now_ < s.endsAt;
    if (!playing) {
        const size_t frame = size_t{s.format.channels} * (s.format.bitsPerSample / 8);
        const uint64_t frames = s.samples.size() / frame;
        s.endsAt = now_ + (frames * 1000 + s.format.sampleRate - 1) / s.format.sampleRate;
    }
    soundPlays_.push_back(SoundPlay{sound, s.pan, !playing});
}

bool HeadlessBackend::IsSoundPlaying(uint32_t sound) {
    std::lock_guard<std::mutex> lock(audioMutex_);
    auto it = sounds_.find(sound);
    return it != sounds_.end() && now_ < it->second.endsAt;
}

std::vector<HeadlessBackend::SoundPlay> HeadlessBackend::SoundPlays() {
    std::lock_guard<std::mutex> lock(audioMutex_);
    return soundPlays_;
}

void HeadlessBackend::ClearSoundPlays() {
    std::lock_guard<std::mutex> lock(audioMutex_);
    soundPlays_.clear();
}

bool HeadlessBackend::GetSound(uint32_t sound, SoundInfo& out) {
    std::lock_guard<std::mutex> lock(audioMutex_);
    auto it = sounds_.find(sound);
    if (it == sounds_.end()) return false;
    out = it->second;
    return true;
}

int HeadlessBackend::LiveSounds() {
    std::lock_guard<std::mutex> lock(audioMutex_);
    return static_cast<int>(sounds_.size());
}

uint32_t HeadlessBackend::LoadMusic(const char* path) {
    std::lock_guard<std::mutex> lock(audioMutex_);
    if (!audioOpen_ || !path) return 0;
    for (const std::string& bad : unloadableMusic)
        if (bad == path) return 0;
    const uint32_t id = nextMusic_++;
    music_[id] = Music{path, true};
    return id;
}

bool HeadlessBackend::PlayMusic(uint32_t music) {
    if (playMusicDelayUs != 0) std::this_thread::sleep_for(std::chrono::microseconds(playMusicDelayUs));
    std::lock_guard<std::mutex> lock(audioMutex_);
    auto it = music_.find(music);
    if (it == music_.end() || !it->second.live) {
        ++staleMusicCalls_;
        return false;
    }
    playingMusic_ = music;
    musicStarts_.push_back(it->second.path);
    return true;
}

void HeadlessBackend::StopMusic() {
    std::lock_guard<std::mutex> lock(audioMutex_);
    playingMusic_ = 0;
}

bool HeadlessBackend::IsMusicPlaying(uint32_t music) {
    std::lock_guard<std::mutex> lock(audioMutex_);
    auto it = music_.find(music);
    if (it == music_.end() || !it->second.live) {
        ++staleMusicCalls_;
        return false;
    }
    return playingMusic_ == music;
}

void HeadlessBackend::FreeMusic(uint32_t music) {
    std::lock_guard<std::mutex> lock(audioMutex_);
    auto it = music_.find(music);
    if (it == music_.end() || !it->second.live) {
        ++staleMusicCalls_;
        return;
    }
    it->second.live = false;
    if (playingMusic_ == music) playingMusic_ = 0;
}

void HeadlessBackend::EndMusic() {
    std::lock_guard<std::mutex> lock(audioMutex_);
    playingMusic_ = 0;
}

std::string HeadlessBackend::PlayingMusic() {
    std::lock_guard<std::mutex> lock(audioMutex_);
    auto it = music_.find(playingMusic_);
    return it == music_.end() ? std::string() : it->second.path;
}

std::vector<std::string> HeadlessBackend::MusicStarts() {
    std::lock_guard<std::mutex> lock(audioMutex_);
    return musicStarts_;
}

int HeadlessBackend::LiveMusic() {
    std::lock_guard<std::mutex> lock(audioMutex_);
    int n = 0;
    for (const auto& [id, m] : music_) n += m.live ? 1 : 0;
    return n;
}

int HeadlessBackend::StaleMusicCalls() {
    std::lock_guard<std::mutex> lock(audioMutex_);
    return staleMusicCalls_;
}

}  // namespace platform
