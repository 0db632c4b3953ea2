#pragma once
// One frame of the match window: the practice step or the network step, the
// match clock and power bar, and every drawing step in the order the screen is
// built. The drawing and network work lives in other layers; the driver calls
// it through TFrameSteps so the order stays readable here and testable
// without a window.

namespace kf {

// View and debug switches that survive from match to match.
extern bool smoothPositions;  // F11 on, F12 off: small corrections of field players are ignored
extern bool cameraEditor;     // "/camera on": camera tuning keys and overlay
extern bool debugMode;        // the "debug" marker file at start-up

class TFrameSteps {
public:
    virtual ~TFrameSteps() = default;
    virtual void crowdUpkeep() = 0;
    virtual void waitingScreen() = 0;
    virtual void statsScreen() = 0;
    virtual void tutorialDone() = 0;
    virtual void extrapolate() = 0;
    virtual void renderGrass() = 0;
    virtual void renderShadows() = 0;
    virtual void tutorialStep() = 0;
    virtual void renderBall() = 0;
    virtual void renderPlayers() = 0;
    virtual void renderBenches() = 0;
    virtual void renderAdboards() = 0;
    virtual void renderNets() = 0;
    virtual void renderStadium() = 0;
    virtual void renderPowerBar() = 0;
    virtual void renderScoreBoard() = 0;
    virtual void renderRadar() = 0;
    virtual void sendInput() = 0;
    virtual void renderMenu() = 0;
    virtual void renderChat() = 0;
    virtual void renderMessages() = 0;
    virtual void renderCursor() = 0;
    virtual void renderOverlays() = 0;
};

// The F9/F10 view toggles (kept with the settings record).
struct TFrameView {
    bool hideChat = false;
    bool hideRadar = false;
};

// The frame, in order; reads ingamedata and practiceWorld.
void matchFrame(TFrameSteps& steps, const TFrameView& view);

// Every playing frame: the local clock and the displayed power bar.
void advanceMatchClock();
void updatePowerBar();

constexpr unsigned kFramesPerMinute = 500;
constexpr int kLastMinute = 95;

}  // namespace kf
