// The WAVE file the game plays: a RIFF header written field by field, then the samples.
#pragma once

#include <QByteArray>

#include <cstdint>
#include <vector>

namespace kx::art {

// One channel of 16-bit PCM samples at the given rate, every number little-endian.
QByteArray waveFile(const std::vector<std::int16_t>& samples, int rate);

}
