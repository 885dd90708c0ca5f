#include "EntryFile.h"

#include "AtomicFile.h"
#include "core/Numbers.h"

#include <algorithm>
#include <cerrno>
#include <fstream>
#include <limits>
#include <vector>

namespace kx {

namespace {

bool contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

// The streams keep no error of their own; the number the player sees is the
// one the system left when opening or reading failed.
std::error_code lastError()
{
    return errno != 0 ? std::error_code(errno, std::generic_category())
                      : std::make_error_code(std::errc::io_error);
}

std::error_code readBytes(const std::filesystem::path& file, std::string& bytes)
{
    errno = 0;
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return lastError();
    // Read through the stream, not its buffer: a failing read (a folder, a
    // bad disk) then marks the stream instead of throwing.
    char block[4096];
    while (in.read(block, sizeof block) || in.gcount() > 0)
        bytes.append(block, static_cast<std::size_t>(in.gcount()));
    if (in.bad())
        return lastError();
    return {};
}

// Splits at CR LF, a lone CR or a lone LF, so a file edited elsewhere reads the
// same.  The end of the last line needs no line break.  Stops once more than
// maxLines lines are read.
std::vector<std::string> splitLines(const std::string& bytes,
                                    std::size_t maxLines = std::numeric_limits<std::size_t>::max(),
                                    const std::function<void()>& eachLine = {})
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size() && lines.size() <= maxLines) {
        const std::size_t end = std::min(bytes.find_first_of("\r\n", start), bytes.size());
        lines.push_back(bytes.substr(start, end - start));
        start = end + 1;
        if (end + 1 < bytes.size() && bytes[end] == '\r' && bytes[end + 1] == '\n')
            ++start;
        if (eachLine)
            eachLine();
    }
    return lines;
}

// Whether a line is a header naming the section: trimmed and lower-cased, it
// holds "[", and after the first one come as many characters as the line's
// length less two, so "[x]" names x.
bool namesSection(const std::string& line, const std::string& wantedSection)
{
    const std::string header = LowerCase(Trimmed(line));
    const std::size_t open = header.find('[');
    // A line of one character names nothing.
    return open != std::string::npos && header.size() >= 2 &&
           header.substr(open + 1, header.size() - 2) == wantedSection;
}

// Where an entry is read from: the first header naming the section and below
// it, before a line holding "]", the first line whose text before its first
// "=" is the key.  Either is lines.size() when missing.  Reader and writer
// share it, so a value put is the value got and no other entry moves.
struct EntryPlace {
    std::size_t header, entry;
};

EntryPlace findEntry(const std::vector<std::string>& lines, const std::string& section,
                     const std::string& key, const std::function<void()>& eachLine = {})
{
    const std::string wantedSection = LowerCase(section);
    const std::string wantedKey = LowerCase(key);
    EntryPlace place{lines.size(), lines.size()};
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (eachLine)
            eachLine();
        if (place.header == lines.size()) {
            if (namesSection(lines[i], wantedSection))
                place.header = i;
            continue;
        }
        const std::string entry = Trimmed(lines[i]);
        if (contains(entry, "]"))
            break;
        const std::size_t equals = entry.find('=');
        if (equals != std::string::npos && LowerCase(entry.substr(0, equals)) == wantedKey) {
            place.entry = i;
            break;
        }
    }
    return place;
}

} // namespace

std::string GetEntry(const std::string& section, const std::string& key,
                     const std::filesystem::path& file)
{
    std::string bytes;
    if (readBytes(file, bytes))
        return {};
    const std::vector<std::string> lines = splitLines(bytes);
    const EntryPlace place = findEntry(lines, section, key);
    if (place.entry == lines.size())
        return {};
    const std::string entry = Trimmed(lines[place.entry]);
    return Trimmed(entry.substr(entry.find('=') + 1));
}

std::error_code PutEntry(const std::string& section, const std::string& key,
                         const std::string& value, const std::filesystem::path& file,
                         const std::function<void()>& eachLine)
{
    std::error_code error;
    const bool exists = std::filesystem::exists(file, error);
    if (error)
        return error;
    std::string bytes;
    if (exists)
        error = readBytes(file, bytes);
    if (error)
        return error;
    std::vector<std::string> lines = splitLines(bytes, kMaxEntryFileLines, eachLine);
    if (lines.size() > kMaxEntryFileLines)
        return std::make_error_code(std::errc::file_too_large);

    const std::string name = LowerCase(Trimmed(section));
    const std::string keyName = LowerCase(Trimmed(key));
    const EntryPlace place = findEntry(lines, name, keyName, eachLine);
    const std::string entry = keyName + "=" + value;
    if (place.entry < lines.size()) {
        lines[place.entry] = entry;
    } else if (place.header < lines.size()) {
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(place.header) + 1, entry);
    } else {
        lines.push_back("[" + name + "]");
        lines.push_back(entry);
    }
    std::string contents;
    for (const std::string& line : lines)
        contents += line + "\r\n";
    return WriteFileAtomically(file, contents);
}

std::error_code PutEntries(const std::string& section,
                           const std::vector<std::pair<std::string, std::string>>& entries,
                           const std::filesystem::path& file, const std::function<void()>& eachLine)
{
    namespace fs = std::filesystem;
    std::error_code error;
    fs::path scratch = file;
    scratch += ".writing";
    if (fs::exists(file, error))
        fs::copy_file(file, scratch, fs::copy_options::overwrite_existing, error);
    else
        fs::remove(scratch, error);
    for (const auto& [key, value] : entries) {
        if (error)
            break;
        error = PutEntry(section, key, value, scratch, eachLine);
    }
    if (!error)
        fs::rename(scratch, file, error);
    std::error_code ignored;
    fs::remove(scratch, ignored);
    return error;
}

} // namespace kx
