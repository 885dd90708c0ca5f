// GetEntry on any file: what it finds is text of the file, on one line, with
// no blank at either end.  The input is "section LF key LF file".
#include "FuzzInput.h"
#include "Require.h"
#include "ScratchFile.h"
#include "storage/EntryFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const kxfuzz::ScratchFile scratch;
    kxfuzz::FuzzInput input(data, size);
    const std::string section = input.line(), key = input.line(), bytes = input.rest();
    scratch.write(bytes);
    const std::string value = kx::GetEntry(section, key, scratch.path());
    using kxfuzz::Require;
    Require(value.find_first_of("\r\n") == std::string::npos, "GetEntry gives no line break");
    Require(value.empty() || (value.front() != ' ' && value.back() != ' '), "GetEntry trims the value");
    Require(bytes.find(value) != std::string::npos, "GetEntry gives text of the file");
    return 0;
}
