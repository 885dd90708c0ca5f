#include "Settings.h"

#include "AtomicFile.h"
#include "LineReader.h"
#include "core/Numbers.h"

#include <optional>
#include <vector>

namespace kx {

namespace {

// Tabs count as blanks here, as in settings files written by hand.
std::string trimmed(const std::string& text) { return Trimmed(text, " \t"); }

std::vector<std::string> readLines(const std::filesystem::path& file)
{
    std::vector<std::string> lines;
    LineReader reader(file);
    for (std::string line; reader.next(line);)
        lines.push_back(line);
    return lines;
}

// The section a header line opens, lower-cased; nothing for other lines.
std::optional<std::string> sectionOf(const std::string& line)
{
    if (line.find('[') == std::string::npos)
        return std::nullopt;
    const std::string text = trimmed(line);
    const std::size_t close = text.find(']');
    if (text.empty() || text[0] != '[' || close == std::string::npos)
        return std::nullopt;
    return LowerCase(trimmed(text.substr(1, close - 1)));
}

// The key of a "key=value" line, lower-cased; nothing for other lines.
std::optional<std::string> keyOf(const std::string& line)
{
    const std::size_t equals = line.find('=');
    if (equals == std::string::npos || sectionOf(line))
        return std::nullopt;
    return LowerCase(trimmed(line.substr(0, equals)));
}

// Where the section's lines lie: its header and the line after its last one.
struct SectionSpan {
    std::size_t header, end;
};

std::optional<SectionSpan> findSection(const std::vector<std::string>& lines, const std::string& section)
{
    const std::string wanted = LowerCase(trimmed(section));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (sectionOf(lines[i]) != wanted)
            continue;
        std::size_t end = i + 1;
        while (end < lines.size() && !sectionOf(lines[end]))
            ++end;
        return SectionSpan{i, end};
    }
    return std::nullopt;
}

std::optional<std::size_t> findKey(const std::vector<std::string>& lines, SectionSpan span,
                                   const std::string& key)
{
    const std::string wanted = LowerCase(trimmed(key));
    for (std::size_t i = span.header + 1; i < span.end; ++i)
        if (keyOf(lines[i]) == wanted)
            return i;
    return std::nullopt;
}

} // namespace

std::string ReadSetting(const std::string& section, const std::string& key,
                        const std::filesystem::path& file)
{
    // Read up to the entry only: a huge file costs no more than its head.
    const std::string wantedSection = LowerCase(trimmed(section));
    const std::string wantedKey = LowerCase(trimmed(key));
    LineReader reader(file);
    bool inSection = false;
    for (std::string line; reader.next(line);) {
        if (const std::optional<std::string> name = sectionOf(line)) {
            if (inSection)
                break;
            inSection = *name == wantedSection;
        } else if (inSection && keyOf(line) == wantedKey) {
            return trimmed(line.substr(line.find('=') + 1)).substr(0, kMaxSettingLength);
        }
    }
    return {};
}

std::error_code WriteSetting(const std::string& section, const std::string& key,
                             const std::string& value, const std::filesystem::path& file,
                             const WriteStepCheck& check)
{
    if (value.find_first_of("\r\n") != std::string::npos)
        return std::make_error_code(std::errc::invalid_argument);
    std::vector<std::string> lines = readLines(file);
    const std::string entry = trimmed(key) + "=" + value;
    const std::optional<SectionSpan> span = findSection(lines, section);
    if (!span) {
        lines.push_back("[" + trimmed(section) + "]");
        lines.push_back(entry);
    } else if (const std::optional<std::size_t> line = findKey(lines, *span, key)) {
        lines[*line] = entry;
    } else {
        // After the section's last entry, before the blank lines that part it from the next.
        std::size_t at = span->end;
        while (at > span->header + 1 && trimmed(lines[at - 1]).empty())
            --at;
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), entry);
    }
    std::string contents;
    for (const std::string& line : lines)
        contents += line + "\r\n";
    return WriteFileAtomically(file, contents, check);
}

std::string FolderOf(const std::string& path)
{
    const std::size_t separator = path.find_last_of("\\/");
    return separator == std::string::npos ? std::string() : path.substr(0, separator);
}

} // namespace kx
