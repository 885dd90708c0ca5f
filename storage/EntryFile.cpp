#include "EntryFile.h"

#include "AtomicFile.h"
#include "LineReader.h"
#include "core/Numbers.h"

#include <optional>
#include <vector>

namespace kx {

namespace {

bool contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

// The lines of the file, at most maxLines + 1 of them, so a file over the
// limit is told by its count without being read to its end.
std::error_code readLines(const std::filesystem::path& file, std::size_t maxLines,
                          const std::function<void()>& eachLine, std::vector<std::string>& lines)
{
    LineReader reader(file);
    std::string line;
    while (lines.size() <= maxLines && reader.next(line)) {
        lines.push_back(line);
        if (eachLine)
            eachLine();
    }
    return reader.error();
}

// Whether a line is a header naming the section: trimmed and lower-cased, it
// holds "[", and after the first one come as many characters as the line's
// length less two, so "[x]" names x.  A line of one character names nothing.
bool namesSection(const std::string& line, const std::string& wantedSection)
{
    if (line.find('[') == std::string::npos)
        return false;
    const std::string header = LowerCase(Trimmed(line));
    const std::size_t open = header.find('[');
    return header.size() >= 2 && header.substr(open + 1, header.size() - 2) == wantedSection;
}

// The key of an entry line, lower-cased: its trimmed text before the first "=".
std::optional<std::string> keyOf(const std::string& entry)
{
    const std::size_t equals = entry.find('=');
    if (equals == std::string::npos)
        return std::nullopt;
    return LowerCase(entry.substr(0, equals));
}

// Puts key=value where GetEntry reads it from: the first header naming the
// section and, below it before a line holding "]", the first line of the key;
// so a value put is the value got and no other entry moves.  eachLine runs
// after every line searched.
void putInto(std::vector<std::string>& lines, const std::string& section, const std::string& key,
             const std::string& value, const std::function<void()>& eachLine)
{
    const std::string name = LowerCase(Trimmed(section));
    const std::string keyName = LowerCase(Trimmed(key));
    std::size_t header = lines.size(), at = lines.size();
    for (std::size_t i = 0; i < lines.size() && at == lines.size(); ++i) {
        if (eachLine)
            eachLine();
        if (header == lines.size()) {
            if (namesSection(lines[i], name))
                header = i;
            continue;
        }
        const std::string entry = Trimmed(lines[i]);
        if (contains(entry, "]"))
            break;
        if (keyOf(entry) == keyName)
            at = i;
    }
    const std::string entry = keyName + "=" + value;
    if (at < lines.size()) {
        lines[at] = entry;
    } else if (header < lines.size()) {
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(header) + 1, entry);
    } else {
        lines.push_back("[" + name + "]");
        lines.push_back(entry);
    }
}

std::error_code putEntries(const std::string& section,
                           const std::vector<std::pair<std::string, std::string>>& entries,
                           const std::filesystem::path& from, const std::filesystem::path& to,
                           const std::function<void()>& eachLine, const WriteStepCheck& check)
{
    std::vector<std::string> lines;
    std::error_code error;
    if (std::filesystem::exists(from, error))
        error = readLines(from, kMaxEntryFileLines, eachLine, lines);
    for (const auto& [key, value] : entries) {
        if (error)
            return error;
        if (lines.size() > kMaxEntryFileLines)
            return std::make_error_code(std::errc::file_too_large);
        putInto(lines, section, key, value, eachLine);
    }
    if (error)
        return error;
    std::string contents;
    for (const std::string& line : lines)
        contents += line + "\r\n";
    return WriteFileAtomically(to, contents, check);
}

} // namespace

std::vector<std::string> GetEntries(const std::string& section, const std::vector<std::string>& keys,
                                    const std::filesystem::path& file)
{
    std::vector<std::string> values(keys.size());
    std::vector<bool> found(keys.size());
    std::vector<std::string> wantedKeys;
    for (const std::string& key : keys)
        wantedKeys.push_back(LowerCase(key));
    const std::string wantedSection = LowerCase(section);
    LineReader reader(file);
    std::string line;
    bool inSection = false;
    std::size_t missing = keys.size();
    while (missing > 0 && reader.next(line)) {
        if (!inSection) {
            inSection = namesSection(line, wantedSection);
            continue;
        }
        // Only the first section of the name counts; a line holding "]" ends it.
        const std::string entry = Trimmed(line);
        if (contains(entry, "]"))
            break;
        const std::optional<std::string> key = keyOf(entry);
        for (std::size_t i = 0; key && i < keys.size(); ++i) {
            if (!found[i] && *key == wantedKeys[i]) {
                found[i] = true;
                values[i] = Trimmed(entry.substr(entry.find('=') + 1));
                --missing;
            }
        }
    }
    return values;
}

std::string GetEntry(const std::string& section, const std::string& key, const std::filesystem::path& file)
{
    return GetEntries(section, {key}, file).front();
}

std::error_code PutEntry(const std::string& section, const std::string& key,
                         const std::string& value, const std::filesystem::path& file,
                         const std::function<void()>& eachLine, const WriteStepCheck& check)
{
    return PutEntries(section, {{key, value}}, file, eachLine, check);
}

std::error_code PutEntries(const std::string& section,
                           const std::vector<std::pair<std::string, std::string>>& entries,
                           const std::filesystem::path& file, const std::function<void()>& eachLine,
                           const WriteStepCheck& check)
{
    return putEntries(section, entries, file, file, eachLine, check);
}

std::error_code PutEntriesInto(const std::string& section,
                               const std::vector<std::pair<std::string, std::string>>& entries,
                               const std::filesystem::path& from, const std::filesystem::path& to,
                               const WriteStepCheck& check)
{
    return putEntries(section, entries, from, to, {}, check);
}

} // namespace kx
