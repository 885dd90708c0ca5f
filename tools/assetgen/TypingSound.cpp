#include "Sounds.h"

#include "Dice.h"

#include <cmath>

namespace kx::art {

namespace {

// One key: the sharp tick of plastic meeting plastic, the ring of the key cap and the dull
// knock of the board under it. Every key is tuned a little differently.
Signal keyStroke(Dice& dice)
{
    Signal key = silence(0.04);
    Filter tick = Filter::highPass(2500, 0.7);
    const double ring = dice.between(1700, 2600);
    const double knock = dice.between(260, 420);
    for (std::size_t index = 0; index < key.size(); ++index) {
        const double t = double(index) / sampleRate;
        key[index] = tick(dice.signedUnit()) * std::exp(-t / 0.0012) +
                     0.5 * std::sin(twoPi * ring * t) * std::exp(-t / 0.004) +
                     0.6 * std::sin(twoPi * knock * t) * std::exp(-t / 0.011);
    }
    return key;
}

}

// Keys at an uneven typist's pace, each followed by the softer click of its release.
Signal typing()
{
    Signal mix = silence(0.6);
    Dice dice(101);
    for (double at = 0.012; at < 0.5; at += dice.between(0.05, 0.1)) {
        const double strength = dice.between(0.65, 1.0);
        mixIn(mix, keyStroke(dice), at, strength);
        mixIn(mix, keyStroke(dice), at + dice.between(0.028, 0.045), 0.3 * strength);
    }
    return mix;
}

}
