#include "LineReader.h"

#include <algorithm>
#include <cerrno>

namespace kx {

namespace {

// The streams keep no error of their own; the number the player sees is the
// one the system left when opening or reading failed.
std::error_code lastError()
{
    return errno != 0 ? std::error_code(errno, std::generic_category())
                      : std::make_error_code(std::errc::io_error);
}

} // namespace

LineReader::LineReader(const std::filesystem::path& file)
{
    errno = 0;
    in_.open(file, std::ios::binary);
    if (!in_)
        error_ = lastError();
}

bool LineReader::refill()
{
    if (error_ || !in_)
        return false;
    errno = 0;
    // Read through the stream, not its buffer: a failing read (a folder, a bad
    // disk) then marks the stream instead of throwing.
    in_.read(block_.data(), block_.size());
    at_ = 0;
    end_ = static_cast<std::size_t>(in_.gcount());
    if (in_.bad())
        error_ = lastError();
    return end_ > 0;
}

bool LineReader::next(std::string& line)
{
    line.clear();
    bool started = false;
    while (at_ < end_ || refill()) {
        if (afterCr_) {
            afterCr_ = false;
            if (block_[at_] == '\n' && ++at_ == end_)
                continue;
        }
        const char* from = block_.data() + at_;
        const char* to = block_.data() + end_;
        const char* stop = std::find_if(from, to, [](char c) { return c == '\r' || c == '\n'; });
        line.append(from, stop);
        started = true;
        at_ = static_cast<std::size_t>(stop - block_.data());
        if (stop != to) {
            afterCr_ = *stop == '\r';
            ++at_;
            return true;
        }
    }
    return started;
}

} // namespace kx
