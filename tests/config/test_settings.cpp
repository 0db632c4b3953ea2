#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "configfixture.h"
#include "settings.h"

using namespace kf;

namespace {

std::string modesText(const std::vector<QSize>& modes) {
    std::string out;
    for (QSize m : modes) out += std::to_string(m.width()) + "x" + std::to_string(m.height()) + " ";
    return out;
}

const std::map<std::string, std::string> kFirstStart = {
    {"versio", "0092"},
    {"resolution width", "1024"},  // no screen in this test program: the fallback list
    {"resolution height", "768"},
    {"skin", "KF"},
    {"sounds", "1"},
    {"pre load assets at startup", "1"},
    {"grass quality", "1"},
    {"jump key", "81"},
    {"tackle key", "65"},
    {"lobbyColor1", "64,174,197"},
    {"lobbyColor2", "255,0,0"},
    {"lobbyColor3", "0,255,0"},
    {"lobbyColor4", "255,255,255"},
    {"ingameColor1", "255,0,0"},
    {"ingameColor2", "0,255,0"},
    {"ingameColor3", "64,174,197"},
    {"ingameColor4", "255,255,255"},
    {"ingameColor5", "255,255,0"},
    {"ingameColor6", "255,255,255"},
    {"draw stadium", "1"},
    {"lightning", "1"},
    {"slowMoving", "1"},
};

void expectDefaults(const TSettings& s, const char* row) {
    EXPECT_EQ(s.resolutionWidth, 1024) << row;
    EXPECT_EQ(s.resolutionHeight, 768) << row;
    EXPECT_EQ(s.skin, "KF") << row;
    EXPECT_TRUE(s.sounds && s.preloadAssets && s.drawStadium && s.lightning && s.slowMoving) << row;
    EXPECT_EQ(s.grassQuality, 1) << row;
    EXPECT_EQ(s.jumpKey, 81) << row;
    EXPECT_EQ(s.tackleKey, 65) << row;
    EXPECT_EQ(s.lobbyColors[1], (TRgb{64, 174, 197})) << row;
    EXPECT_EQ(s.lobbyColors[4], (TRgb{255, 255, 255})) << row;
    EXPECT_EQ(s.ingameColors[3], (TRgb{64, 174, 197})) << row;
    EXPECT_EQ(s.ingameColors[5], (TRgb{255, 255, 0})) << row;
    EXPECT_FALSE(s.hideChat || s.hideRadar || s.plainKits || s.showFps) << row;
}

}  // namespace

using Settings = ConfigFolder;

TEST_F(Settings, FirstStartWritesEveryValueWithItsDefault) {
    settings.hideChat = settings.showFps = true;  // runtime toggles start off at every run
    loadSettings();
    expectDefaults(settings, "first start");
    EXPECT_EQ(iniValues("GameSettings.ini"), kFirstStart);
    EXPECT_EQ(QDir(dir).entryList(QDir::Files), QStringList{"GameSettings.ini"});
    // A second start reads the same and changes nothing.
    QByteArray before = rawFile("GameSettings.ini");
    loadSettings();
    expectDefaults(settings, "second start");
    EXPECT_EQ(rawFile("GameSettings.ini"), before);
}

TEST_F(Settings, StoredTexts) {
    struct Row {
        const char* name;
        const char* stored;
        std::function<bool(const TSettings&)> check;
    } rows[] = {
        {"sounds", "yes", [](const TSettings& s) { return !s.sounds; }},
        {"sounds", "0", [](const TSettings& s) { return !s.sounds; }},
        {"sounds", "1", [](const TSettings& s) { return s.sounds; }},
        {"lightning", "true", [](const TSettings& s) { return !s.lightning; }},
        {"slowMoving", " 1", [](const TSettings& s) { return !s.slowMoving; }},
        {"draw stadium", "0", [](const TSettings& s) { return !s.drawStadium && s.lightning; }},
        {"pre load assets at startup", "0", [](const TSettings& s) { return !s.preloadAssets; }},
        {"lobbyColor1", "300,1,2", [](const TSettings& s) { return s.lobbyColors[1] == TRgb{44, 1, 2}; }},
        {"lobbyColor2", "1,2", [](const TSettings& s) { return s.lobbyColors[2] == TRgb{1, 2, 0}; }},
        {"lobbyColor3", "7", [](const TSettings& s) { return s.lobbyColors[3] == TRgb{7, 0, 0}; }},
        {"lobbyColor4", "1,2,3,4", [](const TSettings& s) { return s.lobbyColors[4] == TRgb{1, 2, 3}; }},
        {"ingameColor1", "-1,256,511", [](const TSettings& s) { return s.ingameColors[1] == TRgb{255, 0, 255}; }},
        {"ingameColor2", "red", [](const TSettings& s) { return s.ingameColors[2] == TRgb{0, 255, 0}; }},
        {"ingameColor6", "1,,3", [](const TSettings& s) { return s.ingameColors[6] == TRgb{255, 255, 255}; }},
        {"grass quality", "high", [](const TSettings& s) { return s.grassQuality == 1; }},
        {"grass quality", "0", [](const TSettings& s) { return s.grassQuality == 0; }},
        {"jump key", "87", [](const TSettings& s) { return s.jumpKey == 87 && s.tackleKey == 65; }},
        {"tackle key", "1e3", [](const TSettings& s) { return s.tackleKey == 65; }},
        {"resolution width", "1920", [](const TSettings& s) { return s.resolutionWidth == 1920 && s.resolutionHeight == 768; }},
        {"resolution height", "4294967296", [](const TSettings& s) { return s.resolutionHeight == 768; }},
        {"skin", "Dark", [](const TSettings& s) { return s.skin == "Dark"; }},
    };
    for (const Row& r : rows) {
        QDir(dir).removeRecursively();
        storeValue("GameSettings.ini", r.name, r.stored);
        loadSettings();
        EXPECT_TRUE(r.check(settings)) << r.name << " = \"" << r.stored << '"';
        // What the user stored stays; only missing and empty values are written.
        EXPECT_EQ(iniValues("GameSettings.ini")[r.name], r.stored) << r.name;
    }
}

TEST(ColorText, SplitAndFormat) {
    EXPECT_EQ(colorText({64, 174, 197}), "64,174,197");
    EXPECT_EQ(parseColor("300,1,2"), (TRgb{44, 1, 2}));
    EXPECT_EQ(parseColor(" 10 , 20 , 30 "), (TRgb{10, 20, 30}));
    EXPECT_EQ(parseColor(""), std::nullopt);
    EXPECT_EQ(parseColor("1;2;3"), std::nullopt);
    EXPECT_EQ(parseColor("1,2,3,x"), (TRgb{1, 2, 3}));  // parts after the third are ignored
    EXPECT_EQ(lobbyColorName(4), "lobbyColor4");
    EXPECT_EQ(ingameColorName(6), "ingameColor6");
}

TEST_F(Settings, UnopenableKeyRunsOnDefaults) {
    QFile blocker(dir);  // the config folder is a file
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    loadSettings();
    expectDefaults(settings, "unopenable");
    EXPECT_EQ(blocker.size(), 0);
}

TEST(DisplayModes, Rule) {
    const std::vector<QSize> standardTo1080 = {
        {640, 480},   {800, 600},   {1024, 768}, {1152, 864}, {1280, 720}, {1280, 768},
        {1280, 800},  {1280, 960},  {1280, 1024}, {1360, 768}, {1366, 768}, {1440, 900},
        {1600, 900},  {1680, 1050}, {1920, 1080},
    };
    const std::vector<QSize> fallback = {{640, 480}, {800, 600}, {1024, 768}};
    struct Row { const char* name; std::optional<QSize> screen; std::vector<QSize> want; } rows[] = {
        {"1024x768 screen", QSize(1024, 768), fallback},
        {"1920x1080 screen", QSize(1920, 1080), standardTo1080},
        {"odd 1000x700 screen", QSize(1000, 700), {{640, 480}, {800, 600}, {1000, 700}}},
        {"tiny 320x240 screen", QSize(320, 240), {{320, 240}}},
        {"no screen", std::nullopt, fallback},
        {"screen without size", QSize(0, 0), fallback},
    };
    for (const Row& r : rows) {
        std::vector<QSize> got = buildDisplayModes(r.screen);
        EXPECT_EQ(got, r.want) << r.name << ": " << modesText(got);
        if (r.screen && !r.screen->isEmpty()) {
            EXPECT_EQ(got.back(), *r.screen) << r.name;
        }
    }
    std::vector<QSize> big = buildDisplayModes(QSize(3840, 2160));
    EXPECT_EQ(big.size(), 20u);
    EXPECT_EQ(big.back(), QSize(3840, 2160));
}

TEST(DisplayModes, WithoutAndWithAnApplication) {
    EXPECT_EQ(displayModes(), (std::vector<QSize>{{640, 480}, {800, 600}, {1024, 768}}));
    int argc = 1;
    char arg0[] = "test_config_settings";
    char* argv[] = {arg0, nullptr};
    QGuiApplication app(argc, argv);
    ASSERT_NE(QGuiApplication::primaryScreen(), nullptr);
    QSize screen = QGuiApplication::primaryScreen()->size();
    EXPECT_EQ(displayModes().back(), screen) << modesText(displayModes());
}

TEST(SkinNames, FoldersSortedByName) {
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    for (const char* d : {"b", "KF", "a", "A", "Zeta"}) ASSERT_TRUE(QDir().mkpath(tmp.path() + "/skins/" + d));
    QFile file(tmp.path() + "/skins/readme.txt");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    QByteArray old = qgetenv("KF_DATA_DIR");
    qputenv("KF_DATA_DIR", tmp.path().toUtf8());
    EXPECT_EQ(dataDir(), tmp.path());
    EXPECT_EQ(skinNames(), (QStringList{"A", "a", "b", "KF", "Zeta"}));
    qputenv("KF_DATA_DIR", tmp.path().toUtf8() + "/nothing");
    EXPECT_TRUE(skinNames().isEmpty());
    qunsetenv("KF_DATA_DIR");
    EXPECT_TRUE(dataDir().endsWith("/data")) << dataDir().toStdString();
    qputenv("KF_DATA_DIR", old);
}
