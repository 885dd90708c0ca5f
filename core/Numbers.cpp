#include "Numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

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

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// A whole number of any size, every digit written out.
std::string printWhole(double whole)
{
    char buffer[400]; // the largest double has 309 digits
    return {buffer, std::to_chars(std::begin(buffer), std::end(buffer), whole, std::chars_format::fixed).ptr};
}

// The value of number text already checked to be one: an optional sign,
// digits with at most one decimal point, perhaps an exponent.  The point is
// the decimal point whatever the process locale says.  Nothing for a number
// beyond a double.
std::optional<double> valueOf(std::string_view text)
{
    const bool negative = text.starts_with('-');
    if (text.starts_with('+') || negative)
        text.remove_prefix(1);
    double value = 0;
    if (std::from_chars(text.data(), text.data() + text.size(), value).ec != std::errc())
        return std::nullopt;
    return negative ? -value : value;
}

// Whether the text is digits with at most one of the decimal marks, at least
// one digit among them.
bool isDecimal(std::string_view text, std::string_view marks)
{
    const std::size_t mark = std::min(text.find_first_of(marks), text.size());
    const std::string_view whole = text.substr(0, mark), fraction = text.substr(std::min(mark + 1, text.size()));
    return std::ranges::all_of(whole, isDigit) && std::ranges::all_of(fraction, isDigit) &&
           whole.size() + fraction.size() > 0;
}

std::string_view withoutSign(std::string_view text)
{
    return text.substr(text.starts_with('-') || text.starts_with('+') ? 1 : 0);
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

std::string WholeAmount(double x) { return FormatAmount(RoundHalfUpWhole(x)); }

std::string NumberText(double x)
{
    if (std::isnan(x))
        return "NaN";
    if (std::isinf(x))
        return x > 0 ? "Infinity" : "-Infinity";
    if (x == 0)
        return "0";
    char buffer[32];
    std::string text(buffer, std::to_chars(std::begin(buffer), std::end(buffer), x, std::chars_format::general, 7).ptr);
    std::ranges::replace(text, 'e', 'E');
    return text;
}

std::string PlainNumberText(float x)
{
    char buffer[64]; // the largest float has 39 digits
    return {buffer, std::to_chars(std::begin(buffer), std::end(buffer), x, std::chars_format::fixed).ptr};
}

std::optional<double> ReadNumberText(const std::string& text)
{
    const std::size_t e = std::min(text.find_first_of("eE"), text.size());
    std::string number = text;
    std::ranges::replace(number, ',', '.');
    const std::string_view power = e < text.size() ? withoutSign(std::string_view(text).substr(e + 1)) : "0";
    if (!isDecimal(withoutSign(std::string_view(number).substr(0, e)), ".") || power.empty() ||
        !std::ranges::all_of(power, isDigit))
        return std::nullopt;
    return valueOf(number);
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
    const std::string_view digits = withoutSign(body);
    if (!isDecimal(digits, "."))
        return std::nullopt;
    if (const std::optional<double> value = valueOf(body))
        return value;
    // Beyond a double: an infinity when the whole part has a digit but 0, else zero.
    const bool large = digits.substr(0, digits.find('.')).find_first_not_of('0') != std::string_view::npos;
    const double size = large ? std::numeric_limits<double>::infinity() : 0.0;
    return body.starts_with('-') ? -size : size;
}

std::optional<double> ParseAmount(const std::string& text)
{
    std::string body = Trimmed(text);
    if (body.empty())
        return std::nullopt;
    if (body.starts_with('$'))
        body.erase(0, 1);
    // Thousands separators part the whole into groups of three digits, so a
    // decimal comma ("1500,50") is no amount rather than a hundred times one.
    const std::size_t point = std::min(body.find('.'), body.size());
    for (std::size_t i = body.find(','); i < point; i = body.find(',', i + 1)) {
        const std::size_t group = std::min(body.find_first_of(",.", i + 1), body.size()) - i - 1;
        if (i == 0 || group != 3 || !isDigit(body[i - 1]))
            return std::nullopt;
    }
    body.erase(std::remove(body.begin(), body.begin() + static_cast<std::ptrdiff_t>(point), ','),
               body.begin() + static_cast<std::ptrdiff_t>(point));
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
