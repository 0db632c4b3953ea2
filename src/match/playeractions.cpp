#include "playeractions.h"

#include <algorithm>
#include <cmath>

#include "goalkeeper.h"
#include "practiceworld.h"
#include "tuning.h"
#include "vec2.h"

namespace kf {

TKickTables kickTables;

void initKickTables() {
    kickTables.kickClimb = {{
        {0.036, 0.034, 0.032, 0.030, 0.028, 0.026, 0.024, 0.022, 0.020, 0.018, 0.016, 0.014},
        {0.034, 0.032, 0.030, 0.028, 0.026, 0.024, 0.022, 0.020, 0.018, 0.016, 0.014, 0.012},
        {0.032, 0.030, 0.028, 0.026, 0.024, 0.022, 0.020, 0.018, 0.016, 0.014, 0.012, 0.010},
        {0.026, 0.024, 0.022, 0.020, 0.018, 0.016, 0.014, 0.012, 0.010, 0, 0, 0},
        {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
    }};
    kickTables.kickSpeedCut = {{
        {0.032, 0.031, 0.030, 0.029, 0.028, 0.027, 0.026, 0.027, 0.028, 0.029, 0.030, 0.031},
        {0.030, 0.029, 0.028, 0.027, 0.026, 0.025, 0.024, 0.025, 0.026, 0.027, 0.028, 0.029},
        {0.028, 0.027, 0.026, 0.025, 0.024, 0.023, 0.022, 0.023, 0.024, 0.025, 0.026, 0.027},
        {0.022, 0.021, 0.020, 0.019, 0.018, 0.017, 0.016, 0.017, 0.018, 0.019, 0.020, 0.021},
        {0.015, 0.015, 0.015, 0.015, 0.015, 0.015, 0.015, 0.015, 0.015, 0.015, 0.015, 0.015},
    }};
}

int kickDistanceBand(double d) {
    static constexpr double bounds[kDistanceBands - 1] = {0.23, 0.46, 0.69, 0.92, 1.15, 1.38,
                                                          1.61, 1.84, 2.07, 2.3,  2.53};
    for (int i = 0; i < kDistanceBands - 1; ++i)
        if (d <= bounds[i]) return i;
    return kDistanceBands - 1;
}

int kickPowerBand(double a) {
    if (a >= 16) return 0;
    if (a >= 14) return 1;
    if (a >= 12) return 2;
    if (a >= 10) return 3;
    return 4;
}

namespace {

TPracticeWorld& W() { return practiceWorld; }

constexpr double kKickReachHeight = 0.2;  // ground pass: highest ball the foot reaches
constexpr double kCooldownReach = 0.06;   // a touch this close blocks the next one

double ballDistance() { return distance(W().playerPos, W().ballPos); }
double targetDistance() { return distance(W().playerPos, W().target); }
bool ballWithin(double reach) { return ballDistance() < reach; }
bool sliding() { return W().slideFrames > 0; }
bool jumping() { return W().jumpFrames > 0; }

// Relative bearing of the target with 180 meaning straight ahead, in [0, 360).
double relativeTargetBearing() {
    double rel = std::fmod(W().targetBearing + (180 - W().playerDir), 360.0);
    if (rel < 0) rel += 360;
    return rel;
}

void moveAlongDir(double dir, double speed) {
    W().playerPos.x += std::cos(dir * degToRad) * speed;
    W().playerPos.y += std::sin(dir * degToRad) * speed;
}

// Passes and headers get faster in steps of 0.5 target distance: 0 for d <= 0.5 ... 5 for d > 2.5.
int distanceStep(double d) {
    int k = 0;
    for (double bound : {0.5, 1.0, 1.5, 2.0, 2.5})
        if (d > bound) ++k;
    return k;
}

constexpr double kHeaderSpeeds[6] = {0.02, 0.024, 0.028, 0.032, 0.036, 0.04};

}  // namespace

void touchBall() {
    TPracticeWorld& w = W();
    w.keeperReactFrames = w.keeperWaitFrames > 0 ? 20 : 30;
    if (ballWithin(kCooldownReach)) w.touchCooldown = 25;
    w.keeperRunning = 0;
}

void updateTargetBearing() { W().targetBearing = bearing(W().playerPos, W().target); }

void chargePower() {
    if (W().holdLeft) W().power = static_cast<std::int16_t>(std::min(W().power + 4, 150));
}

void loftBall(double d) {
    TPracticeWorld& w = W();
    const double a = w.power / 15.0 + 7;
    const int band = kickPowerBand(a);
    const int column = kickDistanceBand(d);
    w.ballSpeed = a / 200;
    w.ballClimb = kickTables.kickClimb[band][column];
    w.ballSpeed -= kickTables.kickSpeedCut[band][column];
    w.ballDir = w.targetBearing;
    touchBall();
    keeperShotReaction();
}

void loftedKick() {
    const TPracticeWorld& w = W();
    if (!w.ballLive || w.stage == 3 || w.stage == 5 || keeperHoldsBall()) return;
    if (w.holdLeft || w.power == 0 || w.touchCooldown > 0 || sliding() || jumping()) return;
    if (w.ballHeight > tuning.kickMaxHeight[kPracticeLevel] || !ballWithin(tuning.kickReach)) return;
    loftBall(targetDistance());
}

void groundPass() {
    TPracticeWorld& w = W();
    if (!w.ballLive || w.stage == 2 || w.stage == 4 || w.stage == 7 || keeperHoldsBall()) return;
    if (!w.holdRight || w.touchCooldown > 0 || sliding() || jumping()) return;
    if (w.ballHeight > kKickReachHeight || !ballWithin(tuning.kickReach)) return;
    w.ballSpeed = tuning.groundPassSpeed[distanceStep(targetDistance())];
    w.ballClimb = 0;
    w.ballDir = w.targetBearing;
    if (w.ballHeight > 0) w.ballSpeed *= 0.75;
    touchBall();
    keeperShotReaction();
}

bool slideAllowed(int stage) { return stage == 0 || stage == 6; }

void slideTackle() {
    TPracticeWorld& w = W();
    if (!slideAllowed(w.stage)) return;
    if (w.slideFrames == 0 && w.jumpFrames == 0 && w.holdTackle) {
        w.slideFrames = 80;
        w.playerDir = w.targetBearing;
        w.playerSpeed += tuning.slideBoost[kPracticeLevel];
    }
    if (w.ballHeight < 0.1 && !keeperHoldsBall() && w.jumpFrames == 0 && sliding() &&
        w.touchCooldown == 0 && ballWithin(tuning.slideReach[kPracticeLevel])) {
        w.ballSpeed = w.playerSpeed + 0.01;
        w.ballDir = w.playerDir;
        touchBall();
    }
    if (sliding()) {
        w.playerSpeed = std::max(0.0, w.playerSpeed - 0.0005);
        w.playerTurn = 0;
        moveAlongDir(w.playerDir, w.playerSpeed);
        --w.slideFrames;
    }
}

void jumpAndHeader() {
    TPracticeWorld& w = W();
    if (w.slideFrames == 0 && w.holdJump && w.jumpFrames == 0) {
        w.jumpFrames = 50;
        w.playerDir = w.targetBearing;
    }
    if (!keeperHoldsBall() && w.ballHeight >= 0.05 && jumping() && w.touchCooldown == 0 &&
        w.ballHeight < 1.5 * tuning.kickMaxHeight[kPracticeLevel] && ballWithin(tuning.headerReach)) {
        w.ballSpeed = kHeaderSpeeds[distanceStep(targetDistance())];
        w.ballClimb = 0;
        w.ballDir = w.targetBearing;
        touchBall();
    }
    if (jumping()) {
        w.playerSpeed = std::max(0.0, w.playerSpeed - 0.00025);
        if (w.playerSpeed > 0) {
            w.playerTurn = 0;
            moveAlongDir(w.playerDir, w.playerSpeed);
        }
        --w.jumpFrames;
    }
}

namespace {

double runAcceleration(double d) {
    if (d <= 0.14) return 0;
    if (d <= 0.19) return 0.0004;
    if (d <= 0.24) return 0.0006;
    return 0.001;
}

// Arrival braking: the nearer the target, the lower the top speed.
void brakeForArrival(double d) {
    static constexpr struct { double below, cap; } caps[] = {
        {0.1, 0.004}, {0.18, 0.006}, {0.26, 0.008}, {0.34, 0.01}, {0.42, 0.012}, {0.5, 0.014}, {0.58, 0.016},
    };
    for (const auto& c : caps) {
        if (d < c.below) {
            W().playerSpeed = std::min(W().playerSpeed, c.cap);
            return;
        }
    }
}

void turnTowardsTarget() {
    TPracticeWorld& w = W();
    const double step = tuning.turnStep;
    const double rel = relativeTargetBearing();
    if (rel < 67 || rel > 293) {
        w.playerSpeed -= 0.003;  // target far behind: brake instead of turning
        return;
    }
    if (180 - step <= rel && rel <= 180 + step) {
        w.playerDir = w.targetBearing;
        w.playerTurn = 0;
    } else if (rel < 180 - step) {
        w.playerDir -= step;
        w.playerTurn = -6;
    } else {
        w.playerDir += step;
        w.playerTurn = 6;
    }
    if (w.playerDir > 360) w.playerDir -= 360;
    if (w.playerDir < 0) w.playerDir += 360;
}

void accelerateAndTurn() {
    TPracticeWorld& w = W();
    const double d = distance(w.target, w.playerPos);
    const double acc = runAcceleration(d);
    if (acc > 0) {
        w.playerSpeed += acc;
        turnTowardsTarget();
    } else {
        w.playerSpeed -= 0.0015;
    }
    brakeForArrival(d);
    w.playerSpeed = std::min(w.playerSpeed, tuning.runSpeed[kPracticeLevel]);
    if (w.playerSpeed <= 0) w.playerSpeed = 0;
}

bool playerFrozenByStage(int stage) { return (stage >= 2 && stage <= 5) || stage == 7; }

}  // namespace

void runPlayer() {
    TPracticeWorld& w = W();
    if (w.stageDone) return;
    if (!sliding() && !jumping() && !w.holdLeft && !w.holdRight && !w.holdTackle) accelerateAndTurn();
    if (playerFrozenByStage(w.stage)) w.playerSpeed = 0;
    if (!sliding() && !jumping()) {
        moveAlongDir(w.playerDir, w.playerSpeed);
        if (w.playerSpeed <= 0) w.playerDir = w.targetBearing;
    }
    w.playerPos.x = std::clamp(w.playerPos.x, -5.7, 5.7);
    w.playerPos.y = std::clamp(w.playerPos.y, -8.0, 8.0);
}

void dribble() {
    TPracticeWorld& w = W();
    if (!w.ballLive || w.ballHeight > 0.15 || keeperHoldsBall() || sliding() || jumping()) return;
    if (w.touchCooldown > 0 || !ballWithin(tuning.trapReach)) return;
    w.ballPos = w.playerPos;
    w.ballSpeed = w.playerSpeed;
    w.ballDir = w.playerDir;
    w.playerSpeed = std::min(w.playerSpeed, tuning.runSpeed[kPracticeLevel] - 0.002);
    w.ballPos.x += std::cos(w.ballDir * degToRad) * w.ballSpeed * 3.25;
    w.ballPos.y += std::sin(w.ballDir * degToRad) * w.ballSpeed * 3.25;
    w.keeperRunning = 0;
}

std::uint8_t motionState() {
    if (sliding()) return 2;
    if (jumping()) return relativeTargetBearing() > 180 ? 4 : 5;
    return W().playerSpeed > 0 ? 1 : 0;
}

}  // namespace kf
