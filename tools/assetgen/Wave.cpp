#include "Wave.h"

namespace kx::art {

namespace {

constexpr int bytesPerSample = 2;

void putNumber(QByteArray& file, std::uint32_t value, int bytes)
{
    for (int byte = 0; byte < bytes; ++byte)
        file.append(static_cast<char>((value >> (8 * byte)) & 0xff));
}

}

QByteArray waveFile(const std::vector<std::int16_t>& samples, int rate)
{
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * bytesPerSample);
    QByteArray file;
    file.append("RIFF");
    putNumber(file, 36 + dataBytes, 4); // what follows this field
    file.append("WAVE");
    file.append("fmt ");
    putNumber(file, 16, 4); // the size of the format chunk
    putNumber(file, 1, 2); // integer PCM
    putNumber(file, 1, 2); // one channel
    putNumber(file, rate, 4);
    putNumber(file, rate * bytesPerSample, 4); // bytes per second
    putNumber(file, bytesPerSample, 2); // bytes per sample frame
    putNumber(file, 8 * bytesPerSample, 2); // bits per sample
    file.append("data");
    putNumber(file, dataBytes, 4);
    for (std::int16_t sample : samples)
        putNumber(file, static_cast<std::uint16_t>(sample), 2);
    return file;
}

}
