// Scramble with any key: the wheel gives back any text both ways round, keeps
// its length and never turns a code into a 0.  The input is "key LF text".
#include "FuzzInput.h"
#include "Require.h"
#include "storage/Scramble.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    kxfuzz::FuzzInput input(data, size);
    const std::string key = input.line(), text = input.rest();
    const std::string encoded = kx::Scramble(text, key, true);
    using kxfuzz::Require;
    Require(encoded.size() == text.size(), "Scramble keeps the length");
    Require(std::count(encoded.begin(), encoded.end(), '\0') == std::count(text.begin(), text.end(), '\0'),
            "Scramble makes no 0 of another code");
    Require(kx::Scramble(encoded, key, false) == text, "decoding gives back the encoded text");
    Require(kx::Scramble(kx::Scramble(text, key, false), key, true) == text,
            "encoding gives back the decoded text");
    return 0;
}
