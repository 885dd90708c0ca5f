// PutEntry of an entry the game could write into any file: afterwards the
// entry reads back, every other entry reads as before and no temporary file is
// left; a refused file stays byte for byte.  The input is
// "section LF key LF value LF file".
#include "Fuzzing.h"
#include "storage/EntryFile.h"

#include <set>
#include <vector>

using namespace kxfuzz;

namespace {

// What GetEntry gives in the file for a few keys that the lines of `bytes`
// hold, other than `key`, under `section` and the sections its headers name.
std::vector<std::string> othersIn(const std::filesystem::path& file, const std::string& bytes,
                                  const std::string& section, const std::string& key)
{
    std::set<std::string> sections{section}, keys;
    for (std::size_t start = 0, end = 0; start < bytes.size() && keys.size() < 8; start = end + 1) {
        end = std::min(bytes.find_first_of("\r\n", start), bytes.size());
        const std::string line = kx::Trimmed(bytes.substr(start, end - start));
        const std::string lineKey = line.substr(0, line.find('='));
        if (line.starts_with('[') && line.ends_with(']') && sections.size() < 4)
            sections.insert(line.substr(1, line.size() - 2));
        else if (lineKey != line && kx::LowerCase(lineKey) != kx::LowerCase(key))
            keys.insert(lineKey);
    }
    std::vector<std::string> values;
    for (const std::string& s : sections)
        for (const std::string& k : keys)
            values.push_back(kx::GetEntry(s, k, file));
    return values;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const ScratchFile scratch("entries.ehf");
    std::string_view input = AsText(data, size);
    const std::string section = NameFrom(TakeLine(input)), key = NameFrom(TakeLine(input));
    const std::string value = Cleaned(TakeLine(input), "[]"), bytes(input);
    scratch.write(bytes);
    const std::vector<std::string> before = othersIn(scratch.path(), bytes, section, key);
    const std::error_code error = kx::PutEntry(section, key, value, scratch.path());
    Require(scratch.alone(), "no temporary file is left");
    Require(!error || scratch.read() == bytes, "a refused file stays as it was");
    Require(error || kx::GetEntry(section, key, scratch.path()) == value, "the entry put reads back");
    Require(error || othersIn(scratch.path(), bytes, section, key) == before, "every other entry reads as before");
    return 0;
}
