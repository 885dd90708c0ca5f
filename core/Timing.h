#pragma once

// The game's timing sheet: every duration the game waits or ticks by.
namespace kx::timing {

// The scrolling strips run on 1 ms timers; the desktop the game was made for
// raises such timers to its 15.625 ms clock, so they tick 64 times a second.
inline constexpr double kStripTickSeconds = 1.0 / 64.0;

} // namespace kx::timing
