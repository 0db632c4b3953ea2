#include "controls.h"

#include "camera.h"
#include "framedriver.h"
#include "hudlogic.h"
#include "ingamechat.h"
#include "ingamedata.h"
#include "practice.h"
#include "practiceworld.h"
#include "settings.h"
#include "vkeys.h"

namespace kf {

TMatchActions matchActions;
TClickSizes clickSizes;

namespace {

void run(const std::function<void()>& f) {
    if (f) f();
}

bool onButton(double x) {
    return hitTest(x, kButtonY, clickSizes.buttonW, clickSizes.buttonH, ingamedata.mouseScreenX,
                   ingamedata.mouseScreenY);
}

void viewToggles(int vk) {
    switch (vk) {
    case vkF8: settings.plainKits = !settings.plainKits; break;
    case vkF9: settings.hideChat = !settings.hideChat; break;
    case vkF10: settings.hideRadar = !settings.hideRadar; break;
    case vkF11: smoothPositions = true; break;
    case vkF12: smoothPositions = false; break;
    default: break;
    }
}

void cameraKeys(int vk) {
    if (vk >= '1' && vk <= '4') selectCamera(vk - '0');
    if (vk == '5') toggleReversedAngle();
}

}  // namespace

void escapeAction() {
    if (ingamedata.viewMode == 3) {
        run(matchActions.leave);
        run(matchActions.stopSpectatorPing);
        return;
    }
    if (ingamedata.phase == 1) ingamedata.menuOpen = !ingamedata.menuOpen;
}

void formKeyDown(int vk) {
    if (vk == vkEscape) escapeAction();
    viewToggles(vk);
    practiceKey(vk);
    ingameChatKey(vk);
    if (cameraEditor) adjustCamera(vk);
    if (vk == settings.jumpKey) ingamedata.inputJump = true;
    if (vk == settings.tackleKey) ingamedata.inputTackle = true;
    if (!ingameChatTyping()) cameraKeys(vk);
}

void formKeyUp(int vk) {
    if (vk == settings.tackleKey) ingamedata.inputTackle = false;
    if (vk == settings.jumpKey) ingamedata.inputJump = false;
}

void formKeyPress(char c) { ingameChatChar(c); }

void formMouseDown(TMouseButton b) {
    if (b == TMouseButton::left) ingamedata.inputLeft = true;
    if (b == TMouseButton::right) ingamedata.inputRight = true;
    if (b == TMouseButton::middle) ingamedata.inputTackle = true;
}

void formMouseUp(TMouseButton b) {
    if (b == TMouseButton::left) ingamedata.inputLeft = false;
    if (b == TMouseButton::right) ingamedata.inputRight = false;
    if (b == TMouseButton::middle) ingamedata.inputTackle = false;
}

void formMouseMove(int x, int y, int w, int h) {
    ingamedata.mouseScreenX = static_cast<std::int16_t>(virtualMouseX(x, w));
    ingamedata.mouseScreenY = static_cast<std::int16_t>(virtualMouseY(y, h));
}

void formMouseWheel(int delta) {
    if (cameraEditor) cameraWheel(delta);
}

void tutorialRetry() {
    practiceWorld.stageDone = false;
    setStage(practiceWorld.stage);
}

void tutorialNext() {
    practiceWorld.stageDone = false;
    setStage(practiceWorld.stage + 1);
}

void formClick() {
    // Each test looks at the state left by the ones before it.
    if (onButton(kLeaveX) && (ingamedata.phase == 0 || ingamedata.menuOpen)) run(matchActions.leave);
    if (onButton(kChangeX) && (ingamedata.phase == 0 || ingamedata.menuOpen)) run(matchActions.sendChange);
    if (onButton(kReadyX) && ingamedata.phase == 0) run(matchActions.sendReady);
    if (onButton(kLeaveX) && practiceWorld.stageDone) run(matchActions.tutorialBack);
    if (onButton(kChangeX) && practiceWorld.stageDone) {
        tutorialRetry();
    } else if (onButton(kReadyX) && practiceWorld.stageDone && practiceWorld.stage != kLastTutorialStage) {
        tutorialNext();
    }
    const double mx = ingamedata.mouseScreenX, my = ingamedata.mouseScreenY;
    if (hitTest(kTargetBoxX, kTargetBoxY, clickSizes.targetBoxW, clickSizes.targetBoxH, mx, my)) ingameChatClickTarget();
    if (hitTest(kTextBoxX, kTextBoxY, clickSizes.textBoxW, clickSizes.textBoxH, mx, my)) ingameChatClickText();
}

}  // namespace kf
