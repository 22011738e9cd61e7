#include "audio_test_util.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "engine/sound.h"
#include "platform/platform.h"

namespace {

void Put16(std::vector<uint8_t>& v, uint32_t x) {
    v.push_back(static_cast<uint8_t>(x));
    v.push_back(static_cast<uint8_t>(x >> 8));
}

void Put32(std::vector<uint8_t>& v, uint32_t x) {
    Put16(v, x & 0xFFFF);
    Put16(v, x >> 16);
}

void Tag(std::vector<uint8_t>& v, const char* t) {
    for (int i = 0; i < 4; ++i) v.push_back(static_cast<uint8_t>(t[i]));
}

}  // namespace

std::vector<uint8_t> BuildWave(const WaveSpec& s) {
    std::vector<uint8_t> fmt;
    Put16(fmt, s.tag);
    Put16(fmt, s.channels);
    Put32(fmt, s.rate);
    Put32(fmt, s.rate * s.channels * (s.bits / 8u));
    Put16(fmt, s.channels * (s.bits / 8u));
    Put16(fmt, s.bits);
    fmt.resize(s.fmtSize, 0);

    std::vector<uint8_t> body;
    Tag(body, "WAVE");
    auto junk = [&] {
        Tag(body, "LIST");
        Put32(body, 5);
        for (int i = 0; i < 6; ++i) body.push_back('j');  // 5 bytes and the pad byte
    };
    auto fmtChunk = [&] {
        Tag(body, "fmt ");
        Put32(body, static_cast<uint32_t>(fmt.size()));
        body.insert(body.end(), fmt.begin(), fmt.end());
        if (fmt.size() & 1) body.push_back(0);
    };
    auto dataChunk = [&] {
        Tag(body, "data");
        Put32(body, static_cast<uint32_t>(static_cast<int64_t>(s.samples.size()) + s.claimedDataExtra));
        body.insert(body.end(), s.samples.begin(), s.samples.end());
    };
    if (s.junkBeforeFmt) junk();
    if (s.dataBeforeFmt) dataChunk();
    fmtChunk();
    if (s.junkBetween) junk();
    if (!s.dataBeforeFmt) dataChunk();

    std::vector<uint8_t> out;
    Tag(out, "RIFF");
    Put32(out, static_cast<uint32_t>(body.size()));
    out.insert(out.end(), body.begin(), body.end());
    return out;
}

void ScratchDirTest::SetUp() {
    GameTest::SetUp();
    char dir[] = "/tmp/morvane-audio-XXXXXX";
    ASSERT_NE(mkdtemp(dir), nullptr);
    dir_ = dir;
    oldDir_ = std::filesystem::current_path().string();
    std::filesystem::current_path(dir_);
}

void ScratchDirTest::TearDown() {
    GameTest::TearDown();
    std::filesystem::current_path(oldDir_);
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
}

void ScratchDirTest::Write(const std::string& gamePath, const std::vector<uint8_t>& bytes) {
    const std::filesystem::path p = dir_ + "/" + platform::ResolveDataPath(gamePath.c_str());
    std::filesystem::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

void ScratchDirTest::WriteAllWaves(uint32_t ms) {
    for (int slot = kWaveSlots - 1; slot >= 0; --slot) {
        WaveSpec s;
        s.samples.assign(static_cast<size_t>(22050) * ms / 1000 * 2, static_cast<uint8_t>(slot));
        Write(g_waveFiles[slot], BuildWave(s));  // shared files end up with their first slot's mark
    }
}
