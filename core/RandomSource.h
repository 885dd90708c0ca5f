#pragma once

#include <cstdint>

namespace kx {

// The one source of randomness.  Every draw of the game goes through it, so a
// test can script the values that force a branch.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // Folds the clock (seconds since midnight) into the generator's state.
    virtual void reseed(double clockSeconds) = 0;
    // A uniform value in [0, 1) of single precision.
    virtual float uniform() = 0;
};

// The generator the game plays with: a 64-bit splitmix state that the clock is
// mixed into at each re-seed, so hundreds of draws within one clock tick still
// differ from each other.
class ClockMixedRandom final : public RandomSource {
public:
    explicit ClockMixedRandom(std::uint64_t seed = 0x9E3779B97F4A7C15ull) : state_(seed) {}
    void reseed(double clockSeconds) override;
    float uniform() override;

private:
    std::uint64_t next();
    std::uint64_t state_;
};

} // namespace kx
