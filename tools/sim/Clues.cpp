#include "Clues.h"

#include <regex>

namespace kxsim {

namespace {

// The phrases that carry the limit itself, the number caught first.
const std::regex kLimitPhrases[] = {
    std::regex(R"(Check sent to .+ for (\d+) )"),
    std::regex(R"(maximum payroll is \$(\d+))"),
    std::regex(R"(^\$(\d+)\*$)"), // the starred line of a payment list
    std::regex(R"([Mm]ax payment (?:=|is) \$(\d+))"),
    std::regex(R"(payments over (\d+) will)"),
    std::regex(R"(must be around (\d+) if)"),
};
// Two payments that were a quarter and three quarters of it.
const std::regex kSplitPayments(R"(Outgoing payments were ([\d.]+) and ([\d.]+)\.)");

} // namespace

std::optional<double> ReadLimit(const std::vector<std::string>& lines)
{
    std::smatch found;
    for (const std::string& line : lines) {
        for (const std::regex& phrase : kLimitPhrases)
            if (std::regex_search(line, found, phrase))
                return std::stod(found[1]);
        if (std::regex_search(line, found, kSplitPayments))
            return std::stod(found[1]) + std::stod(found[2]);
    }
    return std::nullopt;
}

} // namespace kxsim
