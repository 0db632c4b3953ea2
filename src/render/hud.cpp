#include "hud.h"

#include <QLocale>
#include <QString>

#include <algorithm>
#include <array>

#include "camerapresets.h"
#include "controls.h"
#include "cp1252.h"
#include "drawing.h"
#include "figures.h"
#include "framedriver.h"
#include "hudlogic.h"
#include "ingamechat.h"
#include "ingamedata.h"
#include "owndata.h"
#include "practice.h"
#include "practiceworld.h"
#include "renderer.h"
#include "scene.h"
#include "settings.h"
#include "tutorial.h"

namespace kf {

namespace {

constexpr double kPanelX = 112, kPanelY = 134;
constexpr std::int16_t kPowerBarFull = 150;
constexpr int kBlinkPeriod = 30;  // the counter runs 0 .. 30
constexpr int kBlinkShown = 16;   // the cursor mark shows while the counter is below this
constexpr double kChatX = 15, kChatHistoryBaseY = 675, kChatLineStep = 15;
constexpr double kRosterFirstY = 200, kRosterStep = 25;
constexpr double kTutorialTextX = 220, kTutorialTextY = 600, kTutorialLineStep = 15;
constexpr double kTutorialCircleZ = 0.002;

constexpr TRGB kPlainTeam1{255, 0, 0};
constexpr TRGB kPlainTeam2{0, 0, 255};

// The general floating-point format with the system's decimal separator.
std::string numberText(double v) {
    return utf8ToCp1252(QLocale::system().toString(v, 'g', 6).toStdString());
}

bool cameraPresetSelected(int p) { return p >= 1 && p <= kCameraPresets; }

// --- radar ---------------------------------------------------------------

TRGB radarTeamColour(int team) {
    if (settings.plainKits) return team == 1 ? kPlainTeam1 : kPlainTeam2;
    return ingamedata.shirtColour[team];
}

void radarDot(const TVec2& pitchPoint, const TRGB& fill, const TRGB& ring) {
    const TVec2 p = radarPoint(pitchPoint, cameraPresets.selectedCamera, cameraPresets.reversedAngle);
    drawTintedSprite("s2", fill, p.x, p.y);
    drawTintedSprite("s1", ring, p.x, p.y);
}

void radarPlayers() {
    for (int team = 1; team <= kTeams; ++team)
        for (int slot = 1; slot <= rosterSlots(); ++slot) {
            if (!slotUsed(team, slot)) continue;
            const bool own = ingamedata.playerName(team, slot) == ownData.username;
            radarDot(ingamedata.playerPos(team, slot), radarTeamColour(team), own ? kYellow : kBlack);
        }
}

void radarKeepers() {
    if (practiceWorld.stage != 0) return;
    // Each keeper wears the colour of the team defending his goal.
    const bool swapped = ingamedata.kickoffTeam != 1;
    for (int k = 1; k <= kTeams; ++k) {
        const int team = swapped ? kTeams + 1 - k : k;
        radarDot(ingamedata.keeperPos[k], radarTeamColour(team), kBlack);
    }
}

void radarBall() {
    if (!practiceWorld.ballLive) return;
    const TVec2 p = radarPoint(ingamedata.ballPos, cameraPresets.selectedCamera, cameraPresets.reversedAngle);
    drawSprite("s3", p.x, p.y);
}

// --- chat ----------------------------------------------------------------

// A history line of a kind without an in-game colour (never sent by the
// client) is still shown, in white.
TRGB chatColour(int kind) {
    return kind >= 1 && kind <= settings.ingameColors.size() ? settings.ingameColors[kind] : kWhite;
}

void chatInputBox(std::string_view box, double y, const std::string& typed, bool withCursor) {
    drawSprite(box, kTargetBoxX, y);
    drawShadowText(kChatX, y, withCursor ? typed + "|" : typed, kWhite);
}

// --- debug lines -----------------------------------------------------------

void cameraEditorLines(std::vector<THudText>& out) {
    const int p = cameraPresets.selectedCamera;
    if (!cameraEditor || !cameraPresetSelected(p)) return;
    const bool along = p <= 2;  // presets 1 and 2 tune along y, 3 and 4 along x
    const TFloat3& eye = cameraPresets.eye[p];
    const TFloat3& lookAt = cameraPresets.lookAt[p];
    // The same screen shape the camera uses (1024 x 768 until a resolution is configured).
    const double w = settings.resolutionWidth > 0 ? settings.resolutionWidth : kVirtualWidth;
    const double h = settings.resolutionHeight > 0 ? settings.resolutionHeight : kVirtualHeight;
    const std::array<std::string, 5> texts = {
        "Q- A+  eye       " + numberText(along ? eye.y : eye.x),
        "W- S+  lookAt   " + numberText(along ? lookAt.y : lookAt.x),
        "E- R+  FOV       " + numberText(cameraPresets.fov[p]),
        "D- F+  aspect   " + numberText(w / h + cameraPresets.aspect[p]),
        "scroll altitude    " + numberText(eye.z),
    };
    for (std::size_t i = 0; i < texts.size(); ++i) out.push_back({500, 50 + 20.0 * double(i), texts[i]});
}

// The practice player in practice, else the user's own slot; false for a spectator.
bool ownPlayerPos(TVec2* pos) {
    if (ingamedata.practice) {
        *pos = practiceWorld.playerPos;
        return true;
    }
    const TSlot own = ownSlot();
    if (own.team == 0) return false;
    *pos = ingamedata.playerPos(own.team, own.slot);
    return true;
}

void mouseLines(std::vector<THudText>& out) {
    if (!debugMode) return;
    out.push_back({500, 170, "mouseX " + numberText(ingamedata.mouseTarget.x)});
    out.push_back({500, 190, "mouseY " + numberText(ingamedata.mouseTarget.y)});
    TVec2 own;
    if (ownPlayerPos(&own)) out.push_back({500, 210, "distance " + numberText(distance(own, ingamedata.mouseTarget))});
}

// --- screens -------------------------------------------------------------

void panel() {
    gfx().setSampler(Sampler::Anisotropic);
    drawSprite("panel1", kPanelX, kPanelY);
}

struct TRosterColumn {
    double flagX, readyX, nameX;
};
constexpr TRosterColumn kRosterColumns[kTeams] = {{220, 250, 280}, {600, 630, 660}};

void rosterMarks(int team) {
    const TRosterColumn& c = kRosterColumns[team - 1];
    const std::vector<int> rows = rosterRows(team);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const double y = kRosterFirstY + kRosterStep * double(r);
        if (ingamedata.playerReady(team, rows[r])) drawSprite("readySign", c.readyX, y);
        drawFlag(ingamedata.playerCountry(team, rows[r]), c.flagX, y + 3);
    }
}

void rosterNames(int team) {
    const TRosterColumn& c = kRosterColumns[team - 1];
    const std::vector<int> rows = rosterRows(team);
    for (std::size_t r = 0; r < rows.size(); ++r)
        drawText(c.nameX, kRosterFirstY + kRosterStep * double(r), ingamedata.playerName(team, rows[r]).view(), kWhite);
}

void leaveButton() { hudButton(kLeaveX, kButtonY, "quit", "quith"); }
void changeButton() { hudButton(kChangeX, kButtonY, "change", "changeh"); }

constexpr const char* kStatLabels[] = {"Shots total", "Shots on goal", "Offsides", "Throw ins",
                                       "Goal kicks",  "Corner kicks",  "Possession"};
constexpr double kStatFirstY = 300, kStatStep = 20;
constexpr double kStatLabelX = 490;
constexpr double kStatValueX[kTeams] = {350, 650};

long long possessionSum(int team) {
    long long s = 0;
    for (std::int32_t c : ingamedata.possessionCounts[team]) s += c;
    return s;
}

// --- tutorial ----------------------------------------------------------------

void tutorialCircle(int stage) {
    const int target = practiceWorld.stageTarget;
    if (target < 1 || target > 4) return;
    const TVec2 c = tutorialTarget(target);
    const double h = tutorialCircleHalfSize(stage);
    groundQuad("tutCircle", c.x - h, c.y - h, c.x + h, c.y + h, kTutorialCircleZ);
}

void tutorialLines(int stage) {
    const std::vector<std::string>& lines = tutorialStepLines(stage);
    for (std::size_t i = 0; i < lines.size(); ++i)
        drawText(kTutorialTextX, kTutorialTextY + kTutorialLineStep * double(i), lines[i], kWhite);
}

void tutorialDoneTexts(int stage) {
    const std::vector<std::string> lines = tutorialDoneLines(stage);
    if (stage == kLastTutorialStage) {
        for (std::size_t i = 0; i < lines.size(); ++i) drawText(300, 200 + 15.0 * double(i), lines[i], kWhite);
        return;
    }
    hudButton(kReadyX, kButtonY, "next", "nexth");
    if (!lines.empty()) drawText(400, 200, lines.front(), kWhite);
}

}  // namespace

void renderScreenScenery() {
    renderGrass();
    renderAdboardShadows();
    renderBenchShadows();
    renderBenches();
    renderAdboards();
    renderStadium();
}

void renderScoreBoard() {
    if (ingamedata.practice) return;
    drawSprite("scoreBoard", 10, 10);
    drawShadowText(20, 20, clockText(ingamedata.matchMinute, ingamedata.half), kWhite);
    drawShadowText(125, 20, std::to_string(ingamedata.score[0]), kWhite);
    drawShadowText(132, 20, ":", kWhite);
    drawShadowText(138, 20, std::to_string(ingamedata.score[1]), kWhite);
    drawShadowText(73, 20, shortNameText(ingamedata.teamShortName[1].view()), kWhite);
    drawShadowText(173, 20, shortNameText(ingamedata.teamShortName[2].view()), kWhite);
}

void renderPowerBar() {
    gfx().setSampler(Sampler::Anisotropic);
    drawSprite("powerback", 437, 710);
    const std::int16_t filled = std::min(ingamedata.powerBar, kPowerBarFull);
    if (filled > 0) drawSpriteSized("power", 437, 710, filled, textureHeight("power"));
}

void renderRadar() {
    if (settings.hideRadar) return;
    const int p = cameraPresets.selectedCamera;
    drawSprite(p == 3 || p == 4 ? "smallfield2" : "smallfield", 18, 73);
    radarPlayers();
    radarKeepers();
    radarBall();
}

void renderMenu() {
    if (!ingamedata.menuOpen) return;
    drawSprite("panel1", kPanelX, kPanelY);
    leaveButton();
    if (ingamedata.viewMode == 1) changeButton();
}

void renderChatOverlay() {
    if (settings.hideChat) return;
    TIngameChat& chat = ingameChat;
    chat.blink = chat.blink >= kBlinkPeriod ? 0 : static_cast<std::uint8_t>(chat.blink + 1);
    const bool cursorOn = chat.blink < kBlinkShown;
    if (chat.targetVisible) chatInputBox("editSmall", kTargetBoxY, chat.target, cursorOn && chat.inputMode == 1);
    if (chat.inputOpen) chatInputBox("editBig", kTextBoxY, chat.text, cursorOn && chat.inputMode == 2);
    for (int i = 1; i <= kChatHistory; ++i) {
        const TChatEntry& e = chat.history[static_cast<std::size_t>(i - 1)];
        if (e.text.empty()) continue;
        drawShadowText(kChatX, kChatHistoryBaseY - kChatLineStep * i, historyLineText(e), chatColour(e.kind));
    }
}

void renderMessages() {
    if (ingamedata.goalMessageFrames > 0) {
        --ingamedata.goalMessageFrames;
        drawShadowText(15, 470, ingamedata.goalMessage, kWhite);
    }
    if (ingamedata.infoMessageFrames > 0) {
        --ingamedata.infoMessageFrames;
        drawShadowText(15, 485, ingamedata.infoMessage, kWhite);
    }
}

void renderCursor() {
    gfx().setSampler(Sampler::Point);
    drawSprite("cursor", ingamedata.mouseScreenX - 14.5, ingamedata.mouseScreenY - 14.5);
}

std::vector<THudText> debugLines(int fps) {
    std::vector<THudText> out;
    cameraEditorLines(out);
    mouseLines(out);
    if (settings.showFps) out.push_back({50, 10, "FPS: " + std::to_string(fps)});
    return out;
}

void renderDebugLines(int fps) {
    for (const THudText& line : debugLines(fps)) drawText(line.x, line.y, line.text, kWhite);
}

void renderWaitingScreen() {
    renderScreenScenery();
    panel();
    for (int team = 1; team <= kTeams; ++team) rosterMarks(team);
    if (ingamedata.viewMode != 3) {
        leaveButton();
        hudButton(kReadyX, kButtonY, "ready", "readyh");
    }
    if (ingamedata.viewMode == 1) changeButton();
    for (int team = 1; team <= kTeams; ++team) rosterNames(team);
}

void renderStatsScreen() {
    renderScreenScenery();
    panel();
    const std::array<int, 2> share = possessionShare(possessionSum(1), possessionSum(2));
    for (std::size_t row = 0; row < std::size(kStatLabels); ++row) {
        const double y = kStatFirstY + kStatStep * double(row);
        drawText(kStatLabelX, y, kStatLabels[row], kWhite);
        for (int team = 1; team <= kTeams; ++team) {
            const int value = row < 6 ? ingamedata.matchStats[team][row] : share[static_cast<std::size_t>(team - 1)];
            drawText(kStatValueX[team - 1], y, std::to_string(value), kWhite);
        }
    }
}

void renderTutorialStep() {
    if (practiceWorld.stageDone) return;
    const int stage = practiceWorld.stage;
    if (stage < kFirstTutorialStage || stage > kLastTutorialStage) return;
    if (stage == kLastTutorialStage) renderWallFigures();
    else tutorialCircle(stage);
    tutorialLines(stage);
}

void renderTutorialDone() {
    ingamedata.menuOpen = false;
    // The camera and the player's shadow centre on the pitch while the screen shows.
    ingamedata.playerPos(1, 1) = {0, 0};
    renderGrass();
    panel();
    hudButton(kLeaveX, kButtonY, "quit", "quith");
    hudButton(kChangeX, kButtonY, "tryAgain", "tryAgainh");
    tutorialDoneTexts(practiceWorld.stage);
}

}  // namespace kf
