#include "ScriptedRandom.h"

#include <gtest/gtest.h>

#include <cmath>

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

namespace {

// Random(n) takes the draw times n exactly, as a double.
bool below(float r, int n, int k) { return static_cast<double>(r) * n < k; }

} // namespace

void ScriptedRandom::pushLowest(int n, int k)
{
    float r = static_cast<float>(static_cast<double>(k - 1) / n);
    while (below(r, n, k - 1))
        r = std::nextafter(r, 1.0f);
    while (r > 0 && !below(std::nextafter(r, 0.0f), n, k - 1))
        r = std::nextafter(r, 0.0f);
    if (k < 1 || k > n)
        ADD_FAILURE() << "Random(" << n << ") cannot give " << k;
    push(r);
}

void ScriptedRandom::pushHighest(int n, int k)
{
    float r = static_cast<float>(static_cast<double>(k) / n);
    while (!below(r, n, k))
        r = std::nextafter(r, 0.0f);
    while (below(std::nextafter(r, 1.0f), n, k))
        r = std::nextafter(r, 1.0f);
    if (k < 1 || k > n)
        ADD_FAILURE() << "Random(" << n << ") cannot give " << k;
    push(r);
}

} // namespace kxtest
