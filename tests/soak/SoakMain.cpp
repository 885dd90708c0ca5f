// Plays random games through the engine and stops at the first broken rule,
// naming the game so that it can be replayed alone:
//   kestrix-soak --games N --seed S     games 1 to N of seed S
//   kestrix-soak --seed S --game K      game K of seed S alone
#include "Soak.h"

#include <chrono>
#include <cstdio>
#include <fstream>
#include <map>
#include <string>
#include <stdexcept>

#include <unistd.h>

namespace {

// Resident memory in KiB, which must stay flat however many games are played.
long residentKiB()
{
    long size = 0, resident = 0;
    std::ifstream("/proc/self/statm") >> size >> resident;
    return resident * (::sysconf(_SC_PAGESIZE) / 1024);
}

} // namespace

int main(int argc, char** argv)
{
    std::map<std::string, long> option{{"--games", 100}, {"--seed", 1}, {"--game", 0}};
    for (int i = 1; i < argc; i += 2)
        if (!option.contains(argv[i]) || i + 1 == argc || (option[argv[i]] = std::atol(argv[i + 1])) < 0) {
            std::fprintf(stderr, "usage: %s [--games N] [--seed S] [--game K]\n", argv[0]);
            return 2;
        }
    const long seed = option["--seed"], first = option["--game"] ? option["--game"] : 1;
    const long last = option["--game"] ? first : option["--games"];
    // Each game draws from a seed of its own, so game K plays alone as it did in its run.
    const auto gameSeed = [&](long k) {
        return static_cast<std::uint64_t>(seed) << 32 ^ static_cast<std::uint64_t>(k);
    };
    const auto start = std::chrono::steady_clock::now();
    for (long k = first; k <= last; ++k) {
        try {
            kxsoak::PlayGame(gameSeed(k), 1500);
        } catch (const std::exception& e) {
            std::printf("game %ld of seed %ld broke a rule at %s\nreplay: %s --seed %ld --game %ld\n", k,
                        seed, e.what(), argv[0], seed, k);
            return 1;
        }
        if (k == 1000 || k == last)
            std::printf("resident memory after game %ld: %ld KiB\n", k, residentKiB()), std::fflush(stdout);
    }
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    std::printf("%ld games in %.1f s: %.1f games a second\n", last - first + 1, took.count(),
                static_cast<double>(last - first + 1) / took.count());
    return 0;
}
