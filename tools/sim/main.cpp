// Plays headless games with plain strategies and prints the balance sheet:
//   kestrix-sim [--games N] [--seed S] [--strategy NAME] [--guide]
#include "BalanceSheet.h"
#include "Simulation.h"
#include "Strategies.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

namespace fs = std::filesystem;

struct Options {
    long games = 1000;
    std::uint64_t seed = 1;
    std::vector<std::string> strategies = kxsim::StrategyNames();
    bool help = false;
    bool guide = false;
};

template <typename Number> bool parse(const std::string& text, Number& number)
{
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    return error == std::errc() && end == text.data() + text.size();
}

// Takes the value of one option; false when the option or its value is not one of ours.
bool take(Options& options, const std::string& option, const std::string& value)
{
    if (option == "--games")
        return parse(value, options.games) && options.games > 0;
    if (option == "--seed")
        return parse(value, options.seed);
    if (option == "--strategy" && std::ranges::count(kxsim::StrategyNames(), value)) {
        options.strategies = {value};
        return true;
    }
    return false;
}

std::optional<Options> parseOptions(const std::vector<std::string>& args)
{
    Options options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--help")
            options.help = true;
        else if (args[i] == "--guide")
            options.guide = true;
        else if (i + 1 == args.size() || !take(options, args[i], args[i + 1]))
            return std::nullopt;
        else
            ++i;
    }
    return options;
}

void usage(std::FILE* to, const char* program)
{
    std::fprintf(to,
                 "usage: %s [--games N] [--seed S] [--strategy skip|hint|greedy|gear] [--guide]\n"
                 "Plays N games (1000 by default) of each strategy, or of the one named, from seed\n"
                 "S (1 by default), and prints the spread of their final cash, the share of games\n"
                 "lost and the games played a second.  With --guide it plays the first game alone,\n"
                 "as a first start with the guide showing, and prints the day on which the guide\n"
                 "ticked each of its six steps (- for a step never ticked).\n",
                 program);
}

// The games keep their files in a folder of this run's own, in memory where the system has one.
class ScratchFolder {
public:
    ScratchFolder()
    {
        std::error_code error;
        const fs::path memory = "/dev/shm";
        path = (fs::is_directory(memory, error) ? memory : fs::temp_directory_path()) /
               ("kestrix-sim-" + std::to_string(::getpid()));
        fs::create_directories(path);
    }
    ~ScratchFolder()
    {
        std::error_code ignored;
        fs::remove_all(path, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    fs::path path;
};

} // namespace

int main(int argc, char** argv)
{
    const auto options = parseOptions({argv + 1, argv + argc});
    if (!options || options->help) {
        usage(options ? stdout : stderr, argv[0]);
        return options ? 0 : 2;
    }
    const ScratchFolder folder;
    if (options->guide) {
        for (const std::string& strategy : options->strategies) {
            std::printf("%s guide", strategy.c_str());
            for (const int day : kxsim::GuideDays(strategy, options->seed, folder.path))
                std::printf(day ? " %d" : " -", day);
            std::printf("\n");
        }
        return 0;
    }
    std::printf("%s\n", kxsim::SheetHeader().c_str());
    for (const std::string& strategy : options->strategies) {
        const kxsim::Tally tally = kxsim::PlayGames(strategy, options->games, options->seed, folder.path);
        std::printf("%s\n", kxsim::SheetLine(strategy, tally).c_str());
        std::fflush(stdout);
    }
    return 0;
}
