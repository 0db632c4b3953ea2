#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTemporaryDir>

#include <cstdlib>
#include <filesystem>

#include "assets.h"
#include "meshes.h"
#include "settings.h"
#include "sounds.h"
#include "textures.h"

using namespace kf;
namespace fs = std::filesystem;

namespace {

class FakeVoice : public SoundVoice {
public:
    explicit FakeVoice(int* starts) : starts_(starts) {}
    void play(bool) override { ++*starts_; }
    void stop() override {}

private:
    int* starts_;
};

class NoBackend : public SoundBackend {
public:
    std::unique_ptr<SoundVoice> open(const std::string&) override { return nullptr; }
};

void resetFlags() {
    for (auto& f : assetGroupLoaded) f = false;
    gameModels = TGameModels{};
}

}  // namespace

class Assets : public ::testing::Test {
protected:
    TextureManager tm;
    MeshManager mm;
    SoundManager sm{std::make_unique<NoBackend>()};
    void SetUp() override {
        resetFlags();
        assetManagers = {&tm, &mm, &sm};
    }
    void TearDown() override {
        waitForAssetLoaders();
        gameModels = TGameModels{};
        assetManagers = {};
    }
    void expectEverythingLoaded() {
        ASSERT_TRUE(assetsLoaded());
        for (const char* n : {"panel1", "readyh", "powerback", "smallfield2", "cursor", "flags", "tutCircle", "grass",
                              "adboardTex4", "ball", "steps2", "shirts3", "hair7", "GKShoes"})
            EXPECT_FALSE(tm.empty(tm.find(n))) << n;
        for (const char* n : {"player", "goalkeeper", "field", "ball", "net", "bench", "adboard", "stad1"})
            EXPECT_TRUE(mm.contains(n)) << n;
        ASSERT_TRUE(gameModels.player && gameModels.goalkeeper && gameModels.stadium);
        EXPECT_FALSE(gameModels.player->nodeCulling());
        EXPECT_GE(gameModels.goalkeeper->findAnimation("dive_grab_m_left"), 0);
        EXPECT_TRUE(gameModels.net->materialTexture(0) == tm.find("net"));
        EXPECT_TRUE(gameModels.stadium->materialTexture(5) == tm.find("steps2"));
        EXPECT_TRUE(takeAssetMessages().empty());
    }
};

TEST_F(Assets, PreloadLoadsEverythingBeforeReturning) {
    startAssetLoading(true);
    expectEverythingLoaded();
}

TEST_F(Assets, LoaderThreadsSetTheirFlags) {
    int argc = 1;
    char name[] = "test";
    char* argv[] = {name};
    QCoreApplication app(argc, argv);
    startAssetLoading(false);
    waitForAssetLoaders();
    QCoreApplication::processEvents();
    expectEverythingLoaded();
}

TEST_F(Assets, MissingShadowLeavesAnEmptyTextureAndMissingModelsAreReported) {
    QTemporaryDir dir;
    const fs::path copy = fs::path(dir.path().toStdString()) / "data";
    fs::copy(dataDir().toStdString(), copy, fs::copy_options::recursive);
    fs::remove(copy / "textures/3d/misc/shadow.png");
    fs::remove(copy / "models/goalkeeper.glb");
    setenv("KF_DATA_DIR", copy.c_str(), 1);
    startAssetLoading(true);
    unsetenv("KF_DATA_DIR");
    EXPECT_TRUE(assetsLoaded()) << "a missing file still marks its group";
    EXPECT_TRUE(tm.find("shadow").valid());
    EXPECT_TRUE(tm.empty(tm.find("shadow")));
    EXPECT_FALSE(tm.empty(tm.find("ballShadow")));
    EXPECT_FALSE(gameModels.goalkeeper);
    EXPECT_EQ(takeAssetMessages(), (std::vector<std::string>{"goalkeeper is missing"}));
}

TEST_F(Assets, VersionMismatchMarksAllGroups) {
    markAllAssetsLoaded();
    EXPECT_TRUE(assetsLoaded());
}

TEST(PlaySound, CrowdCountdownRestartAndOneShots) {
    double now = 0;
    SoundManager sm(std::make_unique<NoBackend>(), [&now] { return now; });
    int starts[11] = {};
    for (int c = 0; c <= 10; ++c) sm.add(kSoundNames[c], std::make_unique<FakeVoice>(&starts[c]), 2.0);
    assetManagers = {nullptr, nullptr, &sm};

    settings.sounds = false;
    crowdCountdown = 0;
    playSound(0);
    playSound(4);
    EXPECT_EQ(starts[0] + starts[4], 0);
    EXPECT_EQ(crowdCountdown, 0) << "the countdown does not move with sounds off";

    settings.sounds = true;
    playSound(0);
    EXPECT_EQ(starts[0], 1);
    EXPECT_EQ(crowdCountdown, 600);
    for (int i = 0; i < 599; ++i) playSound(0);
    EXPECT_EQ(starts[0], 1);
    playSound(0);
    EXPECT_EQ(starts[0], 2) << "restarted on the 600th frame";

    playSound(4);
    playSound(4);
    EXPECT_EQ(starts[4], 1) << "a playing one-shot is not started again";
    now = 2.5;
    playSound(4);
    EXPECT_EQ(starts[4], 2);
    playSound(11);
    playSound(-1);
    assetManagers = {};
    settings.sounds = false;
}
