#pragma once

// The game's timing sheet: every duration the game waits or ticks by.
namespace kx::timing {

// The scrolling strips run on 1 ms timers; the desktop the game was made for
// raises such timers to its 15.625 ms clock, so they tick 64 times a second.
inline constexpr double kStripTickSeconds = 1.0 / 64.0;

// Connecting: the pauses after the three rows of dots, then before "?Name".
inline constexpr double kConnectDotPauses[] = {0.5, 0.8, 0.6};
inline constexpr double kBannerPause = 0.2;
// Crackers: after each "Attempt" line; a failed try then waits a random
// number of these, one to nine.
inline constexpr double kCrackerStep = 0.1;
inline constexpr double kCrackerRetryUnit = 0.1;
// Writing a payment into the database.
inline constexpr double kSavePause = 1.5;
// The credits type each character after one, two or three of these.
inline constexpr double kCreditsCharUnit = 0.01;

} // namespace kx::timing
