#include "Sounds.h"

#include "Dice.h"

#include <cmath>

namespace kx::art {

namespace {

constexpr double length = 1.5;
constexpr int clapperCount = 40;

// A clap is a few bursts of noise milliseconds apart, as the palms meet unevenly.
void addClap(Signal& track, Dice& dice, double at, double strength)
{
    const double spacing = dice.between(0.002, 0.005);
    const int first = samplesIn(at);
    const int span = samplesIn(0.035);
    for (int index = 0; index < span && first + index < static_cast<int>(track.size()); ++index) {
        const double t = double(index) / sampleRate;
        double envelope = 0;
        for (int burst = 0; burst < 3; ++burst) {
            const double since = t - burst * spacing;
            if (since >= 0)
                envelope += std::exp(-since / 0.0045) / (1 + burst);
        }
        track[first + index] += strength * envelope * dice.signedUnit();
    }
}

// One person: their own hand shape sets the clap's colour, their own pace the rhythm, and they
// stop somewhere in the second half.
Signal clapper(Dice& dice)
{
    Signal track = silence(length);
    Filter hands = Filter::bandPass(dice.between(900, 2400), dice.between(0.9, 1.6));
    const double period = dice.between(0.16, 0.28);
    const double stop = dice.between(0.85, 1.4);
    for (double at = dice.between(0, period); at < stop; at += period * dice.between(0.85, 1.15))
        addClap(track, dice, at, dice.between(0.6, 1.0));
    hands.apply(track);
    return track;
}

}

Signal applause()
{
    Signal mix = silence(length);
    Dice dice(401);
    for (int person = 0; person < clapperCount; ++person)
        mixIn(mix, clapper(dice), 0);
    Filter::lowPass(7000, 0.7).apply(mix);
    return mix;
}

}
