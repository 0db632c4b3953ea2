#include "matchwindow.h"

#include "assets.h"
#include "camera.h"
#include "camerapresets.h"
#include "controls.h"
#include "cp1252.h"
#include "drawing.h"
#include "figures.h"
#include "hud.h"
#include "ingamechat.h"
#include "ingamedata.h"
#include "kits.h"
#include "owndata.h"
#include "practiceworld.h"
#include "qtkeys.h"
#include "scene.h"
#include "settings.h"
#include "tutorial.h"
#include "vkeys.h"

namespace kf {

TMyApp::TMyApp() {
    setCaption(std::string("Kickfield ") + clientVersion);
    matchActions.leave = [this] { leaveMatch(); };
    matchActions.tutorialBack = [this] { tutorialBack(); };
    // Lines shown while the window is being entered (the practice hints) belong to it too.
    chatHooks.matchWindowVisible = [this] { return entering_ || visible(); };
}

TMyApp::~TMyApp() {
    matchActions = TMatchActions{};
    chatHooks.matchWindowVisible = nullptr;
    renderContext = {};
}

// --- engine set-up and the frame -------------------------------------------

void TMyApp::onInitialise() { initEngine(); }

void TMyApp::initEngine() {
    setMaxFps(59);
    renderContext = {&renderer(), &textures()};
    assetManagers = {&textures(), &meshes(), &sounds()};
    renderer().setVirtualScreen(1024, 768);
    // The HUD and the match screens lie over the whole 3D frame, whatever the step order.
    renderer().setOverlayLast(true);
    if (settings.lightning) {
        renderer().setAmbient({170, 170, 170, 255});
        renderer().setDirectionalLight(Vec3(-1, 1, -1), {255, 255, 255, 255});
        renderer().setLighting(true);
    } else {
        renderer().setLighting(false);
    }
}

void TMyApp::onFinalise() {
    gameModels = TGameModels{};
    renderContext = {};
}

void TMyApp::onRender() { renderFrame(); }

void TMyApp::renderFrame() {
    if (beforeFrame) beforeFrame(frame_);
    ++frame_;
    Renderer& r = renderer();
    r.clear({0, 0, 0, 255}, 1.0f);
    r.beginScene();
    r.setCamera(camera_);
    pickPitchPoint(cursorX_, cursorY_);
    matchFrame(*this, TFrameView{settings.hideChat, settings.hideRadar});
    const TCameraView v = updateCamera();
    camera_.fov = float(v.fov);
    camera_.aspect = float(v.aspect);
    camera_.zNear = float(v.nearPlane);
    camera_.zFar = float(v.farPlane);
    camera_.eye = Vec3(float(v.eye[0]), float(v.eye[1]), float(v.eye[2]));
    camera_.target = Vec3(float(v.target[0]), float(v.target[1]), float(v.target[2]));
    camera_.up = Vec3(float(v.up[0]), float(v.up[1]), float(v.up[2]));
    present();  // ends the scene
}

// --- entering and leaving ----------------------------------------------------

bool TMyApp::startLocalMatch(int stage) {
    if (!assetsLoaded()) {
        if (showMessage) showMessage(std::string(kStillLoading));
        return false;
    }
    entering_ = true;
    clearChatHistory();
    beginLocalMatch(stage, ownData.username);
    if (stage == 0) {
        showChatLine(kInfoSender, "", kHintRecall, chatInfo);
        showChatLine(kInfoSender, "", kHintCorner, chatInfo);
    }
    buildShoeTexture(textures(), 1, 1, {0, 0, 0});
    randomizeAdboards();
    enterMatchWindow();
    entering_ = false;
    return true;
}

void TMyApp::enterMatchWindow() {
    applyClickSizes();
    setBackBufferSize(settings.resolutionWidth > 0 ? settings.resolutionWidth : 1024,
                      settings.resolutionHeight > 0 ? settings.resolutionHeight : 768);
    setFullScreen(!windowed_);
    applyParameters();
    crowdCountdown = 0;
    show();
    setTimerEnabled(true);
    setCursorVisible(false);
}

void TMyApp::leaveMatchWindow() {
    stopAllSounds();
    setTimerEnabled(false);
    ingamedata.practice = false;
    ingamedata.menuOpen = false;
    setFullScreen(false);
    applyParameters();
    setCursorVisible(true);
    saveCameraPresets();
    hide();
    if (onLeft) onLeft();
}

void TMyApp::leaveMatch() {
    // Online, the leave message and the closing of the game-server link come with the network layer.
    leaveMatchWindow();
}

void TMyApp::tutorialBack() {
    practiceWorld.stageDone = false;
    leaveMatchWindow();
}

void TMyApp::applyClickSizes() {
    auto size = [](const char* name, double& w, double& h) {
        if (textureWidth(name) > 0) {
            w = textureWidth(name);
            h = textureHeight(name);
        }
    };
    size("ready", clickSizes.buttonW, clickSizes.buttonH);
    size("editSmall", clickSizes.targetBoxW, clickSizes.targetBoxH);
    size("editBig", clickSizes.textBoxW, clickSizes.textBoxH);
}

// --- input -------------------------------------------------------------------

void TMyApp::onMouseMove(float x, float y) {
    cursorX_ = x;
    cursorY_ = y;
    formMouseMove(int(x), int(y), backBufferWidth(), backBufferHeight());
}

void TMyApp::onMouseButton(MouseButton b, bool down, float x, float y) {
    onMouseMove(x, y);
    const TMouseButton button = b == MouseButton::Left    ? TMouseButton::left
                                : b == MouseButton::Right ? TMouseButton::right
                                                          : TMouseButton::middle;
    if (down) {
        formMouseDown(button);
    } else {
        formMouseUp(button);
        if (b == MouseButton::Left) formClick();  // a click is a left press and release
    }
}

void TMyApp::onMouseWheel(int delta) { formMouseWheel(delta); }

void TMyApp::onKey(int key, bool down, bool autoRepeat, const std::string& text) {
    const int vk = virtualKeyFromQt(key);
    if (!down) {
        if (!autoRepeat && vk) formKeyUp(vk);
        return;
    }
    if (vk) formKeyDown(vk);
    if (vk == vkBack) {
        formKeyPress('\b');
        return;
    }
    for (char c : utf8ToCp1252(text)) formKeyPress(c);
}

// --- the frame's steps ---------------------------------------------------------

void TMyApp::crowdUpkeep() { playSound(0); }
void TMyApp::waitingScreen() { renderWaitingScreen(); }
void TMyApp::statsScreen() { renderStatsScreen(); }
void TMyApp::tutorialDone() { renderTutorialDone(); }
void TMyApp::renderGrass() { kf::renderGrass(); }
void TMyApp::renderShadows() { kf::renderShadows(); }
void TMyApp::tutorialStep() { renderTutorialStep(); }
void TMyApp::renderBall() { kf::renderBall(); }
void TMyApp::renderPlayers() { kf::renderPlayers(); }
void TMyApp::renderBenches() { kf::renderBenches(); }
void TMyApp::renderAdboards() { kf::renderAdboards(); }
void TMyApp::renderNets() { kf::renderNets(); }
void TMyApp::renderStadium() { kf::renderStadium(); }
void TMyApp::renderPowerBar() { kf::renderPowerBar(); }
void TMyApp::renderScoreBoard() { kf::renderScoreBoard(); }
void TMyApp::renderRadar() { kf::renderRadar(); }
void TMyApp::renderMenu() { kf::renderMenu(); }
void TMyApp::renderChat() { renderChatOverlay(); }
void TMyApp::renderMessages() { kf::renderMessages(); }
void TMyApp::renderCursor() { kf::renderCursor(); }
void TMyApp::renderOverlays() { renderDebugLines(fps()); }

}  // namespace kf
