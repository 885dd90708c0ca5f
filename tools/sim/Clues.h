#pragma once

#include <optional>
#include <string>
#include <vector>

namespace kxsim {

// The largest payment the server sends unnoticed, as a text on the screen
// lets it slip: a hint file, a check logged in another file.  Nothing when
// the lines tell nothing of it.
std::optional<double> ReadLimit(const std::vector<std::string>& lines);

} // namespace kxsim
