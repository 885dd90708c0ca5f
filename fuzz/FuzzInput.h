#pragma once

#include "core/Numbers.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace kxfuzz {

// The bytes libFuzzer hands a target, taken apart: its short texts come from
// the first lines, and the rest is usually a file's bytes.
class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size)
        : rest_(reinterpret_cast<const char*>(data), size)
    {
    }
    // The text up to the next LF, which is dropped; all that is left without one.
    std::string line()
    {
        const std::size_t end = std::min(rest_.find('\n'), rest_.size());
        std::string text(rest_.substr(0, end));
        rest_.remove_prefix(std::min(end + 1, rest_.size()));
        return text;
    }
    std::string rest() const { return std::string(rest_); }

private:
    std::string_view rest_;
};

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

} // namespace kxfuzz
