#pragma once

#include "AtomicFile.h"

#include <array>
#include <filesystem>
#include <system_error>

namespace kx {

// The sizes the windows can be shown at, in percent of their designed size.
inline constexpr std::array<int, 5> kWindowSizes{100, 125, 150, 200, 300};

// The size the player chose, kept in its own section of the skin settings
// file, which the game's other readers pass over; 100 when none was chosen or
// the file holds no size of the list.
int ReadWindowSize(const std::filesystem::path& settings);
std::error_code WriteWindowSize(int percent, const std::filesystem::path& settings,
                                const WriteStepCheck& check = {});

} // namespace kx
