// PutEntry of an entry the game could write into any file: afterwards the
// entry reads back, every other entry reads as before and no temporary file is
// left; a refused file stays byte for byte.  The input is
// "section LF key LF value LF file".
#include "FuzzInput.h"
#include "Require.h"
#include "ScratchFile.h"
#include "storage/EntryFile.h"

#include <set>
#include <utility>
#include <vector>

namespace {

using Entries = std::vector<std::pair<std::string, std::string>>; // section and key

// The sections that headers of the file name and the keys its lines hold,
// a few of each, paired with one another and with the section written.
Entries entriesOf(const std::string& bytes, const std::string& section)
{
    std::set<std::string> sections{section}, keys;
    std::size_t start = 0;
    while (start < bytes.size() && (sections.size() < 4 || keys.size() < 8)) {
        const std::size_t end = std::min(bytes.find_first_of("\r\n", start), bytes.size());
        const std::string line = kx::Trimmed(bytes.substr(start, end - start));
        start = end + 1;
        if (line.starts_with('[') && line.ends_with(']') && sections.size() < 4)
            sections.insert(line.substr(1, line.size() - 2));
        else if (line.find('=') != std::string::npos && keys.size() < 8)
            keys.insert(line.substr(0, line.find('=')));
    }
    Entries entries;
    for (const std::string& s : sections)
        for (const std::string& k : keys)
            entries.emplace_back(s, k);
    return entries;
}

std::vector<std::string> valuesOf(const Entries& entries, const kxfuzz::ScratchFile& file)
{
    std::vector<std::string> values;
    for (const auto& [section, key] : entries)
        values.push_back(kx::GetEntry(section, key, file.path()));
    return values;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const kxfuzz::ScratchFile scratch;
    kxfuzz::FuzzInput input(data, size);
    const std::string section = kxfuzz::NameFrom(input.line()), key = kxfuzz::NameFrom(input.line());
    const std::string value = kxfuzz::Cleaned(input.line(), "[]"), bytes = input.rest();
    scratch.write(bytes);
    Entries others = entriesOf(bytes, section);
    std::erase_if(others, [&](const auto& entry) {
        return kx::LowerCase(entry.second) == kx::LowerCase(key);
    });
    const std::vector<std::string> before = valuesOf(others, scratch);

    using kxfuzz::Require;
    const std::error_code error = kx::PutEntry(section, key, value, scratch.path());
    Require(scratch.filesInFolder() == 1, "no temporary file is left");
    if (error) {
        Require(scratch.read() == bytes, "a refused file stays as it was");
        return 0;
    }
    Require(kx::GetEntry(section, key, scratch.path()) == value, "the entry put reads back");
    Require(valuesOf(others, scratch) == before, "every other entry reads as before");
    return 0;
}
