// The settings of any file: a setting reads with at most 254 characters; one
// written reads back trimmed and cut to that length, or is refused and leaves
// the file as it was.  The input is "section LF key LF value LF file"; tabs
// are blanks to settings, and a value may hold a CR, which is refused.
#include "Fuzzing.h"
#include "storage/Settings.h"

using namespace kxfuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const ScratchFile scratch("skinfolder.ehf");
    std::string_view input = AsText(data, size);
    const std::string section = NameFrom(TakeLine(input), " \t");
    const std::string key = NameFrom(TakeLine(input), " \t");
    const std::string value = TakeLine(input), bytes(input);
    scratch.write(bytes);
    Require(kx::ReadSetting(section, key, scratch.path()).size() <= kx::kMaxSettingLength,
            "a setting reads with 254 characters at most");
    const std::error_code error = kx::WriteSetting(section, key, value, scratch.path());
    Require(scratch.alone(), "no temporary file is left");
    Require(!error || scratch.read() == bytes, "a refused setting leaves the file as it was");
    Require(error || kx::ReadSetting(section, key, scratch.path()) ==
                         kx::Trimmed(value, " \t").substr(0, kx::kMaxSettingLength),
            "the setting written reads back");
    return 0;
}
