#include "Sounds.h"

#include <algorithm>
#include <cmath>

namespace kx::art {

namespace {

// A soft square-ish tone: a sine with a touch of its second and third harmonics, fading a little
// as it holds and opening and closing in milliseconds.
Signal tone(double frequency, double length)
{
    Signal note = silence(length);
    for (std::size_t index = 0; index < note.size(); ++index) {
        const double t = double(index) / sampleRate;
        const double envelope = std::min({1.0, t / 0.004, (length - t) / 0.012}) * (1 - 0.25 * t / length);
        const double phase = twoPi * frequency * t;
        note[index] = envelope * (std::sin(phase) + 0.18 * std::sin(2 * phase) + 0.06 * std::sin(3 * phase));
    }
    return note;
}

}

// E6, then the A6 a fourth above.
Signal pagerBeep()
{
    Signal mix = silence(0.3);
    mixIn(mix, tone(1318.51, 0.12), 0.006);
    mixIn(mix, tone(1760.0, 0.15), 0.142);
    return mix;
}

}
