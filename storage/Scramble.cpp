#include "Scramble.h"

namespace kx {

std::string Scramble(const std::string& text, const std::string& key, bool encode)
{
    std::string out = text;
    // Without a key nothing shifts: there is no letter to shift by.
    if (key.empty())
        return out;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const int c = static_cast<unsigned char>(out[i]);
        // A code 0 has no place on the wheel: shifting it would decode to 255,
        // not back to 0.  It stays as it is both ways, and since encoding never
        // yields a 0, decoding a 0 can only mean one that was passed through.
        if (c == 0)
            continue;
        const int d = static_cast<unsigned char>(key[i % key.size()]);
        int n = encode ? c + d : c - d;
        if (n > 255)
            n -= 255;
        else if (n < 1)
            n += 255;
        out[i] = static_cast<char>(n);
    }
    return out;
}

} // namespace kx
