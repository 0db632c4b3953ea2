#pragma once
// The match window's input handlers, free of any window type: keys arrive as
// Windows virtual-key codes, the cursor in window pixels. What the buttons
// and keys do outside the input state goes through TMatchActions, which the
// match window (and, online, the game-server link) provides.

#include <functional>

namespace kf {

struct TMatchActions {
    std::function<void()> leave;             // the leave button and a spectator's Esc
    std::function<void()> stopSpectatorPing; // Timer3
    std::function<void()> sendChange;
    std::function<void()> sendReady;
    std::function<void()> tutorialBack;
};

extern TMatchActions matchActions;

// Virtual sizes of the click rectangles (the textures' own sizes once loaded).
struct TClickSizes {
    double buttonW = 90, buttonH = 36;          // "ready"
    double targetBoxW = 150, targetBoxH = 22;   // "editSmall"
    double textBoxW = 500, textBoxH = 22;       // "editBig"
};
extern TClickSizes clickSizes;

// Button positions on the virtual 1024 x 768 screen.
constexpr double kLeaveX = 125, kChangeX = 219, kReadyX = 313, kButtonY = 586;
constexpr double kTargetBoxX = 10, kTargetBoxY = 710, kTextBoxX = 10, kTextBoxY = 736;

enum class TMouseButton { left, right, middle };

void formKeyDown(int vk);
void formKeyUp(int vk);
void formKeyPress(char c);
void formMouseDown(TMouseButton b);
void formMouseUp(TMouseButton b);
void formMouseMove(int x, int y, int clientWidth, int clientHeight);
void formMouseWheel(int delta);
void formClick();
// The system may not close the match window; it is left through the leave actions.
inline bool formCloseQuery() { return false; }

// Esc: a spectator leaves at once; a player toggles the menu while playing.
void escapeAction();
// The completion screen's retry and next.
void tutorialRetry();
void tutorialNext();

}  // namespace kf
