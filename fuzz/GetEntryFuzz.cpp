// GetEntry on any file: what it finds is text of the file, on one line, with
// no blank at either end.  The input is "section LF key LF file".
#include "Fuzzing.h"
#include "storage/EntryFile.h"

using namespace kxfuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const ScratchFile scratch("entries.ehf");
    std::string_view input = AsText(data, size);
    const std::string section = TakeLine(input), key = TakeLine(input), bytes(input);
    scratch.write(bytes);
    const std::string value = kx::GetEntry(section, key, scratch.path());
    Require(value.find_first_of("\r\n") == std::string::npos, "GetEntry gives no line break");
    Require(value == kx::Trimmed(value), "GetEntry trims the value");
    Require(bytes.find(value) != std::string::npos, "GetEntry gives text of the file");
    return 0;
}
