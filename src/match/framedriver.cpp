#include "framedriver.h"

#include <algorithm>

#include "ingamedata.h"
#include "practice.h"
#include "practiceworld.h"

namespace kf {

bool smoothPositions = false;
bool cameraEditor = false;
bool debugMode = false;

void advanceMatchClock() {
    if (!ingamedata.clockRunning) return;
    if (++ingamedata.minuteFrames > kFramesPerMinute) {
        ingamedata.minuteFrames = 0;
        if (ingamedata.matchMinute < kLastMinute) ++ingamedata.matchMinute;
    }
}

void updatePowerBar() {
    ingamedata.powerBar = ingamedata.inputLeft ? static_cast<std::int16_t>(std::min(ingamedata.powerBar + 4, 150)) : 0;
}

namespace {

void playingFrame(TFrameSteps& s, const TFrameView& view) {
    if (!ingamedata.practice) s.extrapolate();
    advanceMatchClock();
    updatePowerBar();
    s.renderGrass();
    s.renderShadows();
    s.tutorialStep();
    s.renderBall();
    s.renderPlayers();
    s.renderBenches();
    s.renderAdboards();
    s.renderNets();
    s.renderStadium();
    s.renderPowerBar();
    s.renderScoreBoard();
    if (!view.hideRadar) s.renderRadar();
    if (!ingamedata.practice) s.sendInput();
}

}  // namespace

void matchFrame(TFrameSteps& s, const TFrameView& view) {
    if (ingamedata.practice) practiceStep();
    s.crowdUpkeep();
    if (ingamedata.phase == 0) s.waitingScreen();
    if (ingamedata.phase == 2) s.statsScreen();
    if (practiceWorld.stageDone) s.tutorialDone();
    if (ingamedata.phase == 1) playingFrame(s, view);
    if (ingamedata.menuOpen) s.renderMenu();
    if (!view.hideChat) s.renderChat();
    s.renderMessages();
    s.renderCursor();
    s.renderOverlays();
}

}  // namespace kf
