#pragma once

// What the fuzz targets share: stopping at a broken property, taking the input
// apart, and a scratch file for the readers and writers of files.
#include "core/Numbers.h"
#include "support/Files.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <string>
#include <string_view>

namespace kxfuzz {

// Stops at a broken property with its name: libFuzzer keeps the input as a
// crash, and the corpus replay fails.
inline void Require(bool holds, const char* property)
{
    if (!holds) {
        std::fprintf(stderr, "Broken: %s\n", property);
        std::abort();
    }
}

inline std::string_view AsText(const std::uint8_t* data, std::size_t size)
{
    return {reinterpret_cast<const char*>(data), size};
}

// A target takes its short texts from the first lines of its input and keeps
// the rest, usually as a file's bytes: the text up to the next LF, which is
// dropped, or all that is left without one.
inline std::string TakeLine(std::string_view& input)
{
    const std::size_t end = std::min(input.find('\n'), input.size());
    std::string line(input.substr(0, end));
    input.remove_prefix(std::min(end + 1, input.size()));
    return line;
}

// The text without line breaks and the refused bytes, trimmed of the blanks.
inline std::string Cleaned(std::string text, std::string_view refused, std::string_view blanks = " ")
{
    std::erase_if(text, [&](char c) { return c == '\r' || c == '\n' || refused.find(c) != refused.npos; });
    return kx::Trimmed(text, blanks);
}

// A section or key name as the game writes one: never empty, and none of the
// brackets and the "=" that give a line its meaning.
inline std::string NameFrom(const std::string& text, std::string_view blanks = " ")
{
    const std::string name = Cleaned(text, "[]=", blanks);
    return name.empty() ? "x" : name;
}

// A file in a folder of the run's own, removed with it when the run ends.  The
// game's writers flush every file, so a run is much faster with TMPDIR on a
// memory disk.
class ScratchFile {
public:
    explicit ScratchFile(const std::string& name) : file_(folder_.path() / name) {}
    const std::filesystem::path& path() const { return file_; }
    void write(std::string_view bytes) const { kxtest::WriteBytes(file_, bytes); }
    std::string read() const { return kxtest::FileBytes(file_); }
    // A writer that keeps its word leaves no temporary file behind.
    bool alone() const
    {
        const std::filesystem::directory_iterator files(folder_.path());
        return std::distance(begin(files), end(files)) == 1;
    }

private:
    const kxtest::ScratchFolder folder_;
    const std::filesystem::path file_;
};

} // namespace kxfuzz
