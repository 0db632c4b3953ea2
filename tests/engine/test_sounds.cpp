#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <cstring>
#include <fstream>

#include "sounds.h"
#include "testkit.h"
#include "wav_info.h"

namespace kf {
namespace {

// A 16-bit mono PCM WAV of `seconds` of silence, with an extra chunk before
// the data as some editors write.
std::vector<uint8_t> wavBytes(double seconds, int rate = 22050) {
    const uint32_t dataLen = uint32_t(seconds * rate) * 2;
    std::vector<uint8_t> b(12 + 24 + 12 + 8 + dataLen, 0);
    size_t at = 0;
    auto put = [&](const void* p, size_t n) {
        std::memcpy(b.data() + at, p, n);
        at += n;
    };
    auto u32 = [&](uint32_t v) { put(&v, 4); };
    auto u16 = [&](uint16_t v) { put(&v, 2); };
    put("RIFF", 4);
    u32(uint32_t(b.size() - 8));
    put("WAVE", 4);
    put("fmt ", 4);
    u32(16);
    u16(1);
    u16(1);
    u32(uint32_t(rate));
    u32(uint32_t(rate) * 2);
    u16(2);
    u16(16);
    put("LIST", 4);
    u32(3);
    put("abc\0", 4);  // odd length, padded
    put("data", 4);
    u32(dataLen);
    return b;
}

std::string writeWav(const std::string& name, double seconds) {
    const std::string path = testkit::tempPath(name);
    const std::vector<uint8_t> b = wavBytes(seconds);
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(b.data()), b.size());
    return path;
}

TEST(WavInfo, DurationFromTheHeader) {
    struct Row {
        const char* name;
        std::vector<uint8_t> bytes;
        bool ok;
        double seconds;
    };
    std::vector<uint8_t> truncated = wavBytes(1.0);
    truncated.resize(truncated.size() - 22050);  // half of the samples missing
    std::vector<uint8_t> notWave = wavBytes(0.5);
    std::memcpy(&notWave[8], "AVI ", 4);
    const Row rows[] = {
        {"one second", wavBytes(1.0), true, 1.0},
        {"0.3 s clip", wavBytes(0.3), true, 0.3},
        {"truncated file", truncated, true, 0.5},
        {"not a WAVE file", notWave, false, 0},
        {"too short", {'R', 'I', 'F', 'F'}, false, 0},
    };
    for (const Row& r : rows) {
        double s = -1;
        EXPECT_EQ(wavDurationFromBytes(r.bytes.data(), r.bytes.size(), &s), r.ok) << r.name;
        if (r.ok) {
            EXPECT_NEAR(s, r.seconds, 1e-3) << r.name;
        }
    }
}

struct FakeVoice : SoundVoice {
    int* plays;
    int* stops;
    bool* lastLoop;
    void play(bool loop) override { ++*plays, *lastLoop = loop; }
    void stop() override { ++*stops; }
};

struct FakeBackend : SoundBackend {
    int plays = 0, stops = 0;
    bool lastLoop = false;
    std::unique_ptr<SoundVoice> open(const std::string&) override {
        auto v = std::make_unique<FakeVoice>();
        v->plays = &plays;
        v->stops = &stops;
        v->lastLoop = &lastLoop;
        return v;
    }
};

TEST(SoundManager, PlayingStateFollowsTheClipLength) {
    double now = 100;
    auto backend = std::make_unique<FakeBackend>();
    FakeBackend* fake = backend.get();
    SoundManager sounds(std::move(backend), [&] { return now; });
    ASSERT_TRUE(sounds.load("goal", writeWav("goal.wav", 2.0)));
    EXPECT_NEAR(sounds.duration("goal"), 2.0, 1e-3);
    EXPECT_FALSE(sounds.isPlaying("goal"));
    sounds.start("goal");
    EXPECT_EQ(fake->plays, 1);
    EXPECT_FALSE(fake->lastLoop);
    now += 1.99;
    EXPECT_TRUE(sounds.isPlaying("goal"));
    now += 0.02;
    EXPECT_FALSE(sounds.isPlaying("goal")) << "over after its length";
    sounds.start("goal");
    sounds.stop("goal");
    EXPECT_FALSE(sounds.isPlaying("goal")) << "stopped";
    EXPECT_EQ(fake->stops, 1);
    sounds.stop("goal");
    EXPECT_EQ(fake->stops, 1) << "stopping a stopped sound does nothing";
}

TEST(SoundManager, LoopingSoundsPlayUntilStopped) {
    double now = 0;
    auto backend = std::make_unique<FakeBackend>();
    FakeBackend* fake = backend.get();
    SoundManager sounds(std::move(backend), [&] { return now; });
    ASSERT_TRUE(sounds.load("default", writeWav("crowd.wav", 0.5)));
    sounds.setLooping("default", true);
    sounds.start("default");
    EXPECT_TRUE(fake->lastLoop);
    now += 60;
    EXPECT_TRUE(sounds.isPlaying("default"));
    sounds.stopAll();
    EXPECT_FALSE(sounds.isPlaying("default"));
}

TEST(SoundManager, MissingFilesAndUnknownNamesFailQuietly) {
    SoundManager sounds(std::make_unique<FakeBackend>());
    EXPECT_FALSE(sounds.load("boo", testkit::tempPath("no_such_sound.wav")));
    EXPECT_FALSE(sounds.contains("boo"));
    sounds.start("boo");
    sounds.stop("boo");
    EXPECT_FALSE(sounds.isPlaying("boo"));
}

TEST(QtSoundBackend, WorksWithoutAnAudioDevice) {
    testkit::ensureGuiApp(false);
    SoundManager sounds(makeQtSoundBackend());
    ASSERT_TRUE(sounds.load("kick", writeWav("kick.wav", 0.2)));
    QElapsedTimer t;
    t.start();
    sounds.start("kick");
    EXPECT_LT(t.elapsed(), 1000) << "start must not block";
    EXPECT_TRUE(sounds.isPlaying("kick"));
    while (t.elapsed() < 400) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_FALSE(sounds.isPlaying("kick")) << "over after the clip's 0.2 s";
    sounds.start("kick");
    sounds.stopAll();
    EXPECT_FALSE(sounds.isPlaying("kick"));
}

}  // namespace
}  // namespace kf
