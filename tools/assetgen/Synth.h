// What the game's sounds are made of: signals as plain numbers between -1 and 1 at the game's
// sample rate, a few filters, and the last step that turns a signal into 16-bit samples.
#pragma once

#include <cstdint>
#include <vector>

namespace kx::art {

inline constexpr int sampleRate = 22050;
inline constexpr double twoPi = 6.283185307179586;

using Signal = std::vector<double>;

Signal silence(double seconds);
// The number of samples that make up `seconds`.
int samplesIn(double seconds);
// Adds the part into the mix from `start` seconds on, scaled by `gain`; what would run past the
// mix's end is left off.
void mixIn(Signal& mix, const Signal& part, double start, double gain = 1);

// A second-order filter after Robert Bristow-Johnson's cookbook, run sample by sample.
class Filter {
public:
    static Filter lowPass(double cutoff, double q);
    static Filter highPass(double cutoff, double q);
    static Filter bandPass(double centre, double q);

    double operator()(double in);
    void apply(Signal& signal);

private:
    Filter(double b0, double b1, double b2, double a0, double a1, double a2);

    double b0_, b1_, b2_, a1_, a2_;
    double in1_ = 0, in2_ = 0, out1_ = 0, out2_ = 0;
};

// The signal as 16-bit samples: raised or lowered so its loudest sample sits at -3 dBFS, and
// faded in and out over the given seconds so it neither starts nor stops with a click.
std::vector<std::int16_t> finished(Signal signal, double fadeIn, double fadeOut);

}
