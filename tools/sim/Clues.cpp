#include "Clues.h"

#include <charconv>
#include <string_view>

namespace kxsim {

namespace {

// The number that follows the first `before` in the line, when one does.
std::optional<double> numberAfter(std::string_view line, std::string_view before)
{
    const auto at = line.find(before);
    if (at == line.npos)
        return std::nullopt;
    line.remove_prefix(at + before.size());
    double number = 0;
    const auto [end, error] = std::from_chars(line.data(), line.data() + line.size(), number);
    if (error != std::errc() || end == line.data())
        return std::nullopt;
    return number;
}

// The phrases that come just before the limit itself.
constexpr std::string_view kBeforeLimit[] = {
    "maximum payroll is $", "Max payment = $", "max payment is $", "payments over ", "must be around ",
};

std::optional<double> limitIn(std::string_view line)
{
    // A check names its company, in which no " for " stands.
    if (line.starts_with("Check sent to "))
        return numberAfter(line, " for ");
    // The starred line of a payment list.
    if (line.starts_with("$") && line.ends_with("*"))
        return numberAfter(line, "$");
    // Two payments that were a quarter and three quarters of it.
    if (const auto quarter = numberAfter(line, "Outgoing payments were ")) {
        const auto threeQuarters = numberAfter(line, " and ");
        return threeQuarters ? std::optional(*quarter + *threeQuarters) : std::nullopt;
    }
    for (const std::string_view before : kBeforeLimit)
        if (const auto limit = numberAfter(line, before))
            return limit;
    return std::nullopt;
}

} // namespace

std::optional<double> ReadLimit(const std::vector<std::string>& lines)
{
    for (const std::string& line : lines)
        if (const auto limit = limitIn(line))
            return limit;
    return std::nullopt;
}

} // namespace kxsim
