#pragma once

#include "core/RandomSource.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

namespace kxtest {

// Draws the scripted values first, then those of a fixed-seed game generator,
// so a test forces exactly the draws it cares about and the rest stay
// repeatable.
class ScriptedRandom final : public kx::RandomSource {
public:
    explicit ScriptedRandom(std::uint64_t seed = 20240611);

    void reseed(double clockSeconds) override;
    float uniform() override;

    // The next raw draw gives `value`, which must lie in [0, 1).
    void push(float value);
    // The next Random(n) gives k.
    void pushRandom(int n, int k);
    // The next Random(n) gives k from the lowest (or highest) draw that does,
    // so that a Random of a neighbouring n would give another number.
    void pushLowest(int n, int k);
    void pushHighest(int n, int k);
    std::size_t pending() const { return script_.size(); }

    std::vector<double> reseeds; // clock values folded in, in order
    int draws = 0;

private:
    std::deque<float> script_;
    kx::ClockMixedRandom fallback_;
};

} // namespace kxtest
