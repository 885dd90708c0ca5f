#pragma once

#include <cstddef>
#include <deque>
#include <string>

namespace kx {

// The lines typed in one terminal, as a shell keeps them: Up brings back the
// one before, Down the one after, and past the newest an empty line.
class CommandHistory {
public:
    static constexpr std::size_t kMostLines = 50;

    // A line sent with Enter; an empty one or a repeat of the newest is not kept twice.
    void Add(const std::string& line);
    // Puts the line before the one shown into `shown`; at the oldest it stays.
    void Older(std::string& shown);
    // Puts the line after the one shown into `shown`, or an empty line past the
    // newest; a line being typed is left alone.
    void Newer(std::string& shown);

private:
    std::deque<std::string> lines_; // newest first
    std::size_t recalled_ = 0; // how far back the line shown is; 0 is the line being typed
};

} // namespace kx
