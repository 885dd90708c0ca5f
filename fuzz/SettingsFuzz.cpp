// The settings of any file: a setting reads with at most 254 characters; one
// written reads back trimmed and cut to that length, or is refused and leaves
// the file as it was.  The input is "section LF key LF value LF file".
#include "FuzzInput.h"
#include "Require.h"
#include "ScratchFile.h"
#include "storage/Settings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const kxfuzz::ScratchFile scratch("skinfolder.ehf");
    kxfuzz::FuzzInput input(data, size);
    // Tabs are blanks to settings; a value may hold a CR, which is refused.
    const std::string section = kxfuzz::NameFrom(input.line(), " \t");
    const std::string key = kxfuzz::NameFrom(input.line(), " \t");
    const std::string value = input.line(), bytes = input.rest();
    scratch.write(bytes);
    using kxfuzz::Require;
    Require(kx::ReadSetting(section, key, scratch.path()).size() <= kx::kMaxSettingLength,
            "a setting reads with 254 characters at most");
    const std::error_code error = kx::WriteSetting(section, key, value, scratch.path());
    Require(scratch.filesInFolder() == 1, "no temporary file is left");
    if (error) {
        Require(scratch.read() == bytes, "a refused setting leaves the file as it was");
        return 0;
    }
    const std::string expected = kx::Trimmed(value, " \t").substr(0, kx::kMaxSettingLength);
    Require(kx::ReadSetting(section, key, scratch.path()) == expected, "the setting written reads back");
    return 0;
}
