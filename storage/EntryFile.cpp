#include "EntryFile.h"

#include "AtomicFile.h"
#include "LineReader.h"
#include "core/Numbers.h"

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

// Puts key=value into the lines.  The last header of the section counts, and
// the last line of the key among the lines under any header of the section, so
// a section written twice by hand still gets its key replaced, not added once
// more.  eachLine runs after every line searched.
void putInto(std::vector<std::string>& lines, const std::string& section, const std::string& key,
             const std::string& value, const std::function<void()>& eachLine)
{
    const std::string header = "[" + LowerCase(Trimmed(section)) + "]";
    const std::string keyPart = LowerCase(Trimmed(key)) + "=";
    std::size_t headerLine = lines.size();
    std::size_t keyLine = lines.size();
    bool inSection = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string lower = LowerCase(lines[i]);
        if (contains(lower, header)) {
            headerLine = i;
            inSection = true;
        } else if (contains(lower, "[")) {
            inSection = false;
        } else if (inSection && contains(lower, keyPart)) {
            keyLine = i;
        }
        if (eachLine)
            eachLine();
    }
    const std::string entry = keyPart + value;
    if (keyLine < lines.size()) {
        lines[keyLine] = entry;
    } else if (headerLine < lines.size()) {
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(headerLine) + 1, entry);
    } else {
        lines.push_back(header);
        lines.push_back(entry);
    }
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
        if (!inSection && line.find('[') == std::string::npos)
            continue; // not a header, and nothing else counts before the section
        const std::string entry = Trimmed(line);
        if (!inSection) {
            // "[x]" names x; a line of one character names nothing.
            const std::string header = LowerCase(entry);
            const std::size_t open = header.find('[');
            inSection = open != std::string::npos && header.size() >= 2 &&
                        header.substr(open + 1, header.size() - 2) == wantedSection;
            continue;
        }
        // Only the first section of the name counts; a line holding "]" ends it.
        if (contains(entry, "]"))
            break;
        const std::size_t equals = entry.find('=');
        if (equals == std::string::npos)
            continue;
        const std::string key = LowerCase(entry.substr(0, equals));
        for (std::size_t i = 0; i < keys.size(); ++i) {
            if (!found[i] && key == wantedKeys[i]) {
                found[i] = true;
                values[i] = Trimmed(entry.substr(equals + 1));
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
    std::vector<std::string> lines;
    std::error_code error;
    if (std::filesystem::exists(file, error))
        error = readLines(file, kMaxEntryFileLines, eachLine, lines);
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
    return WriteFileAtomically(file, contents, check);
}

} // namespace kx
