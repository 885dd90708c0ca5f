#pragma once

namespace kx {

// Counts the ticks of a slow timer that are due at a moment, so a strip moves
// at the same pace whatever the machine's timers do.  After a stall it runs at
// most a few ticks at once instead of leaping.
class TickPacer {
public:
    explicit TickPacer(double tickSeconds, int maxBurst = 4)
        : tick_(tickSeconds), maxBurst_(maxBurst) {}

    void start(double now)
    {
        start_ = now;
        done_ = 0;
    }

    // How many ticks to run at `now` (seconds on the clock start() was given).
    int due(double now)
    {
        const long long total = static_cast<long long>((now - start_) / tick_);
        long long ticks = total - done_;
        if (ticks < 0)
            ticks = 0;
        if (ticks > maxBurst_) {
            done_ += ticks - maxBurst_;
            ticks = maxBurst_;
        }
        done_ += ticks;
        return static_cast<int>(ticks);
    }

private:
    double tick_;
    int maxBurst_;
    double start_ = 0;
    long long done_ = 0;
};

} // namespace kx
