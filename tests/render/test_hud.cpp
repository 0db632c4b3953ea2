// Draws the head-up display and the match screens with the real HUD textures
// into the match window under Xvfb and checks, with tolerances, pixels that
// show each piece is there and in its place. The window is 1024 x 768, so a
// virtual unit is one pixel. Screenshots of the full screens are saved in the
// working folder.

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QLocale>

#include <functional>

#include "assets.h"
#include "camera.h"
#include "camerapresets.h"
#include "drawing.h"
#include "engine_app.h"
#include "framedriver.h"
#include "hud.h"
#include "hudlogic.h"
#include "ingamechat.h"
#include "ingamedata.h"
#include "owndata.h"
#include "pitch.h"
#include "practice.h"
#include "practiceworld.h"
#include "scene.h"
#include "renderer.h"
#include "settings.h"
#include "tutorial.h"

namespace kf {
namespace {

constexpr int W = 1024, H = 768;

class HudApp : public EngineApp {
public:
    std::function<void()> draw;
    void onRender() override {
        Renderer& r = renderer();
        r.clear(Rgba{0, 0, 0, 255});
        r.beginScene();
        r.setVirtualScreen(1024, 768);
        const TCameraView v = updateCamera();
        Camera c;
        c.fov = float(v.fov);
        c.aspect = float(v.aspect);
        c.zNear = float(v.nearPlane);
        c.zFar = float(v.farPlane);
        c.eye = Vec3(v.eye[0], v.eye[1], v.eye[2]);
        c.target = Vec3(v.target[0], v.target[1], v.target[2]);
        c.up = Vec3(v.up[0], v.up[1], v.up[2]);
        r.setCamera(c);
        if (draw) draw();
        present();
    }
};

bool near(QRgb c, int r, int g, int b, int tol = 40) {
    return std::abs(qRed(c) - r) <= tol && std::abs(qGreen(c) - g) <= tol && std::abs(qBlue(c) - b) <= tol;
}
bool isWhite(QRgb c) { return qRed(c) > 200 && qGreen(c) > 200 && qBlue(c) > 200; }

int countPixels(const QImage& img, const QRect& r, const std::function<bool(QRgb)>& pred) {
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (pred(img.pixel(x, y))) ++n;
    return n;
}
int differing(const QImage& a, const QImage& b, const QRect& r) {
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (!near(a.pixel(x, y), qRed(b.pixel(x, y)), qGreen(b.pixel(x, y)), qBlue(b.pixel(x, y)), 24)) ++n;
    return n;
}

class Hud : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        qputenv("QT_QPA_PLATFORM", "xcb");
        static int argc = 1;
        static char name[] = "test_hud";
        static char* argv[] = {name, nullptr};
        if (!QGuiApplication::instance()) new QGuiApplication(argc, argv);
        app_ = new HudApp;
        app_->setBackBufferSize(W, H);
        app_->initialise();
        ASSERT_TRUE(app_->waitUntilReady());
        renderContext = {&app_->renderer(), &app_->textures()};
        assetManagers.textures = &app_->textures();
        assetManagers.meshes = &app_->meshes();
        loadHudTextures();
        loadStaticModels();
        loadPlayerModel();
        ASSERT_EQ(textureWidth("panel1"), 800) << "HUD textures from " << dataPath("data").c_str();
    }
    static void TearDownTestSuite() {
        gameModels = TGameModels{};
        delete app_;
        app_ = nullptr;
        renderContext = {};
        assetManagers = {};
    }
    void SetUp() override {
        resetIngamedata();
        setPitchSize(3);
        practiceWorld = TPracticeWorld{};
        settings = TSettings{};
        settings.resolutionWidth = W;
        settings.resolutionHeight = H;
        cameraPresets = TCameraPresets{};
        ingameChat = TIngameChat{};
        ownData = TOwnData{};
        cameraEditor = debugMode = false;
        ingamedata.phase = 1;
        ingamedata.teamSize = 1;
        ingamedata.mouseScreenX = ingamedata.mouseScreenY = 0;
    }

    static QImage frame(const std::function<void()>& draw) {
        app_->draw = draw;
        QImage img = app_->grabFrame().convertToFormat(QImage::Format_RGB32);
        app_->draw = nullptr;
        EXPECT_EQ(img.size(), QSize(W, H));
        return img;
    }
    static void save(const QImage& img, const char* file) { EXPECT_TRUE(img.save(file)) << file; }

    static HudApp* app_;
};
HudApp* Hud::app_ = nullptr;

TEST_F(Hud, ScoreBoardShowsOnlinePlayAndNotInPractice) {
    ingamedata.matchMinute = 46;
    ingamedata.half = 1;
    ingamedata.score = {2, 1};
    ingamedata.teamShortName[1] = "abc";
    ingamedata.teamShortName[2] = "XYZ";
    const QImage online = frame(renderScoreBoard);
    ingamedata.practice = true;
    const QImage practice = frame(renderScoreBoard);
    // The board's frame colour just inside its top left corner (10, 10), nothing outside.
    // The board's one-pixel frame: left edge at x 10, right edge at x 229 (220 wide), nothing outside.
    EXPECT_TRUE(near(online.pixel(10, 27), 142, 180, 218, 50)) << std::hex << online.pixel(10, 27);
    EXPECT_TRUE(near(online.pixel(229, 27), 142, 180, 218, 50)) << std::hex << online.pixel(229, 27);
    EXPECT_TRUE(near(online.pixel(9, 27), 0, 0, 0, 10));
    EXPECT_TRUE(near(online.pixel(230, 27), 0, 0, 0, 10));
    EXPECT_GT(countPixels(online, QRect(20, 20, 30, 14), isWhite), 10) << "clock";
    EXPECT_GT(countPixels(online, QRect(125, 20, 20, 14), isWhite), 10) << "score";
    EXPECT_GT(countPixels(online, QRect(173, 20, 35, 14), isWhite), 10) << "team 2";
    EXPECT_EQ(countPixels(practice, QRect(0, 0, 260, 60), [](QRgb c) { return qGray(c) > 20; }), 0);
}

TEST_F(Hud, PowerBarFillsToItsValue) {
    ingamedata.powerBar = 0;
    const QImage empty = frame(renderPowerBar);
    // Inside the empty bar's dark middle; the fill is left of x 437 + value.
    EXPECT_TRUE(near(empty.pixel(437 + 75, 717), 0, 0, 0, 90)) << std::hex << empty.pixel(512, 717);
    struct Row {
        int value, probeX;
        bool filled;
    } rows[] = {{150, 437 + 145, true}, {150, 437 + 5, true}, {75, 437 + 70, true}, {75, 437 + 80, false},
                {4, 437 + 2, true},     {4, 437 + 10, false}};
    for (const Row& r : rows) {
        ingamedata.powerBar = static_cast<std::int16_t>(r.value);
        const QImage img = frame(renderPowerBar);
        const bool differs = differing(img, empty, QRect(r.probeX, 714, 1, 6)) > 0;
        EXPECT_EQ(differs, r.filled) << "power " << r.value << " at x " << r.probeX;
    }
}

TEST_F(Hud, RadarPlacesDotsByPresetAndMirrorsReversed) {
    ingamedata.teamSize = 2;
    ingamedata.playerName(1, 1) = "Alpha";
    ingamedata.playerPos(1, 1) = {2, 3};
    ingamedata.shirtColour[1] = {255, 0, 255};
    practiceWorld.ballLive = false;
    practiceWorld.stage = 1;  // no keepers
    // Expected top left corners on pitch size 3 (side line 4.345, goal line 6.52).
    struct Row {
        int preset;
        bool reversed;
        double x, y;
    } rows[] = {{1, false, 162.95, 256.90}, {2, false, 162.95, 256.90}, {3, false, 202.13, 124.14},
                {1, true, 69.05, 139.10},   {3, true, 83.87, 217.86}};
    for (const Row& r : rows) {
        cameraPresets.selectedCamera = static_cast<std::uint8_t>(r.preset);
        cameraPresets.reversedAngle = r.reversed;
        const QImage img = frame(renderRadar);
        const QRgb centre = img.pixel(int(r.x + 4), int(r.y + 4));
        EXPECT_TRUE(near(centre, 255, 0, 255, 60)) << "preset " << r.preset << (r.reversed ? " reversed" : "")
                                                  << " " << std::hex << centre;
        EXPECT_EQ(countPixels(img, QRect(int(r.x) - 40, int(r.y) - 40, 90, 90),
                              [](QRgb c) { return near(c, 255, 0, 255, 60); }),
                  countPixels(img, QRect(int(r.x) - 1, int(r.y) - 1, 10, 10),
                              [](QRgb c) { return near(c, 255, 0, 255, 60); }))
            << "only one dot, preset " << r.preset;
    }
    cameraPresets.selectedCamera = 3;
    cameraPresets.reversedAngle = false;
    const QImage field2 = frame(renderRadar);
    EXPECT_GT(countPixels(field2, QRect(250, 100, 15, 100), [](QRgb c) { return qGreen(c) > 60; }), 100)
        << "smallfield2 is 250 wide";
    settings.hideRadar = true;
    EXPECT_EQ(countPixels(frame(renderRadar), QRect(0, 0, 300, 350), [](QRgb c) { return qGray(c) > 20; }), 0);
}

TEST_F(Hud, RadarColoursOwnPlayerKeepersBallAndPlainKits) {
    ingamedata.teamSize = 1;
    ingamedata.playerName(1, 1) = "Me";
    ingamedata.playerName(2, 1) = "Other";
    ingamedata.playerPos(1, 1) = {0, 2};
    ingamedata.playerPos(2, 1) = {0, -2};
    ingamedata.keeperPos[1] = {-2, -6};
    ingamedata.keeperPos[2] = {2, 6};
    ingamedata.ballPos = {2, 0};
    ingamedata.shirtColour[1] = {255, 0, 255};
    ingamedata.shirtColour[2] = {0, 255, 255};
    ownData.username = "Me";
    auto dot = [](const TVec2& p) {
        const TVec2 q = radarPoint(p, cameraPresets.selectedCamera, cameraPresets.reversedAngle);
        return QRect(int(q.x) - 1, int(q.y) - 1, 10, 10);
    };
    auto yellow = [](QRgb c) { return qRed(c) > 150 && qGreen(c) > 150 && qBlue(c) < 90; };
    auto colourAt = [&](const QImage& img, const TVec2& p, int r, int g, int b) {
        return countPixels(img, dot(p), [&](QRgb c) { return near(c, r, g, b, 60); }) > 4;
    };
    practiceWorld.stage = 0;
    practiceWorld.ballLive = true;
    ingamedata.kickoffTeam = 1;
    QImage img = frame(renderRadar);
    EXPECT_GT(countPixels(img, dot({0, 2}), yellow), 3) << "own ring";
    EXPECT_EQ(countPixels(img, dot({0, -2}), yellow), 0) << "other ring";
    EXPECT_TRUE(colourAt(img, {-2, -6}, 255, 0, 255)) << "keeper 1 in team 1's colour";
    EXPECT_TRUE(colourAt(img, {2, 6}, 0, 255, 255)) << "keeper 2 in team 2's colour";
    EXPECT_GT(countPixels(img, dot({2, 0}), isWhite), 3) << "ball";

    ingamedata.kickoffTeam = 2;
    img = frame(renderRadar);
    EXPECT_TRUE(colourAt(img, {-2, -6}, 0, 255, 255)) << "keepers swapped";
    EXPECT_TRUE(colourAt(img, {2, 6}, 255, 0, 255));

    settings.plainKits = true;
    practiceWorld.stage = 2;
    practiceWorld.ballLive = false;
    img = frame(renderRadar);
    EXPECT_TRUE(colourAt(img, {0, 2}, 255, 0, 0)) << "plain red";
    EXPECT_TRUE(colourAt(img, {0, -2}, 0, 0, 255)) << "plain blue";
    EXPECT_FALSE(colourAt(img, {-2, -6}, 255, 0, 0) || colourAt(img, {-2, -6}, 0, 0, 255)) << "no keepers in a step";
    EXPECT_EQ(countPixels(img, dot({2, 0}), isWhite), 0) << "no ball while it is not live";
}

TEST_F(Hud, MenuButtonsAndTheirHighlight) {
    ingamedata.menuOpen = true;
    ingamedata.viewMode = 1;
    ingamedata.mouseScreenX = 500;
    ingamedata.mouseScreenY = 100;
    const QImage normal = frame(renderMenu);
    ingamedata.mouseScreenX = 125 + 45;
    ingamedata.mouseScreenY = 586 + 15;
    const QImage onLeave = frame(renderMenu);
    save(onLeave, "hud_menu.png");
    EXPECT_GT(differing(normal, onLeave, QRect(130, 590, 80, 22)), 200) << "leave highlighted";
    EXPECT_EQ(differing(normal, onLeave, QRect(224, 590, 80, 22)), 0) << "change stays normal";
    EXPECT_TRUE(near(normal.pixel(112, 300), 120, 170, 210, 50)) << "panel's left edge";
    ingamedata.viewMode = 2;
    EXPECT_GT(differing(normal, frame(renderMenu), QRect(224, 590, 80, 22)), 200) << "change only on training servers";
    ingamedata.menuOpen = false;
    EXPECT_EQ(countPixels(frame(renderMenu), QRect(100, 120, 820, 540), [](QRgb c) { return qGray(c) > 20; }), 0);
}

TEST_F(Hud, ChatOverlayBoxesHistoryColoursAndBlink) {
    settings.ingameColors[1] = {255, 60, 60};
    settings.ingameColors[4] = {60, 255, 60};
    auto entry = [](const char* sender, const char* team, const char* text, TChatKind kind) {
        TChatEntry e;
        e.sender = sender;
        e.team = team;
        e.text = text;
        e.kind = kind;
        return e;
    };
    ingameChat.history[0] = entry("Bob", "Reds", "hello there", chatUser);
    ingameChat.history[1] = entry("Old", "", "first line", chatGameAll);
    ingameChat.targetVisible = true;
    ingameChat.inputOpen = true;
    ingameChat.target = "Bob";
    ingameChat.text = "typing";
    ingameChat.inputMode = 2;
    ingameChat.blink = 0;
    const QImage img = frame(renderChatOverlay);
    EXPECT_EQ(ingameChat.blink, 1);
    const QRect newest(15, 660, 200, 13), older(15, 645, 200, 13);
    EXPECT_GT(countPixels(img, newest, [](QRgb c) { return near(c, 255, 60, 60, 50); }), 20) << "kind 1 colour";
    EXPECT_EQ(countPixels(img, newest, [](QRgb c) { return near(c, 60, 255, 60, 50); }), 0);
    EXPECT_GT(countPixels(img, older, [](QRgb c) { return near(c, 60, 255, 60, 50); }), 20) << "kind 4 colour";
    save(img, "hud_chat.png");
    // The boxes' one-pixel frames: editSmall 200 wide at (10, 710), editBig 560 wide at (10, 736).
    EXPECT_TRUE(near(img.pixel(209, 721), 139, 176, 212, 60)) << std::hex << img.pixel(209, 721);
    EXPECT_TRUE(near(img.pixel(569, 747), 139, 176, 212, 60)) << std::hex << img.pixel(569, 747);
    EXPECT_TRUE(near(img.pixel(10, 721), 139, 176, 212, 60));

    // The cursor mark after the typed text: shown for counter values 1 .. 15 after
    // the increment, hidden for 16 .. 30, and the counter wraps to 0 after 30.
    ingameChat.blink = 20;
    const QImage hidden = frame(renderChatOverlay);
    const QRect line(15, 736, 200, 14);
    struct Row {
        int before;
        bool shown;
        int after;
    } rows[] = {{0, true, 1}, {14, true, 15}, {15, false, 16}, {29, false, 30}, {30, true, 0}};
    for (const Row& r : rows) {
        ingameChat.blink = static_cast<std::uint8_t>(r.before);
        const QImage b = frame(renderChatOverlay);
        EXPECT_EQ(ingameChat.blink, r.after) << "from " << r.before;
        EXPECT_EQ(differing(b, hidden, line) > 4, r.shown) << "from " << r.before;
    }
    ingameChat.inputMode = 1;
    ingameChat.blink = 0;
    EXPECT_EQ(differing(frame(renderChatOverlay), hidden, line), 0) << "the mark follows the box being typed in";
    settings.hideChat = true;
    ingameChat.blink = 5;
    EXPECT_EQ(countPixels(frame(renderChatOverlay), QRect(0, 500, 600, 268), [](QRgb c) { return qGray(c) > 20; }),
              0);
    EXPECT_EQ(ingameChat.blink, 5) << "a hidden overlay does not count";
}

TEST_F(Hud, MessagesShowWhileTheirCountersRun) {
    ingamedata.goalMessage = "GOAL! Alpha";
    ingamedata.goalMessageFrames = 2;
    ingamedata.infoMessage = "Beta joined the server";
    ingamedata.infoMessageFrames = 1;
    const QRect goal(15, 470, 80, 13), info(15, 485, 120, 13);
    QImage img = frame(renderMessages);
    EXPECT_GT(countPixels(img, goal, isWhite), 10);
    EXPECT_GT(countPixels(img, info, isWhite), 10);
    EXPECT_EQ(ingamedata.goalMessageFrames, 1);
    EXPECT_EQ(ingamedata.infoMessageFrames, 0);
    img = frame(renderMessages);
    EXPECT_GT(countPixels(img, goal, isWhite), 10);
    EXPECT_EQ(countPixels(img, info, isWhite), 0);
    img = frame(renderMessages);
    EXPECT_EQ(countPixels(img, goal, isWhite), 0);
    EXPECT_EQ(ingamedata.goalMessageFrames, 0);
}

TEST_F(Hud, CursorIsCentredOnTheMouse) {
    ingamedata.mouseScreenX = 300;
    ingamedata.mouseScreenY = 200;
    const QImage img = frame(renderCursor);
    // The cross's bars run through the mouse point; its centre is left open.
    EXPECT_TRUE(isWhite(img.pixel(300, 190)) || isWhite(img.pixel(299, 190))) << std::hex << img.pixel(300, 190);
    EXPECT_TRUE(isWhite(img.pixel(290, 200)) || isWhite(img.pixel(290, 199)));
    EXPECT_EQ(countPixels(img, QRect(320, 220, 40, 40), [](QRgb c) { return qGray(c) > 20; }), 0);
}

TEST_F(Hud, DebugLinesCaptionsAndValues) {
    const QString dp = QLocale::system().decimalPoint();
    auto num = [&](const char* s) { return QString(s).replace('.', dp).toStdString(); };
    cameraEditor = true;
    cameraPresets.aspect[3] = 0.25f;
    cameraPresets.eye[3] = {-7.5f, 0, 7.43f};
    cameraPresets.lookAt[3] = {-1.07f, 0, 0};
    struct Row {
        int preset;
        std::vector<std::string> texts;
    } rows[] = {
        {1,
         {"Q- A+  eye       " + num("5.64"), "W- S+  lookAt   " + num("0.45"), "E- R+  FOV       " + num("0.6"),
          "D- F+  aspect   " + num("1.33333"), "scroll altitude    " + num("7.5")}},
        {3,
         {"Q- A+  eye       " + num("-7.5"), "W- S+  lookAt   " + num("-1.07"), "E- R+  FOV       " + num("0.6"),
          "D- F+  aspect   " + num("1.58333"), "scroll altitude    " + num("7.43")}},
    };
    for (const Row& r : rows) {
        cameraPresets.selectedCamera = static_cast<std::uint8_t>(r.preset);
        const std::vector<THudText> lines = debugLines(59);
        ASSERT_EQ(lines.size(), 5u) << "preset " << r.preset;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            EXPECT_EQ(lines[i].text, r.texts[i]) << "preset " << r.preset << " line " << i;
            EXPECT_EQ(lines[i].x, 500);
            EXPECT_EQ(lines[i].y, 50 + 20.0 * double(i));
        }
    }
    cameraPresets.selectedCamera = 0;
    EXPECT_TRUE(debugLines(59).empty()) << "no preset selected";

    cameraEditor = false;
    debugMode = true;
    settings.showFps = true;
    ownData.username = "Me";
    ingamedata.playerName(1, 1) = "Me";
    ingamedata.playerPos(1, 1) = {1, 1};
    ingamedata.mouseTarget = {4, 5};
    std::vector<THudText> lines = debugLines(42);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].text, "mouseX 4");
    EXPECT_EQ(lines[1].text, "mouseY 5");
    EXPECT_EQ(lines[2].text, "distance 5");
    EXPECT_EQ(lines[2].y, 210);
    EXPECT_EQ(lines[3].text, "FPS: 42");
    EXPECT_EQ(lines[3].x, 50);
    EXPECT_EQ(lines[3].y, 10);

    ingamedata.practice = true;
    practiceWorld.playerPos = {4, 1};
    EXPECT_EQ(debugLines(0)[2].text, "distance 4") << "the practice player";
    ingamedata.practice = false;
    ownData.username = "Watcher";
    lines = debugLines(0);
    ASSERT_EQ(lines.size(), 3u) << "a spectator has no distance";
    EXPECT_EQ(lines[2].text, "FPS: 0");

    const QImage img = frame([] { renderDebugLines(42); });
    EXPECT_GT(countPixels(img, QRect(50, 10, 60, 14), isWhite), 10);
    EXPECT_GT(countPixels(img, QRect(500, 170, 80, 14), isWhite), 10);
}

// A synthetic 3 v 3 roster; team 2's slot 2 is empty, so its slot 3 moves up a row.
void fillRoster() {
    ingamedata.phase = 0;
    ingamedata.teamSize = 3;
    const char* names[2][3] = {{"Alpha", "Bravo", "Charlie"}, {"Delta", "", "Foxtrot"}};
    const std::int16_t countries[2][3] = {{0, 57, 212}, {75, 0, -1}};
    for (int t = 1; t <= 2; ++t)
        for (int s = 1; s <= 3; ++s) {
            ingamedata.playerName(t, s) = names[t - 1][s - 1];
            ingamedata.playerCountry(t, s) = countries[t - 1][s - 1];
            ingamedata.playerReady(t, s) = s != 2;
        }
}

TEST_F(Hud, WaitingScreenRosterMarksAndButtons) {
    fillRoster();
    ingamedata.viewMode = 1;
    const QImage img = frame(renderWaitingScreen);
    save(img, "hud_waiting.png");
    auto ready = [&](int x, int y) { return countPixels(img, QRect(x + 4, y + 4, 16, 12), [](QRgb c) {
                                         return qGreen(c) > 150 && qRed(c) < 120; }) > 10; };
    struct Row {
        int x, y;
        bool shown;
        const char* what;
    } rows[] = {{250, 200, true, "team 1 slot 1"}, {250, 225, false, "team 1 slot 2 not ready"},
                {250, 250, true, "team 1 slot 3"}, {630, 200, true, "team 2 slot 1"},
                {630, 225, true, "team 2 slot 3 packed into row 1"}, {630, 250, false, "no third row for team 2"}};
    for (const Row& r : rows) EXPECT_EQ(ready(r.x, r.y), r.shown) << r.what;
    EXPECT_GT(countPixels(img, QRect(280, 200, 40, 13), isWhite), 10) << "team 1 name";
    EXPECT_GT(countPixels(img, QRect(660, 225, 40, 13), isWhite), 10) << "team 2 packed name";
    EXPECT_EQ(countPixels(img, QRect(660, 250, 60, 13), isWhite), 0);
    EXPECT_GT(countPixels(img, QRect(220, 203, 16, 11), [](QRgb c) { return qGray(c) > 40; }), 20) << "flag";
    EXPECT_EQ(countPixels(img, QRect(600, 228, 16, 11), [](QRgb c) { return qGray(c) > 120; }), 0)
        << "no flag for a negative country";

    ingamedata.viewMode = 3;
    const QImage spectator = frame(renderWaitingScreen);
    for (int x : {125, 219, 313})
        EXPECT_GT(differing(img, spectator, QRect(x + 5, 590, 80, 22)), 200) << "button at " << x;
}

TEST_F(Hud, StatsScreenValuesAndPossession) {
    ingamedata.phase = 2;
    ingamedata.matchStats[1] = {12, 5, 3, 20, 7, 4};
    ingamedata.matchStats[2] = {8, 2, 1, 15, 9, 6};
    ingamedata.possessionCounts[1] = {10, 5, 5, 5, 5, 0};  // 30
    ingamedata.possessionCounts[2] = {2, 2, 2, 2, 2, 0};   // 10
    const QImage img = frame(renderStatsScreen);
    save(img, "hud_stats.png");
    struct Row {
        double x, y;
        const char* text;
    } rows[] = {{490, 300, "Shots total"}, {490, 420, "Possession"}, {350, 300, "12"}, {650, 300, "8"},
                {350, 360, "20"},          {650, 400, "6"},          {350, 420, "75"}, {650, 420, "25"}};
    for (const Row& r : rows) {
        // The same screen without the other texts: the box must match it pixel for pixel.
        const QImage ref = frame([&] {
            renderScreenScenery();
            gfx().setSampler(Sampler::Anisotropic);
            drawSprite("panel1", 112, 134);
            drawText(r.x, r.y, r.text, kWhite);
        });
        const QRect box(int(r.x) - 2, int(r.y) - 2, 110, 18);
        ASSERT_GT(countPixels(ref, box, isWhite), 5) << r.text;
        EXPECT_EQ(differing(img, ref, box), 0) << r.text << " at " << r.x << ", " << r.y;
    }
}

TEST_F(Hud, TutorialStepCircleTextsAndWall) {
    ingamedata.practice = true;
    ingamedata.teamSize = 1;
    // The half-transparent blue over the green grass.
    auto blue = [](QRgb c) { return qBlue(c) > 80 && qBlue(c) > qRed(c) + 40; };
    auto step = [&](int stage, int target) {
        practiceWorld.stage = static_cast<std::uint8_t>(stage);
        practiceWorld.stageTarget = static_cast<std::uint8_t>(target);
        return frame([] {
            renderGrass();
            renderTutorialStep();
        });
    };
    const QRect view(0, 0, W, H);
    const QImage two = step(2, 1);
    save(two, "hud_tutorial_step2.png");
    const int small = countPixels(two, view, blue);
    const int large = countPixels(step(4, 1), view, blue);
    EXPECT_GT(small, 50);
    EXPECT_GT(large, small * 5 / 2) << "step 4's circle is twice as wide";
    EXPECT_LT(large, small * 6);
    EXPECT_EQ(countPixels(step(1, 5), view, blue), 0) << "all areas reached";
    EXPECT_GT(countPixels(two, QRect(220, 600, 300, 45), isWhite), 100) << "three lines";
    EXPECT_GT(countPixels(two, QRect(220, 630, 300, 13), isWhite), 20) << "the third line";
    EXPECT_EQ(countPixels(step(5, 2), QRect(220, 615, 300, 13), isWhite), 0) << "step 5 has one line";
    practiceWorld.stageDone = true;
    EXPECT_EQ(countPixels(step(2, 1), QRect(220, 600, 300, 45), isWhite), 0) << "nothing once done";
    practiceWorld.stageDone = false;
    // The camera follows the player to the shooting spot in front of the wall.
    ownData.username = "Me";
    ingamedata.playerName(1, 1) = "Me";
    ingamedata.playerPos(1, 1) = {0, -2.5};
    const QImage seven = step(7, 1);
    save(seven, "hud_tutorial_step7.png");
    EXPECT_GT(countPixels(seven, QRect(220, 600, 300, 30), isWhite), 100) << "step 7 lines";
    const QImage grassOnly = frame(renderGrass);
    EXPECT_EQ(differing(seven, grassOnly, QRect(220, 630, 300, 13)), 0) << "step 7 has two lines";
    // The wall stands on the far half, round the centre of the screen's width.
    Vec2f foot;
    ASSERT_TRUE(app_->renderer().projectToScreen(Vec3(0, float(kWallY), 0), &foot));
    EXPECT_GT(differing(seven, grassOnly, QRect(int(foot.x) - 40, int(foot.y) - 80, 80, 80)), 200)
        << "wall figures above " << foot.x << ", " << foot.y;
}

TEST_F(Hud, TutorialDoneScreenButtonsAndLines) {
    ingamedata.practice = true;
    practiceWorld.stageDone = true;
    ingamedata.menuOpen = true;
    ingamedata.playerPos(1, 1) = {3, 4};
    practiceWorld.stage = 3;
    ingamedata.mouseScreenX = 219 + 40;
    ingamedata.mouseScreenY = 586 + 12;
    const QImage three = frame(renderTutorialDone);
    save(three, "hud_tutorial_done3.png");
    EXPECT_FALSE(ingamedata.menuOpen);
    EXPECT_EQ(ingamedata.playerPos(1, 1).x, 0);
    EXPECT_EQ(ingamedata.playerPos(1, 1).y, 0);
    EXPECT_GT(countPixels(three, QRect(400, 200, 150, 13), isWhite), 30) << "completed line";
    practiceWorld.stage = 7;
    const QImage seven = frame(renderTutorialDone);
    save(seven, "hud_tutorial_done7.png");
    EXPECT_GT(differing(three, seven, QRect(318, 590, 80, 22)), 200) << "no next button after the last step";
    EXPECT_EQ(differing(three, seven, QRect(130, 590, 80, 22)), 0) << "back in both";
    EXPECT_GT(countPixels(seven, QRect(300, 245, 300, 13), isWhite), 30) << "fourth line";
    ingamedata.mouseScreenX = 0;
    EXPECT_GT(differing(seven, frame(renderTutorialDone), QRect(224, 590, 80, 22)), 200) << "retry highlighted";
}

}  // namespace
}  // namespace kf
