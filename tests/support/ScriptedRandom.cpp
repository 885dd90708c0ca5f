#include "ScriptedRandom.h"

#include <gtest/gtest.h>

namespace kxtest {

ScriptedRandom::ScriptedRandom(std::uint64_t seed) : fallback_(seed) {}

void ScriptedRandom::reseed(double clockSeconds)
{
    reseeds.push_back(clockSeconds);
    fallback_.reseed(clockSeconds);
}

float ScriptedRandom::uniform()
{
    ++draws;
    if (script_.empty())
        return fallback_.uniform();
    const float value = script_.front();
    script_.pop_front();
    return value;
}

void ScriptedRandom::push(float value)
{
    if (!(value >= 0.0f && value < 1.0f))
        ADD_FAILURE() << "A uniform draw must lie in [0, 1), not " << value;
    script_.push_back(value);
}

void ScriptedRandom::pushRandom(int n, int k)
{
    if (k < 1 || k > n)
        ADD_FAILURE() << "Random(" << n << ") cannot give " << k;
    // The middle of k's share of [0, 1).
    push((static_cast<float>(k) - 0.5f) / static_cast<float>(n));
}

} // namespace kxtest
