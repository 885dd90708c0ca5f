#pragma once

#include "core/RandomSource.h"

#include <cmath>
#include <cstddef>
#include <deque>
#include <vector>

namespace kxtest {

// Draws the scripted values first, then those of a fixed-seed game generator,
// so a test forces exactly the draws it cares about and the rest stay
// repeatable.  A Random(n) scripted to give a k outside 1 to n pushes a draw
// outside [0, 1), which fails the test.
class ScriptedRandom final : public kx::RandomSource {
public:
    void reseed(double seconds) override { reseeds.push_back(seconds); fallback_.reseed(seconds); }
    float uniform() override;

    // The next raw draw gives `value`, which must lie in [0, 1).
    void push(float value);
    // The next Random(n) gives k, from the middle of k's share of [0, 1).
    void pushRandom(int n, int k) { push((k - 0.5f) / static_cast<float>(n)); }
    // The next Random(n) gives k from the lowest (or highest) draw that does,
    // so that a Random of a neighbouring n would give another number.
    void pushLowest(int n, int k) { push(firstReaching(n, k - 1)); }
    void pushHighest(int n, int k) { push(std::nextafter(firstReaching(n, k), -1.0f)); }
    std::size_t pending() const { return script_.size(); }

    std::vector<double> reseeds; // clock values folded in, in order
    int draws = 0;

private:
    // The least draw for which Random(n), which takes the draw times n exactly
    // as a double, reaches `edge`.
    static float firstReaching(int n, int edge);

    std::deque<float> script_;
    kx::ClockMixedRandom fallback_{20240611};
};

} // namespace kxtest
