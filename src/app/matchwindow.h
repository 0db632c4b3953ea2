#pragma once
// The match window: our engine application object with the game's render
// callback, the frame's steps, and entering and leaving free practice, the
// tutorial and (later) online matches.

#include <functional>
#include <string>

#include "engine_app.h"
#include "framedriver.h"
#include "renderer.h"

namespace kf {

class TMyApp : public EngineApp, public TFrameSteps {
public:
    TMyApp();
    ~TMyApp() override;

    // Free practice (stage 0) or the tutorial (stage 1); false with the
    // "Still loading" message while the assets load.
    bool startLocalMatch(int stage);
    // The leave action and the tutorial's back action.
    void leaveMatch();
    void tutorialBack();

    // Called when the window has been left (the lobby shows itself again;
    // without a lobby the program ends).
    std::function<void()> onLeft;
    // Called at the start of every frame with its number (scripts and tests).
    std::function<void(long frame)> beforeFrame;
    // Shows a message to the user (a message box in the client).
    std::function<void(const std::string&)> showMessage;

    // Full screen at the configured resolution, as players get it; tests and
    // side-by-side clients may ask for a plain window instead.
    void setWindowed(bool on) { windowed_ = on; }

    // The camera the next frame looks through (set at the end of a frame).
    const Camera& nextCamera() const { return camera_; }
    // The cursor in back-buffer pixels (the pick uses it).
    float cursorX() const { return cursorX_; }
    float cursorY() const { return cursorY_; }

    // Engine callbacks.
    void onInitialise() override;
    void onRender() override;
    void onFinalise() override;
    void onMouseMove(float x, float y) override;
    void onMouseButton(MouseButton b, bool down, float x, float y) override;
    void onMouseWheel(int delta) override;
    void onKey(int key, bool down, bool autoRepeat, const std::string& text) override;

    // The frame's steps.
    void crowdUpkeep() override;
    void waitingScreen() override;
    void statsScreen() override;
    void tutorialDone() override;
    void extrapolate() override {}
    void renderGrass() override;
    void renderShadows() override;
    void tutorialStep() override;
    void renderBall() override;
    void renderPlayers() override;
    void renderBenches() override;
    void renderAdboards() override;
    void renderNets() override;
    void renderStadium() override;
    void renderPowerBar() override;
    void renderScoreBoard() override;
    void renderRadar() override;
    void sendInput() override {}
    void renderMenu() override;
    void renderChat() override;
    void renderMessages() override;
    void renderCursor() override;
    void renderOverlays() override;

private:
    void initEngine();
    void renderFrame();
    void enterMatchWindow();
    void leaveMatchWindow();
    void applyClickSizes();

    Camera camera_;
    long frame_ = 0;
    float cursorX_ = 512, cursorY_ = 384;
    bool windowed_ = false;
    bool entering_ = false;
};

}  // namespace kf
