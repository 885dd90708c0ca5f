#include "CommandHistory.h"

namespace kx {

void CommandHistory::Add(const std::string& line)
{
    recalled_ = 0;
    if (line.empty() || (!lines_.empty() && lines_.front() == line))
        return;
    lines_.push_front(line);
    if (lines_.size() > kMostLines)
        lines_.pop_back();
}

void CommandHistory::Older(std::string& shown)
{
    if (lines_.empty())
        return;
    if (recalled_ < lines_.size())
        ++recalled_;
    shown = lines_[recalled_ - 1];
}

void CommandHistory::Newer(std::string& shown)
{
    if (recalled_ == 0)
        return;
    --recalled_;
    shown = recalled_ == 0 ? std::string() : lines_[recalled_ - 1];
}

} // namespace kx
