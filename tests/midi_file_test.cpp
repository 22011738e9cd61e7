// The structure check that keeps damaged or foreign tune files away from the
// synthesizer.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/midi_file.h"

namespace {

using Bytes = std::vector<uint8_t>;

void Append(Bytes& to, const Bytes& more) { to.insert(to.end(), more.begin(), more.end()); }

Bytes Chunk(const char* id, const Bytes& body) {
    Bytes c(id, id + 4);
    const auto n = static_cast<uint32_t>(body.size());
    Append(c, {static_cast<uint8_t>(n >> 24), static_cast<uint8_t>(n >> 16), static_cast<uint8_t>(n >> 8),
               static_cast<uint8_t>(n)});
    Append(c, body);
    return c;
}

Bytes Header(uint16_t format, uint16_t tracks, uint16_t division = 96) {
    return Chunk("MThd",
                 {0, static_cast<uint8_t>(format), static_cast<uint8_t>(tracks >> 8), static_cast<uint8_t>(tracks),
                  static_cast<uint8_t>(division >> 8), static_cast<uint8_t>(division)});
}

// A tempo, a program change, a note held for 200 ticks (the release by running
// status), a sysex, then the end of the track.
const Bytes kTrack = {0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20,  // tempo
                      0x00, 0xC0, 0x05,                          // program 5
                      0x00, 0x90, 0x3C, 0x64,                    // note on
                      0x81, 0x48, 0x3C, 0x00,                    // 200 ticks later, off
                      0x00, 0xF0, 0x02, 0x7E, 0xF7,              // sysex
                      0x00, 0xFF, 0x2F, 0x00};                   // end of track

Bytes File(const Bytes& track = kTrack) {
    Bytes f = Header(0, 1);
    Append(f, Chunk("MTrk", track));
    return f;
}

bool Check(const Bytes& b) { return platform::IsStandardMidiFile(b.data(), b.size()); }

}  // namespace

TEST(MidiFileCheck, AcceptsWholeFilesOfAnyFormatWithForeignChunksBetween) {
    EXPECT_TRUE(Check(File()));
    Bytes two = Header(1, 2);
    Append(two, Chunk("MTrk", kTrack));
    Append(two, Chunk("XYZW", {1, 2, 3}));  // skipped, not counted as a track
    Append(two, Chunk("MTrk", kTrack));
    EXPECT_TRUE(Check(two));
    Bytes longHeader = Chunk("MThd", {0, 0, 0, 1, 0, 96, 0xAA, 0xBB});
    Append(longHeader, Chunk("MTrk", kTrack));
    EXPECT_TRUE(Check(longHeader)) << "a longer header is read past";
    Bytes trailing = kTrack;
    trailing.push_back(0x42);
    EXPECT_TRUE(Check(File(trailing))) << "bytes after the end of the track are ignored";
}

TEST(MidiFileCheck, RefusesEveryCutOffCopy) {
    const Bytes whole = File();
    for (size_t n = 0; n < whole.size(); ++n)
        EXPECT_FALSE(Check(Bytes(whole.begin(), whole.begin() + n))) << n << " bytes";
    Bytes oneTrackMissing = Header(1, 2);
    Append(oneTrackMissing, Chunk("MTrk", kTrack));
    EXPECT_FALSE(Check(oneTrackMissing));
    EXPECT_FALSE(platform::IsStandardMidiFile(nullptr, 100));
}

TEST(MidiFileCheck, RefusesOtherFilesAndBadHeaders) {
    const std::string wave = "RIFF\x24\0\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0";
    EXPECT_FALSE(Check(Bytes(wave.begin(), wave.end())));
    const std::string text = "MThd is not enough for a tune";
    EXPECT_FALSE(Check(Bytes(text.begin(), text.end())));
    Bytes f = Header(3, 1);
    Append(f, Chunk("MTrk", kTrack));
    EXPECT_FALSE(Check(f)) << "format 3";
    f = Header(0, 0);
    Append(f, Chunk("MTrk", kTrack));
    EXPECT_FALSE(Check(f)) << "no tracks";
    f = Header(0, 1, 0);
    Append(f, Chunk("MTrk", kTrack));
    EXPECT_FALSE(Check(f)) << "division 0";
    f = Chunk("MThd", {0, 0, 0, 1});
    Append(f, Chunk("MTrk", kTrack));
    EXPECT_FALSE(Check(f)) << "short header";
    f = File();
    f[7] = 0xFF;  // a header length far past the end
    EXPECT_FALSE(Check(f));
}

TEST(MidiFileCheck, RefusesTracksWhoseEventsDoNotFitTheirChunk) {
    EXPECT_FALSE(Check(File({0x00, 0x3C, 0x64, 0x00, 0xFF, 0x2F, 0x00}))) << "a data byte before any status";
    EXPECT_FALSE(Check(File({0x00, 0x90, 0x3C}))) << "a note cut short";
    EXPECT_FALSE(Check(File({0x00, 0xFF, 0x01, 0x10, 'a'}))) << "meta text longer than its chunk";
    EXPECT_FALSE(Check(File({0x00, 0xF0, 0x7F, 0x01}))) << "sysex longer than its chunk";
    EXPECT_FALSE(Check(File({0x80, 0x80, 0x80, 0x80, 0x00, 0xFF, 0x2F, 0x00}))) << "a delta time of five bytes";
    EXPECT_FALSE(Check(File({0x00, 0xF8, 0x00, 0xFF, 0x2F, 0x00}))) << "a real-time message";
    // Running status does not survive a meta event.
    EXPECT_FALSE(
        Check(File({0x00, 0x90, 0x3C, 0x64, 0x00, 0xFF, 0x01, 0x00, 0x00, 0x3C, 0x00, 0x00, 0xFF, 0x2F, 0x00})));
}
