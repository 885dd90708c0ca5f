#pragma once

#include <string>

namespace kx {

// Hides a value written to a saved game or the score list from a casual look:
// each byte is shifted by the matching letter of the key, on a wheel of the
// codes 1 to 255, and the key starts again at its first letter on every call.
// Encoding then decoding with the same key gives back any text of codes 1 to
// 255; the result is as long as the text.
std::string Scramble(const std::string& text, const std::string& key, bool encode);

} // namespace kx
