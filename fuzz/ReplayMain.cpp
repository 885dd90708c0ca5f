// Runs a fuzz target once on every file of the folder it is given (or on one
// file), without libFuzzer: how the tests replay the committed corpus with any
// compiler.  A broken property aborts; the last name printed is its input.
#include "support/Files.h"

#include <algorithm>
#include <cstdint>
#include <iostream>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv)
{
    namespace fs = std::filesystem;
    std::vector<fs::path> inputs;
    if (argc == 2 && fs::is_directory(argv[1]))
        inputs.assign(fs::directory_iterator(argv[1]), fs::directory_iterator());
    else if (argc == 2)
        inputs.push_back(argv[1]);
    std::sort(inputs.begin(), inputs.end());
    for (const fs::path& input : inputs) {
        std::cout << input.filename().string() << std::endl;
        const std::string bytes = kxtest::FileBytes(input);
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    }
    std::cout << inputs.size() << " inputs replayed\n";
    // An empty corpus would pass without checking anything.
    return inputs.empty() ? 1 : 0;
}
