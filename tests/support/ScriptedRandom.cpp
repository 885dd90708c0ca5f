#include "ScriptedRandom.h"

#include <gtest/gtest.h>

namespace kxtest {

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

float ScriptedRandom::firstReaching(int n, int edge)
{
    const auto reaches = [&](float r) { return static_cast<double>(r) * n >= edge; };
    float r = static_cast<float>(static_cast<double>(edge) / n);
    while (!reaches(r))
        r = std::nextafter(r, HUGE_VALF);
    while (r > 0 && reaches(std::nextafter(r, 0.0f)))
        r = std::nextafter(r, 0.0f);
    return r;
}

} // namespace kxtest
