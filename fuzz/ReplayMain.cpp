// Runs a fuzz target once on every file of the folders (or on the files) it is
// given, without libFuzzer: how the tests replay the committed corpus with any
// compiler.  A broken property aborts; the last name printed is its input.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

namespace fs = std::filesystem;

std::vector<fs::path> inputsOf(const std::vector<fs::path>& named)
{
    std::vector<fs::path> inputs;
    for (const fs::path& path : named) {
        if (!fs::is_directory(path)) {
            inputs.push_back(path);
            continue;
        }
        for (const fs::directory_entry& entry : fs::directory_iterator(path))
            inputs.push_back(entry.path());
    }
    std::sort(inputs.begin(), inputs.end());
    return inputs;
}

} // namespace

int main(int argc, char** argv)
{
    const std::vector<fs::path> inputs = inputsOf({argv + 1, argv + argc});
    // An empty corpus would pass without checking anything.
    if (inputs.empty()) {
        std::cerr << "No inputs to replay\n";
        return 1;
    }
    for (const fs::path& input : inputs) {
        std::cout << input.filename().string() << std::endl;
        std::ifstream in(input, std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    }
    std::cout << inputs.size() << " inputs replayed\n";
    return 0;
}
