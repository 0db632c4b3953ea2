#include "practice.h"

#include <cmath>

#include "animtriggers.h"
#include "ballphysics.h"
#include "goalkeeper.h"
#include "ingamedata.h"
#include "pitch.h"
#include "playeractions.h"
#include "practiceworld.h"
#include "random.h"
#include "tuning.h"

namespace kf {

namespace {

TPracticeWorld& W() { return practiceWorld; }

void returnBallToPlayer() { W().ballPos = W().playerPos; }

void nextTarget() {
    if (++W().stageTarget >= 5) W().stageDone = true;
}

// The wall of players in front of the goal in the last tutorial step.
void stageSevenWall() {
    TPracticeWorld& w = W();
    const TVec2& b = w.ballPos;
    if (-0.22 < b.x && b.x < 0.22 && -4.5 < b.y && b.y < -4.4 && w.ballHeight <= 0.22) {
        w.ballPos.y = -4.39;
        w.ballSpeed /= 3;
        w.ballDir = 360 - w.ballDir;
    }
}

bool ballInNegativeGoal() {
    const TPracticeWorld& w = W();
    const TVec2& b = w.ballPos;
    // A ball resting on the net's roof lies above the goal, not in it.
    return pitch.postNeg < b.x && b.x < pitch.postPos && pitch.netBackNeg < b.y && b.y < pitch.goalLineNeg &&
           w.ballHeight < pitch.crossbarHeight;
}

void tutorialCheck() {
    TPracticeWorld& w = W();
    if (w.stage == 7) {
        stageSevenWall();
        if (ballAtRest()) {
            if (ballInNegativeGoal()) w.stageDone = true;
            else returnBallToPlayer();
        }
        return;
    }
    if (w.stage < 1 || w.stage > 6 || w.stageDone || w.stageTarget < 1 || w.stageTarget > 4) return;
    const TVec2 area = tutorialTarget(w.stageTarget);
    const double toPlayer = distance(w.playerPos, area);
    const double toBall = distance(w.ballPos, area);
    bool reached = false;
    switch (w.stage) {
    case 1: reached = toPlayer < 0.2; break;
    case 2:
    case 3: reached = toBall < 0.2; break;
    case 4:
    case 5: reached = toBall < 0.4 && ballAtRest(); break;
    case 6: reached = toPlayer < 0.2 && w.slideFrames > 0; break;
    }
    if (reached) nextTarget();
    if (w.stage >= 2 && w.stage <= 5 && ballAtRest()) returnBallToPlayer();
}

void countDownTimers() {
    TPracticeWorld& w = W();
    if (w.touchCooldown > 0) --w.touchCooldown;
    if (w.ballResetFrames > 0 && --w.ballResetFrames == 0) returnBallToPlayer();
    for (int k = 1; k <= 2; ++k)
        if (w.keeperCooldown[k] > 0) --w.keeperCooldown[k];
}

void handOver() {
    const TPracticeWorld& w = W();
    TIngamedata& g = ingamedata;
    g.playerPos(1, 1) = w.playerPos;
    g.playerSpeed(1, 1) = w.playerSpeed;
    g.playerDir(1, 1) = w.playerDir;
    g.playerTurn(1, 1) = w.playerTurn;
    g.ballPos = w.ballPos;
    g.ballDir = w.ballDir;
    g.ballSpeed = w.ballSpeed;
    g.ballHeight = w.ballHeight;
    g.playerMotion(1, 1) = motionState();
    playerAnimTriggers(1, 1);
    g.keeperWithBall = 0;
    for (int k = 1; k <= 2; ++k) {
        g.keeperPos[k] = w.keeperPos[k];
        g.keeperDir[k] = w.keeperDir[k];
        g.keeperSpeed[k] = w.keeperSpeed[k];
        g.keeperAction[k] = w.keeperAction[k];
        keeperAnimTriggers(k);
    }
}

void clearKeeperStates() {
    TPracticeWorld& w = W();
    for (int k = 1; k <= 2; ++k) {
        w.keeperAction[k] = 0;
        w.keeperDiveFrames[k] = 0;
        w.keeperCatch[k] = 0;
        w.keeperPickup[k] = 0;
        w.keeperCooldown[k] = 0;
    }
}

void recallBall() {
    TPracticeWorld& w = W();
    w.ballResetFrames = 0;
    w.ballPos = w.playerPos;
    w.ballSpeed = 0;
    w.ballHeight = 0;
    w.ballClimb = 0;
    clearKeeperStates();
}

void callCorner() {
    TPracticeWorld& w = W();
    w.ballResetFrames = 0;
    w.keeperWaitFrames = 120;
    clearKeeperStates();
    w.keeperPos[1] = {0, pitch.goalLineNeg + 0.07};
    w.keeperPos[2] = {0, pitch.goalLinePos - 0.07};

    if (!w.cornerSide) {
        w.ballPos.x = pitch.sideLineNeg + 0.05;
        w.cornerSide = true;
    } else {
        w.ballPos.x = pitch.sideLinePos - 0.05;
        w.cornerSide = false;
    }
    w.ballPos.y = w.playerPos.y < 0 ? pitch.goalLineNeg + 0.05 : pitch.goalLinePos - 0.05;

    w.power = 150;
    w.ballHeight = 0;
    loftBall((randomInt(90) + 1) / 100.0);

    // A cross along the goal line into the pitch.
    const int s = randomInt(10);
    const bool left = w.ballPos.x < 0, low = w.ballPos.y < 0;
    if (left && low) w.ballDir = 3 + s;
    else if (!left && low) w.ballDir = 177 - s;
    else if (left && !low) w.ballDir = 357 - s;
    else w.ballDir = 183 + s;
}

}  // namespace

bool ballAtRest() { return W().ballSpeed <= 0 && W().ballClimb == 0; }

TVec2 tutorialTarget(int stageTarget) {
    switch (stageTarget) {
    case 1: return {2, 2};
    case 2: return {-2, 2};
    case 3: return {2, -2};
    case 4: return {-2, -2};
    default: return {};
    }
}

void setStage(int stage) {
    if (stage < 0 || stage > kLastTutorialStage) return;
    TPracticeWorld& w = W();
    w.stage = static_cast<std::uint8_t>(stage);
    if (stage == 0) {
        w.ballLive = true;
        return;
    }
    w.ballLive = !(stage == 1 || stage == 6);
    w.stageTarget = 1;
    w.playerPos = stage == 7 ? TVec2{0, -3.5} : TVec2{0, 0};
    if (stage >= 2) w.ballPos = {0, 0};
    // A slide carried over from free practice would freeze the player in a
    // step that cannot slide (its countdown only runs where sliding works).
    if (!slideAllowed(stage)) w.slideFrames = 0;
}

void practiceStep() {
    TPracticeWorld& w = W();
    w.target = ingamedata.mouseTarget;
    w.holdLeft = ingamedata.inputLeft;
    w.holdRight = ingamedata.inputRight;
    w.holdTackle = ingamedata.inputTackle;
    w.holdJump = ingamedata.inputJump;
    tutorialCheck();
    updateTargetBearing();
    chargePower();
    loftedKick();
    groundPass();
    keeperStep();
    ballStep();
    slideTackle();
    jumpAndHeader();
    runPlayer();
    dribble();
    countDownTimers();
    if (!w.holdLeft) w.power = 0;
    handOver();
}

void practiceKey(int key) {
    if (!ingamedata.practice) return;
    // Virtual-key codes: letters are upper case ('r' and 'c' are F3 and numpad 3).
    if (key == 'R') recallBall();
    else if (key == 'C') callCorner();
}

void beginPractice(int stage, std::string_view username) {
    resetIngamedata();
    setPitchSize(3);
    ingamedata.teamSize = 1;
    ingamedata.practice = true;
    ingamedata.phase = 1;
    ingamedata.playerName(1, 1) = username;  // cut to the slot's 15 characters
    W().stageDone = false;
    setStage(stage);
    if (stage == 0) {
        W().keeperPos[1].y = pitch.goalLineNeg;
        W().keeperPos[2].y = pitch.goalLinePos;
    }
}

void initSimulation() {
    initPracticeTuning();
    initBallPhysics();
    initKickTables();
}

}  // namespace kf
