#pragma once
// The head-up display and the match screens, drawn flat on the virtual
// 1024 x 768 screen over (or instead of) the 3D view: score board, power bar,
// radar, in-match menu, chat overlay, goal and information messages, cursor,
// debug lines, the waiting and statistics screens, and the tutorial's step
// texts and completion screen. The frame driver decides which are drawn in a
// frame; each function reads the match state of that moment.

#include <string>
#include <vector>

namespace kf {

// Playing frames; nothing in practice.
void renderScoreBoard();
// Playing frames: the empty bar, filled to powerBar units (0 .. 150).
void renderPowerBar();
// Playing frames unless the radar is hidden (F10).
void renderRadar();
// While menuOpen: the panel with the leave (and, on a training server, change) button.
void renderMenu();
// Unless the chat is hidden (F9): the input boxes and the ten history lines.
// Advances the cursor blink counter.
void renderChatOverlay();
// Every frame: each message while its counter is positive; a drawn frame
// takes one off the counter.
void renderMessages();
// Every frame, after everything but the debug lines.
void renderCursor();

// A line of text at a virtual point.
struct THudText {
    double x = 0;
    double y = 0;
    std::string text;
};
// The camera editor's tuning lines, the debug mouse lines and the frame rate
// line, as far as their switches are on; `fps` is the engine's count.
std::vector<THudText> debugLines(int fps);
// The same lines, white without shadow.
void renderDebugLines(int fps);

// Scenery of the waiting and statistics screens: no players, ball or nets.
void renderScreenScenery();

// Phase 0: scenery, panel, roster with flags and ready marks, buttons.
void renderWaitingScreen();
// Phase 2: scenery, panel, the end-of-match statistics of both teams.
void renderStatsScreen();

// Playing frames of the tutorial (after the shadows, before the ball): the
// target circle and the step's instructions; the wall in the last step.
void renderTutorialStep();
// Every frame while a tutorial step is done (before the rest of the frame):
// closes the menu, centres the player, draws grass, panel, buttons and texts.
void renderTutorialDone();

}  // namespace kf
