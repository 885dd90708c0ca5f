#include "Numbers.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace kx {

std::int16_t RoundHalfUp(double x)
{
    const double whole = RoundHalfUpWhole(x);
    if (std::isnan(whole))
        return 0;
    return static_cast<std::int16_t>(std::clamp(whole, -32768.0, 32767.0));
}

double RoundHalfUpWhole(double x)
{
    const double f = std::floor(x);
    return std::floor(x + 0.5) > f ? f + 1 : f;
}

namespace {

std::string groupThousands(const std::string& digits)
{
    std::string out;
    const std::size_t n = digits.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += ',';
        out += digits[i];
    }
    return out;
}

// A whole number of any size, every digit written out.
std::string printWhole(double whole)
{
    std::string text(static_cast<std::size_t>(std::snprintf(nullptr, 0, "%.0f", whole)), '\0');
    std::snprintf(text.data(), text.size() + 1, "%.0f", whole);
    return text;
}

} // namespace

std::string FormatAmount(double x)
{
    if (!std::isfinite(x))
        return NumberText(x);
    // Whole amounts keep every digit; others are counted in tenths, rounded
    // half away from zero as the money pattern "#,##0.#" rounds.
    const bool whole = x == std::floor(x);
    std::string digits = printWhole(whole ? std::fabs(x) : std::round(std::fabs(x) * 10));
    std::string decimals;
    if (!whole) {
        digits.insert(0, 2 - std::min<std::size_t>(digits.size(), 2), '0');
        if (digits.back() != '0') // the pattern drops a zero decimal
            decimals = std::string(".") + digits.back();
        digits.pop_back();
    }
    const bool negative = std::signbit(x) && (digits != "0" || !decimals.empty());
    return (negative ? "-" : "") + groupThousands(digits) + decimals;
}

std::string NumberText(double x)
{
    if (std::isnan(x))
        return "NaN";
    if (std::isinf(x))
        return x > 0 ? "Infinity" : "-Infinity";
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.7G", x);
    std::string text = buffer;
    const auto exponent = text.find('E');
    std::string mantissa = text.substr(0, exponent);
    if (mantissa.find('.') != std::string::npos) {
        mantissa.erase(mantissa.find_last_not_of('0') + 1);
        if (mantissa.back() == '.')
            mantissa.pop_back();
    }
    if (mantissa == "-0")
        mantissa = "0";
    return exponent == std::string::npos ? mantissa : mantissa + text.substr(exponent);
}

std::string Trimmed(const std::string& text, std::string_view blanks)
{
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

std::optional<double> ParseNumber(const std::string& text)
{
    const std::string body = Trimmed(text);
    if (body.empty())
        return std::nullopt;
    std::size_t i = body[0] == '-' || body[0] == '+' ? 1 : 0;
    int digits = 0, points = 0;
    for (; i < body.size(); ++i) {
        if (body[i] >= '0' && body[i] <= '9')
            ++digits;
        else if (body[i] == '.' && ++points == 1)
            continue;
        else
            return std::nullopt;
    }
    if (digits == 0)
        return std::nullopt;
    return std::strtod(body.c_str(), nullptr);
}

std::optional<double> ParseAmount(const std::string& text)
{
    std::string body = Trimmed(text);
    if (body.empty())
        return std::nullopt;
    if (body.starts_with('$'))
        body.erase(0, 1);
    // A thousands separator stands between two digits of the whole part.
    const std::size_t point = std::min(body.find('.'), body.size());
    for (std::size_t i = point; i-- > 0;) {
        if (body[i] != ',')
            continue;
        if (i == 0 || i + 1 >= point || !std::isdigit(static_cast<unsigned char>(body[i - 1])) ||
            !std::isdigit(static_cast<unsigned char>(body[i + 1])))
            return std::nullopt;
        body.erase(i, 1);
    }
    if (body.starts_with('-') || body.starts_with(' '))
        return std::nullopt;
    const std::optional<double> amount = ParseNumber(body);
    if (!amount || !std::isfinite(*amount))
        return std::nullopt;
    return amount;
}

namespace {

unsigned char upper(unsigned char c)
{
    if ((c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7))
        return c - 0x20;
    switch (c) {
    case 0x9A: return 0x8A;
    case 0x9C: return 0x8C;
    case 0x9E: return 0x8E;
    case 0xFF: return 0x9F;
    default: return c;
    }
}

unsigned char lower(unsigned char c)
{
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
        return c + 0x20;
    switch (c) {
    case 0x8A: return 0x9A;
    case 0x8C: return 0x9C;
    case 0x8E: return 0x9E;
    case 0x9F: return 0xFF;
    default: return c;
    }
}

} // namespace

std::string UpperFirst(const std::string& text)
{
    std::string out = text;
    if (!out.empty())
        out[0] = static_cast<char>(upper(static_cast<unsigned char>(out[0])));
    return out;
}

std::string LowerCase(const std::string& text)
{
    std::string out = text;
    for (char& c : out)
        c = static_cast<char>(lower(static_cast<unsigned char>(c)));
    return out;
}

} // namespace kx
