#include "Sounds.h"

#include <algorithm>
#include <cmath>

namespace kx::art {

namespace {

struct Note {
    double start, length, frequency;
};

// C4, E4 and G4 short, then a held C5.
constexpr std::array<Note, 4> call{{
    {0.00, 0.13, 261.63},
    {0.15, 0.13, 329.63},
    {0.30, 0.13, 392.00},
    {0.45, 0.66, 523.25},
}};
constexpr double release = 0.05;
// Harmonics above this are left out: they would only fold back as noise.
constexpr double topHarmonic = 8000;

// Swells in over 30 ms, settles a little, then dies over the release after the note's length.
double envelope(double t, double length)
{
    const double swell = std::min(1.0, std::pow(t / 0.03, 1.5));
    const double settle = 0.82 + 0.18 * std::exp(-t / 0.08);
    const double fall = std::clamp((length + release - t) / release, 0.0, 1.0);
    return swell * settle * fall;
}

// A lip buzz slides up into the note; a long note gets a slow vibrato once it has settled.
double pitchAt(double t, double frequency)
{
    const double slide = 1 - 0.015 * std::exp(-t / 0.02);
    const double vibrato = 1 + 0.004 * std::sin(twoPi * 5.2 * t) * std::clamp((t - 0.2) / 0.2, 0.0, 1.0);
    return frequency * slide * vibrato;
}

// A sawtooth's harmonics under a low-pass that opens as the note grows louder, as brass does.
double brassSample(double phase, double frequency, double level)
{
    const double opening = 2 + 7 * level;
    double sum = 0;
    for (int harmonic = 1; harmonic * frequency < topHarmonic; ++harmonic) {
        const double ratio = harmonic / opening;
        sum += std::sin(twoPi * harmonic * phase) / (harmonic * (1 + ratio * ratio));
    }
    return level * sum;
}

Signal brassNote(const Note& note)
{
    Signal sound = silence(note.length + release);
    double phase = 0;
    for (std::size_t index = 0; index < sound.size(); ++index) {
        const double t = double(index) / sampleRate;
        const double frequency = pitchAt(t, note.frequency);
        sound[index] = brassSample(phase, frequency, envelope(t, note.length));
        phase = std::fmod(phase + frequency / sampleRate, 1.0);
    }
    return sound;
}

}

Signal fanfare()
{
    Signal mix = silence(1.2);
    for (const Note& note : call)
        mixIn(mix, brassNote(note), note.start);
    Filter::lowPass(3800, 0.7).apply(mix);
    return mix;
}

}
