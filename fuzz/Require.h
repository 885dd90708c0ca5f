#pragma once

#include <cstdio>
#include <cstdlib>

namespace kxfuzz {

// Stops at a broken property with its name: libFuzzer keeps the input as a
// crash, and the corpus replay fails.
inline void Require(bool holds, const char* property)
{
    if (holds)
        return;
    std::fprintf(stderr, "Broken: %s\n", property);
    std::abort();
}

} // namespace kxfuzz
