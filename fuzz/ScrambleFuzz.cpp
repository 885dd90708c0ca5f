// Scramble with any key: the wheel gives back any text both ways round, keeps
// its length and never turns a code into a 0.  The input is "key LF text".
#include "Fuzzing.h"
#include "storage/Scramble.h"

using namespace kxfuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view input = AsText(data, size);
    const std::string key = TakeLine(input), text(input);
    const std::string encoded = kx::Scramble(text, key, true);
    Require(encoded.size() == text.size(), "Scramble keeps the length");
    Require(std::ranges::count(encoded, '\0') == std::ranges::count(text, '\0'), "Scramble makes no 0");
    Require(kx::Scramble(encoded, key, false) == text, "decoding gives back the encoded text");
    Require(kx::Scramble(kx::Scramble(text, key, false), key, true) == text, "encoding gives back the decoded text");
    return 0;
}
