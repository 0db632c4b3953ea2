#pragma once
// The rate cap of the render loop and the frames-per-second count, as plain
// arithmetic on a millisecond clock so it can be checked without a window.

namespace kf {

class FrameTimer {
public:
    explicit FrameTimer(double maxFps = 59.0) { setMaxFps(maxFps); }
    void setMaxFps(double fps) { period_ = fps > 0 ? 1000.0 / fps : 0.0; }
    double periodMs() const { return period_; }

    // Milliseconds until the next frame may start (<= 0: now).
    double msUntilDue(double nowMs) const { return nextDue_ - nowMs; }
    // Marks a frame started at nowMs. Frames follow a fixed schedule so the
    // average stays at the cap; after a stall longer than one period the
    // schedule restarts from now instead of rushing to catch up.
    void frameStarted(double nowMs);
    // Frames started during the last whole second.
    int fps() const { return fps_; }
    void reset(double nowMs);

private:
    double period_ = 0;
    double nextDue_ = 0;
    double windowStart_ = 0;
    int framesInWindow_ = 0;
    int fps_ = 0;
};

// Calls of the fixed-rate update callback due by nowMs (at most maxCatchUp).
class FixedStep {
public:
    explicit FixedStep(double hz = 50.0) { setRate(hz); }
    void setRate(double hz) { step_ = hz > 0 ? 1000.0 / hz : 0.0; }
    int stepsDue(double nowMs, int maxCatchUp = 5);
    void reset(double nowMs) { next_ = nowMs + step_; }

private:
    double step_ = 20.0;
    double next_ = 0;
};

}  // namespace kf
