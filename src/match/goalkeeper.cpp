#include "goalkeeper.h"

#include <algorithm>
#include <cmath>

#include "pitch.h"
#include "practiceworld.h"
#include "random.h"

namespace kf {

TShotForecast shotForecast;

namespace {

TPracticeWorld& W() { return practiceWorld; }

constexpr double kKeeperAccel = 0.0012;
constexpr double kKeeperTopSpeed = 0.02;
constexpr double kArrived = 0.018;
// A forecast that never ends (it always does: every frame costs the ball
// speed) is cut off after this many frames rather than hanging the game.
constexpr int kForecastFrameLimit = 20000;

bool diving(int k) { return W().keeperDiveFrames[k] > 0; }
bool anyoneDiving() { return diving(1) || diving(2); }
double ballToKeeper(int k) { return distance(W().ballPos, W().keeperPos[k]); }
bool beyondGoalLine(const TVec2& p) { return p.y < pitch.goalLineNeg || p.y > pitch.goalLinePos; }
// Keeper 1 defends the goal at -y (balls travelling with a direction >= 180).
bool ballTowardsGoal(int k) { return k == 1 ? W().ballDir >= 180 : W().ballDir <= 180; }

void moveKeeper(int k) {
    W().keeperPos[k].x += std::cos(W().keeperDir[k] * degToRad) * W().keeperSpeed[k];
    W().keeperPos[k].y += std::sin(W().keeperDir[k] * degToRad) * W().keeperSpeed[k];
}

void runKeeperTowards(int k, const TVec2& to) {
    W().keeperSpeed[k] = std::min(W().keeperSpeed[k] + kKeeperAccel, kKeeperTopSpeed);
    W().keeperDir[k] = bearing(W().keeperPos[k], to);
    moveKeeper(k);
    W().keeperAction[k] = kaRunning;
}

void upkeep() {
    TPracticeWorld& w = W();
    if (w.ballResetFrames > 0)
        for (int k = 1; k <= 2; ++k)
            if (!diving(k)) w.keeperAction[k] = kaStanding;
    if (w.keeperReactFrames > 0) --w.keeperReactFrames;
    if (w.keeperWaitFrames > 0) --w.keeperWaitFrames;
}

void runToGoalLine() {
    TPracticeWorld& w = W();
    const int k = w.keeperRunning;
    if (k != 1 && k != 2) return;
    if (ballToKeeper(k) > 1.0) return;
    if (distance(w.keeperPos[k], w.keeperRunTo) > kArrived) {
        runKeeperTowards(k, w.keeperRunTo);
    } else {
        w.keeperDir[k] = bearing(w.keeperPos[k], w.ballPos);
        w.keeperSpeed[k] = 0;
        w.keeperAction[k] = kaStanding;
        w.keeperPos[k] = w.keeperRunTo;
    }
}

// --- save decision -------------------------------------------------------

bool tooSlowToSave() { return W().keeperWaitFrames == 0 && W().ballSpeed < 0.03; }

bool saveAtKeeper(int k, bool high) {
    TPracticeWorld& w = W();
    if (tooSlowToSave()) return false;
    const double reach = w.ballSpeed > 0.05 ? 0.7 : 0.35;
    if (w.keeperWaitFrames == 0 && ballToKeeper(k) > reach) return false;
    if (high) {
        w.keeperAction[k] = kaHighAtKeeper;
        w.keeperDiveFrames[k] = 52;
    } else {
        const bool towardsPlusX = shotForecast.keeperLine.x >= w.keeperPos[k].x;
        // Right is +x for keeper 1 (facing +y) and -x for keeper 2.
        const bool right = towardsPlusX == (k == 1);
        w.keeperAction[k] = right ? kaBlockRight : kaBlockLeft;
        w.keeperDir[k] = towardsPlusX ? 0 : 180;
        w.keeperDiveFrames[k] = 85;
    }
    w.keeperSpeed[k] = 0;
    return true;
}

bool dive(int k) {
    TPracticeWorld& w = W();
    if (tooSlowToSave()) return false;
    if (w.keeperWaitFrames == 0 && ballToKeeper(k) > 0.25) return false;
    const bool high = w.ballHeight > 0.133;
    const bool towardsPlusX = !(shotForecast.keeperLine.x < w.keeperPos[k].x);
    const bool right = towardsPlusX == (k == 1);
    w.keeperDir[k] = towardsPlusX ? 0 : 180;
    if (right) {
        w.keeperAction[k] = high ? kaHighDiveRight : kaLowDiveRight;
    } else {
        w.keeperAction[k] = high ? kaHighDiveLeft : kaLowDiveLeft;
    }
    w.keeperSpeed[k] = 0.02;
    w.keeperDiveFrames[k] = 100;
    return true;
}

void saveDecision() {
    TPracticeWorld& w = W();
    if (w.keeperReactFrames != 0 || w.keeperRunning != 0 || anyoneDiving()) return;
    const int k = w.ballPos.y > 0 ? 2 : 1;
    if (!ballTowardsGoal(k)) return;
    forecastShot();
    const TShotForecast& f = shotForecast;
    if (f.keeperLine.y == 0 || f.pos.x < -0.65 || f.pos.x > 0.65) return;
    if (f.height > pitch.crossbarHeight + 0.04) return;
    if (f.nearKeeper && saveAtKeeper(k, w.ballHeight > 0.2)) return;
    dive(k);
}

// --- dive in progress ----------------------------------------------------

bool isDive(int action) {
    return action == kaLowDiveRight || action == kaLowDiveLeft || action == kaHighDiveRight ||
           action == kaHighDiveLeft;
}

void parry(int k) {
    TPracticeWorld& w = W();
    const int r = randomInt(45);
    const bool towardsPlusX = w.keeperDir[k] < 90;
    double dir;
    if (k == 1) {
        dir = towardsPlusX ? 22.5 - r : 157.5 + r;
    } else {
        dir = towardsPlusX ? 337.5 + r : 202.5 - r;
    }
    if (dir < 0) dir += 360;
    if (dir > 360) dir -= 360;
    w.ballDir = dir;
    w.keeperCooldown[k] = 25;
}

// Turns the action into its catching variant; returns whether the catch applies.
bool catchBall(int k) {
    TPracticeWorld& w = W();
    std::uint8_t& a = w.keeperAction[k];
    bool caught = false;
    if (w.ballSpeed <= 0.025) {
        if (a == kaHighAtKeeper) a = kaHighCaught;
        if (a == kaLowDiveRight || a == kaHighDiveRight) a = kaDiveRightCaught;
        if (a == kaLowDiveLeft || a == kaHighDiveLeft) a = kaDiveLeftCaught;
        if (a == kaDiveRightCaught || a == kaDiveLeftCaught) w.keeperDiveFrames[k] += 90;
        caught = true;
    }
    // A block always ends with the ball in the hands, whatever its speed; the
    // block keeps its own 85 frames (the extension above is tested before the
    // block turns into its caught code).
    if (a == kaBlockRight) { a = kaBlockRightCaught; caught = true; }
    if (a == kaBlockLeft) { a = kaBlockLeftCaught; caught = true; }
    if (caught) {
        w.keeperCatch[k] = 100;
        w.keeperCooldown[k] = 25;
    }
    return caught;
}

void diveContact(int k) {
    TPracticeWorld& w = W();
    if (w.ballResetFrames > 0 || ballToKeeper(k) >= 0.103) return;
    if (w.ballHeight > pitch.crossbarHeight + 0.04 || !ballTowardsGoal(k)) return;
    if (w.keeperCooldown[k] > 0 || w.keeperCatch[k] != 0) return;
    w.ballSpeed *= 0.5;
    if (w.ballSpeed > 0.025 && isDive(w.keeperAction[k])) {
        parry(k);
        return;
    }
    if (catchBall(k)) return;
    if (w.ballSpeed > 0.025 && w.keeperAction[k] == kaHighAtKeeper) {
        w.ballClimb = 0.02;  // punched up and away
        w.keeperCooldown[k] = 25;
    }
}

void diveInProgress() {
    TPracticeWorld& w = W();
    const int k = diving(2) ? 2 : (diving(1) ? 1 : 0);
    if (k == 0) return;
    w.keeperSpeed[k] = std::max(0.0, w.keeperSpeed[k] - 0.0005);
    if (w.keeperCatch[k] > 0) {
        w.ballSpeed = 0;
        w.ballPos = w.keeperPos[k];
    }
    if (--w.keeperDiveFrames[k] == 0) {
        w.keeperCatch[k] = 0;
        return;
    }
    moveKeeper(k);
    diveContact(k);
}

// --- positioning ---------------------------------------------------------

bool looseBallInBox(int k) {
    const TPracticeWorld& w = W();
    const TVec2& b = w.ballPos;
    if (w.ballSpeed >= 0.01 || w.keeperWaitFrames != 0 || beyondGoalLine(b)) return false;
    if (!(pitch.boxSideNeg < b.x && b.x < pitch.boxSidePos)) return false;
    const bool inArea = k == 1 ? b.y < pitch.boxLineNeg : b.y > pitch.boxLinePos;
    return inArea && ballToKeeper(k) < distance(w.playerPos, b);
}

bool ballNearGoalMouth(int k) {
    const TPracticeWorld& w = W();
    const TVec2& b = w.ballPos;
    if (w.ballSpeed >= 0.2 || w.keeperWaitFrames != 0 || beyondGoalLine(b)) return false;
    if (!(-0.8 < b.x && b.x < 0.8)) return false;
    return k == 1 ? b.y < pitch.goalLineNeg + 0.82 : b.y > pitch.goalLinePos - 0.82;
}

TVec2 positionSpot(int k) {
    const TPracticeWorld& w = W();
    const TVec2 g{0, k == 1 ? pitch.goalLineNeg : pitch.goalLinePos};
    const double a = bearing(g, w.ballPos) * degToRad;
    TVec2 spot{0.3 * std::cos(a), g.y + 0.2 * std::sin(a)};
    if (w.keeperWaitFrames > 0) spot.x = 0;
    if (w.ballPos.y > 0) spot.y = std::min(spot.y, pitch.goalLinePos - 0.01);
    if (w.ballPos.y < 0) spot.y = std::max(spot.y, pitch.goalLineNeg + 0.01);
    return spot;
}

std::uint8_t stepAction(double rel) {
    if (rel < 45 || rel >= 315) return kaStepBackward;
    if (rel < 135) return kaSideStepA;
    if (rel < 225) return kaStepForward;
    return kaSideStepB;
}

void takePosition(int k) {
    TPracticeWorld& w = W();
    const TVec2 spot = positionSpot(k);
    const double left = distance(w.keeperPos[k], spot);
    if (left >= kArrived) {
        runKeeperTowards(k, spot);
        return;
    }
    const double stepDir = bearing(w.keeperPos[k], spot);
    w.keeperDir[k] = bearing(w.keeperPos[k], w.ballPos);
    w.keeperSpeed[k] = left;
    w.keeperPos[k] = spot;
    double rel = std::fmod(stepDir + 180 - w.keeperDir[k], 360.0);
    if (rel < 0) rel += 360;
    w.keeperAction[k] = stepAction(rel);
}

void positioning() {
    const TPracticeWorld& w = W();
    if (w.keeperRunning != 0 || w.ballResetFrames != 0 || anyoneDiving() || keeperHoldsBall()) return;
    for (int k = 1; k <= 2; ++k) {
        if (looseBallInBox(k) || ballNearGoalMouth(k)) {
            runKeeperTowards(k, w.ballPos);
        } else {
            takePosition(k);
        }
    }
}

// --- pick-up and hold ----------------------------------------------------

void pickUp(int k) {
    TPracticeWorld& w = W();
    w.keeperSpeed[k] = 0;
    w.ballSpeed = 0;
    w.keeperPickup[k] = 100;
    w.keeperAction[k] = kaHolding;
    w.keeperRunning = 0;
    w.ballPos.x = w.keeperPos[k].x;
    w.ballPos.y = w.keeperPos[k].y + (k == 1 ? 0.05 : -0.05);
    w.keeperDir[k] = k == 1 ? 90 : 270;
}

void pickUpAndHold() {
    TPracticeWorld& w = W();
    if (w.ballResetFrames > 0 || anyoneDiving()) return;
    if (!keeperHoldsBall() && w.ballHeight < pitch.crossbarHeight) {
        for (int k = 1; k <= 2; ++k) {
            if (w.keeperCooldown[k] <= 0 && ballToKeeper(k) < 0.08) {
                pickUp(k);
                break;
            }
        }
    }
    for (int k = 1; k <= 2; ++k) {
        if (w.keeperPickup[k] == 0) continue;
        if (--w.keeperPickup[k] == 0) w.ballPos = w.playerPos;  // the practice gives the ball back
    }
}

}  // namespace

bool keeperHoldsBall() { return W().keeperPickup[1] != 0 || W().keeperPickup[2] != 0; }

void forecastShot() {
    const TPracticeWorld& w = W();
    TShotForecast& f = shotForecast;
    static_cast<TBallState&>(f) = practiceBall();
    f.nearKeeper = false;
    f.keeperLine = {};
    bool keeperLineSet = false;
    // Without contacts the direction never changes along the forecast.
    const double c = std::cos(f.dir * degToRad), s = std::sin(f.dir * degToRad);
    for (int frame = 0; frame < kForecastFrameLimit; ++frame) {
        const int n = ballStepCount(f);
        for (int i = 0; i < n; ++i) ballSubStep(f, n, c, s);
        const bool beyond = beyondGoalLine(f.pos);
        if (!keeperLineSet && (f.pos.y < w.keeperPos[1].y || f.pos.y > w.keeperPos[2].y)) {
            f.keeperLine = f.pos;
            keeperLineSet = true;
        }
        if (!f.nearKeeper) {
            const int k = f.pos.y > 0 ? 2 : 1;
            f.nearKeeper = distance(f.pos, w.keeperPos[k]) < 0.09;
        }
        if (beyond || f.pos.x < pitch.sideLineNeg || f.pos.x > pitch.sideLinePos || f.speed <= 0) break;
    }
}

void keeperStep() {
    upkeep();
    runToGoalLine();
    saveDecision();
    diveInProgress();
    positioning();
    pickUpAndHold();
}

void keeperShotReaction() {
    const TPracticeWorld& w = W();
    forecastShot();
    const TShotForecast& f = shotForecast;
    const bool fromMidfield = pitch.goalLineNeg + 4 < w.ballPos.y && w.ballPos.y < pitch.goalLinePos - 4;
    const bool slowAndDropping = f.speed < 0.04 && f.climb < -0.015;
    if (!fromMidfield && !slowAndDropping) return;
    if (!beyondGoalLine(f.pos) || !(pitch.postNeg < f.pos.x && f.pos.x < pitch.postPos)) return;
    TPracticeWorld& pw = practiceWorld;
    if (f.pos.y > 0) {
        pw.keeperRunning = 2;
        pw.keeperRunTo = {f.pos.x, pitch.goalLinePos - 0.01};
    } else {
        pw.keeperRunning = 1;
        pw.keeperRunTo = {f.pos.x, pitch.goalLineNeg + 0.01};
    }
}

}  // namespace kf
