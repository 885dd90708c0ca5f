#pragma once

#include <QString>

#include <optional>

namespace kx {

// What the game was started with.
struct CommandLine {
    // Set when the program is to end at once with this code, having said why.
    std::optional<int> exitCode;
    // Where to save a picture of the game once its first message shows; empty for none.
    QString screenshot;
};

// Reads the options before any window opens, so that --help and --version also answer in a
// terminal without a display.  The application's name and version must be set.
CommandLine readCommandLine(int argc, char* argv[]);

} // namespace kx
