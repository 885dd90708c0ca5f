#include "Sounds.h"

#include "Dice.h"

#include <cmath>

namespace kx::art {

namespace {

struct Partial {
    double ratio, level, decay;
};

// A small struck bell: its partials stand at a bell's uneven ratios and the high ones die first.
constexpr std::array<Partial, 4> bellPartials{{
    {1.0, 1.0, 0.38},
    {2.01, 0.3, 0.25},
    {2.76, 0.45, 0.18},
    {5.40, 0.08, 0.05},
}};

// The lever hitting its stop: a burst of mid-range noise over a low thump.
Signal clack(Dice& dice, double pitch)
{
    Signal hit = silence(0.05);
    Filter body = Filter::bandPass(pitch, 1.4);
    for (std::size_t index = 0; index < hit.size(); ++index) {
        const double t = double(index) / sampleRate;
        hit[index] = body(dice.signedUnit()) * std::exp(-t / 0.006) + 0.5 * std::sin(twoPi * 110 * t) * std::exp(-t / 0.02);
    }
    return hit;
}

// The drawer sliding out: dull rumble, swelling and dying away.
Signal drawer(Dice& dice)
{
    Signal slide = silence(0.22);
    Filter rumble = Filter::lowPass(500, 0.8);
    for (std::size_t index = 0; index < slide.size(); ++index) {
        const double position = double(index) / slide.size();
        slide[index] = rumble(dice.signedUnit()) * std::sin(twoPi / 2 * position);
    }
    return slide;
}

Signal bell(Dice& dice, double fundamental)
{
    Signal ring = silence(0.72);
    Filter strike = Filter::highPass(3000, 0.7);
    for (std::size_t index = 0; index < ring.size(); ++index) {
        const double t = double(index) / sampleRate;
        double sum = strike(dice.signedUnit()) * 0.5 * std::exp(-t / 0.003);
        for (const Partial& partial : bellPartials)
            sum += partial.level * std::sin(twoPi * fundamental * partial.ratio * t) * std::exp(-t / partial.decay);
        ring[index] = sum;
    }
    return ring;
}

}

// "Ka": two clacks and the drawer; "ching": two bells a hair apart in pitch, so they shimmer.
Signal cashRegister()
{
    Signal mix = silence(0.8);
    Dice dice(301);
    mixIn(mix, clack(dice, 1200), 0.006, 0.8);
    mixIn(mix, clack(dice, 900), 0.042, 0.6);
    mixIn(mix, drawer(dice), 0.05, 0.35);
    mixIn(mix, bell(dice, 1975.5), 0.08);
    mixIn(mix, bell(dice, 1981.4), 0.084, 0.5);
    return mix;
}

}
