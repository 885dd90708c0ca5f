#pragma once

#include <array>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

namespace kx {

// Reads a text file line by line, a block at a time, so that a huge file costs
// no more memory than its longest line.  A line ends at CR LF, a lone CR or a
// lone LF; the last line needs no ending.
class LineReader {
public:
    explicit LineReader(const std::filesystem::path& file);

    // The file could not be opened, or a read failed.
    std::error_code error() const { return error_; }
    // The next line, without its ending; false once there is none.
    bool next(std::string& line);

private:
    bool refill();

    std::ifstream in_;
    std::array<char, 1 << 16> block_{};
    std::size_t at_ = 0, end_ = 0;
    bool afterCr_ = false; // an LF next belongs to the CR that ended the last line
    std::error_code error_;
};

} // namespace kx
