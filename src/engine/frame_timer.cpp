#include "frame_timer.h"

namespace kf {

void FrameTimer::frameStarted(double nowMs) {
    nextDue_ = nowMs - nextDue_ > period_ ? nowMs + period_ : nextDue_ + period_;
    if (nowMs - windowStart_ >= 1000.0) {
        fps_ = nowMs - windowStart_ < 2000.0 ? framesInWindow_ : 0;
        windowStart_ = nowMs - windowStart_ < 2000.0 ? windowStart_ + 1000.0 : nowMs;
        framesInWindow_ = 0;
    }
    ++framesInWindow_;
}

void FrameTimer::reset(double nowMs) {
    nextDue_ = nowMs;
    windowStart_ = nowMs;
    framesInWindow_ = 0;
    fps_ = 0;
}

int FixedStep::stepsDue(double nowMs, int maxCatchUp) {
    if (step_ <= 0) return 0;
    int n = 0;
    while (nowMs >= next_ && n < maxCatchUp) {
        next_ += step_;
        ++n;
    }
    if (nowMs >= next_) next_ = nowMs + step_;  // too far behind: drop the rest
    return n;
}

}  // namespace kf
