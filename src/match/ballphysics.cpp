#include "ballphysics.h"

#include <cmath>

#include "pitch.h"
#include "practiceworld.h"

namespace kf {

TBallPhysics ballPhysics;

void initBallPhysics() {
    ballPhysics.rollFriction[0] = 0.0004;
    ballPhysics.rollFriction[1] = 0.00004;
    ballPhysics.gravity[0] = 0.0007;
    ballPhysics.gravity[1] = 0.00007;
    ballPhysics.airDrag[0] = 0.00007;
    ballPhysics.airDrag[1] = 0.000007;
    ballPhysics.bounceKeep = 0.6;
    ballPhysics.bounceSpeedKeep = 0.7;
    ballPhysics.bounceStop = 0.0004;
    ballPhysics.hardBounce = 0.007;
}

int ballStepCount(const TBallState& b) {
    const double x = b.pos.x, y = b.pos.y;
    if (b.height > 0.32) return 1;
    const bool goalMouth = -0.5 < x && x < 0.5 &&
                           ((pitch.goalLinePos - 0.12 < y && y < pitch.goalLinePos + 0.28) ||
                            (pitch.goalLineNeg - 0.28 < y && y < pitch.goalLineNeg + 0.12));
    if (goalMouth) return 10;
    const bool boards = b.height <= 0.125 && std::fabs(x) < boardHalfWidth() &&
                        ((pitch.goalLinePos + 0.38 < y && y < pitch.goalLinePos + 0.58) ||
                         (pitch.goalLineNeg - 0.58 < y && y < pitch.goalLineNeg - 0.38));
    return boards ? 10 : 1;
}

void ballSubStep(TBallState& b, int n, double cosDir, double sinDir) {
    const int set = n == 10 ? 1 : 0;
    const TBallPhysics& k = ballPhysics;
    if (b.climb != 0) {
        b.climb -= k.gravity[set];
        b.height += b.climb / n;
        if (b.speed > 0) b.speed -= k.airDrag[set];
        if (b.height < 0) {
            b.height = 0;
            b.climb = -b.climb * k.bounceKeep;
            if (b.climb > k.hardBounce) b.speed *= k.bounceSpeedKeep;
            if (b.climb < k.bounceStop) b.climb = 0;
        }
    } else {
        if (b.height <= 0) b.speed -= k.rollFriction[set];
        if (b.height > 0) b.climb -= k.gravity[set];
    }
    if (b.speed < 0) b.speed = 0;
    if (b.height < 0) b.height = 0;
    b.pos.x += cosDir * b.speed / n;
    b.pos.y += sinDir * b.speed / n;
}

namespace {

constexpr double kBoardOffset = 0.48;   // boards stand this far behind each goal line
constexpr double kFrameReach = 0.025;   // contact distance of posts and crossbar

void boardContact(TBallState& b) {
    const double r = pitch.ballRadius;
    if (std::fabs(b.pos.x) > boardHalfWidth()) return;
    const double pos = pitch.goalLinePos + kBoardOffset, neg = pitch.goalLineNeg - kBoardOffset;
    if (pos - r < b.pos.y && b.pos.y < pos + r) {
        b.pos.y = pos - r;
    } else if (neg - r < b.pos.y && b.pos.y < neg + r) {
        b.pos.y = neg + r;
    } else {
        return;
    }
    b.dir = 360 - b.dir;
    b.speed /= 2;
}

bool inGoalBox(const TBallState& b) {
    const double r = pitch.ballRadius, y = b.pos.y;
    if (b.height > pitch.crossbarHeight + 0.021) return false;
    if (b.pos.x < pitch.postNeg - kFrameReach || b.pos.x > pitch.postPos + kFrameReach) return false;
    if (y > 0) return pitch.goalLinePos - r <= y && y <= pitch.netBackPos + r;
    return pitch.netBackNeg - r <= y && y <= pitch.goalLineNeg + r;
}

void crossbarContact(TBallState& b) {
    const double lines[2] = {pitch.goalLineNeg, pitch.goalLinePos};
    const double putBack[2] = {pitch.goalLineNeg + kFrameReach, pitch.goalLinePos - kFrameReach};
    for (int i = 0; i < 2; ++i) {
        if (distance(b.pos.y, b.height, lines[i], pitch.crossbarHeight) < kFrameReach) {
            b.dir = 360 - b.dir;
            b.speed *= 0.5;
            b.pos.y = putBack[i];
            practiceWorld.keeperRunning = 0;
            return;
        }
    }
}

void postContacts(TBallState& b) {
    const TVec2 posts[4] = {{pitch.postNeg, pitch.goalLineNeg},
                            {pitch.postPos, pitch.goalLineNeg},
                            {pitch.postNeg, pitch.goalLinePos},
                            {pitch.postPos, pitch.goalLinePos}};
    for (const TVec2& post : posts) {
        if (distance(b.pos, post) < kFrameReach) {
            b.dir = bearing(post, b.pos);
            b.pos.x = post.x + std::cos(b.dir * degToRad) * 0.026;
            b.pos.y = post.y + std::sin(b.dir * degToRad) * 0.026;
            b.speed /= 2;
            practiceWorld.keeperRunning = 0;
        }
    }
}

bool behindGoalLine(const TBallState& b) {
    return b.pos.y < pitch.goalLineNeg - kFrameReach || b.pos.y > pitch.goalLinePos + kFrameReach;
}

void netRoofContact(TBallState& b) {
    if (b.height < pitch.crossbarHeight - 0.021 || !behindGoalLine(b)) return;
    if (b.height > pitch.crossbarHeight) {
        b.height = pitch.crossbarHeight + 0.022;
        b.speed /= 2;
    } else {
        b.height = pitch.crossbarHeight - 0.022;
    }
    b.climb = -b.climb;
}

void backNetContact(TBallState& b) {
    const double r = pitch.ballRadius;
    double& y = b.pos.y;
    if (y > 0) {
        if (y < pitch.netBackPos - r) return;
        if (y > pitch.netBackPos) {
            y = pitch.netBackPos + r + 0.001;
        } else {
            y = pitch.netBackPos - r - 0.001;
            b.speed = 0;
        }
    } else {
        if (y > pitch.netBackNeg + r) return;
        if (y < pitch.netBackNeg) {
            y = pitch.netBackNeg - r - 0.001;
        } else {
            y = pitch.netBackNeg + r + 0.001;
            b.speed = 0;
        }
    }
}

void sideNetContact(TBallState& b) {
    double& x = b.pos.x;
    const bool nearPostLine = x > 0 ? x >= pitch.postPos - kFrameReach : x <= pitch.postNeg + kFrameReach;
    if (!nearPostLine || !behindGoalLine(b)) return;
    b.speed *= 0.3;
    if (x > 0) {
        x = x > pitch.postPos ? pitch.postPos + 0.026 : pitch.postPos - 0.026;
    } else {
        x = x < pitch.postNeg ? pitch.postNeg - 0.026 : pitch.postNeg + 0.026;
    }
    // Deliberately not brought back into [0, 360): later tests read it as is.
    b.dir = b.pos.y > 0 ? 180 - b.dir : 540 - b.dir;
}

void goalTest(const TBallState& b) {
    if (practiceWorld.ballResetFrames != 0 || b.height > pitch.crossbarHeight) return;
    if (b.pos.x < pitch.postNeg || b.pos.x > pitch.postPos) return;
    const double y = b.pos.y;
    const bool inNet = (pitch.goalLinePos <= y && y <= pitch.netBackPos) ||
                       (pitch.netBackNeg <= y && y <= pitch.goalLineNeg);
    if (!inNet) return;
    practiceWorld.ballResetFrames = 100;
    practiceWorld.keeperRunning = 0;
}

bool outsidePitch(const TVec2& p) {
    return p.x > pitch.sideLinePos || p.x < pitch.sideLineNeg || p.y > pitch.goalLinePos ||
           p.y < pitch.goalLineNeg;
}

void storeBall(const TBallState& b) {
    TPracticeWorld& w = practiceWorld;
    w.ballPos = b.pos;
    w.ballDir = b.dir;
    w.ballSpeed = b.speed;
    w.ballHeight = b.height;
    w.ballClimb = b.climb;
}

}  // namespace

TBallState practiceBall() {
    const TPracticeWorld& w = practiceWorld;
    return {w.ballPos, w.ballDir, w.ballSpeed, w.ballHeight, w.ballClimb};
}

void ballContacts(TBallState& b) {
    boardContact(b);
    if (!inGoalBox(b)) return;
    crossbarContact(b);
    postContacts(b);
    netRoofContact(b);
    backNetContact(b);
    sideNetContact(b);
    goalTest(b);
}

void ballStep() {
    TPracticeWorld& w = practiceWorld;
    if (!w.ballLive) return;
    TBallState b = practiceBall();
    const int n = ballStepCount(b);
    double dir = b.dir, c = std::cos(dir * degToRad), s = std::sin(dir * degToRad);
    for (int i = 0; i < n; ++i) {
        if (b.dir != dir) {
            dir = b.dir;
            c = std::cos(dir * degToRad);
            s = std::sin(dir * degToRad);
        }
        ballSubStep(b, n, c, s);
        if (n == 10) ballContacts(b);
    }
    if (w.ballResetFrames == 0 && b.speed == 0 && outsidePitch(b.pos)) b.pos = w.playerPos;
    storeBall(b);
}

}  // namespace kf
