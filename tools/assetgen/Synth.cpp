#include "Synth.h"

#include <algorithm>
#include <cmath>

namespace kx::art {

namespace {

// -3 dBFS of the largest 16-bit sample.
constexpr double loudest = 32767 * 0.70794578438413791;

// A raised cosine from 0 to 1 as `position` goes from 0 to 1: no corner at either end.
double smoothRise(double position)
{
    return 0.5 - 0.5 * std::cos(std::clamp(position, 0.0, 1.0) * twoPi / 2);
}

void fade(Signal& signal, double fadeIn, double fadeOut)
{
    const int in = samplesIn(fadeIn);
    const int out = samplesIn(fadeOut);
    const int size = static_cast<int>(signal.size());
    for (int index = 0; index < size; ++index) {
        const double rise = in > 0 ? smoothRise(double(index) / in) : 1.0;
        const double fall = out > 0 ? smoothRise(double(size - 1 - index) / out) : 1.0;
        signal[index] *= rise * fall;
    }
}

}

Signal silence(double seconds)
{
    return Signal(samplesIn(seconds), 0.0);
}

int samplesIn(double seconds)
{
    return static_cast<int>(std::lround(seconds * sampleRate));
}

void mixIn(Signal& mix, const Signal& part, double start, double gain)
{
    const std::size_t first = samplesIn(start);
    for (std::size_t index = 0; index < part.size() && first + index < mix.size(); ++index)
        mix[first + index] += gain * part[index];
}

Filter Filter::lowPass(double cutoff, double q)
{
    const double w = twoPi * cutoff / sampleRate;
    const double alpha = std::sin(w) / (2 * q);
    const double c = std::cos(w);
    return {(1 - c) / 2, 1 - c, (1 - c) / 2, 1 + alpha, -2 * c, 1 - alpha};
}

Filter Filter::highPass(double cutoff, double q)
{
    const double w = twoPi * cutoff / sampleRate;
    const double alpha = std::sin(w) / (2 * q);
    const double c = std::cos(w);
    return {(1 + c) / 2, -(1 + c), (1 + c) / 2, 1 + alpha, -2 * c, 1 - alpha};
}

Filter Filter::bandPass(double centre, double q)
{
    const double w = twoPi * centre / sampleRate;
    const double alpha = std::sin(w) / (2 * q);
    return {alpha, 0, -alpha, 1 + alpha, -2 * std::cos(w), 1 - alpha};
}

Filter::Filter(double b0, double b1, double b2, double a0, double a1, double a2)
    : b0_(b0 / a0), b1_(b1 / a0), b2_(b2 / a0), a1_(a1 / a0), a2_(a2 / a0)
{
}

double Filter::operator()(double in)
{
    const double out = b0_ * in + b1_ * in1_ + b2_ * in2_ - a1_ * out1_ - a2_ * out2_;
    in2_ = in1_;
    in1_ = in;
    out2_ = out1_;
    out1_ = out;
    return out;
}

void Filter::apply(Signal& signal)
{
    for (double& sample : signal)
        sample = (*this)(sample);
}

std::vector<std::int16_t> finished(Signal signal, double fadeIn, double fadeOut)
{
    fade(signal, fadeIn, fadeOut);
    double peak = 0;
    for (double sample : signal)
        peak = std::max(peak, std::abs(sample));
    const double gain = peak > 0 ? loudest / peak : 0;
    std::vector<std::int16_t> samples(signal.size());
    std::transform(signal.begin(), signal.end(), samples.begin(),
                   [gain](double sample) { return static_cast<std::int16_t>(std::lround(sample * gain)); });
    return samples;
}

}
