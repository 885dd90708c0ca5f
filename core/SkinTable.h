#pragma once

#include "Controls.h"

#include <functional>
#include <map>
#include <string>
#include <string_view>

namespace kx {

// The skin's pictures by file name ("main.jpg"), as the skin folder last gave
// them.  Every skinned window takes its pictures from here when it comes to
// the front; a picture a folder lacks keeps the one it had.
class SkinTable {
public:
    // The picture of that file; none before a skin gave one.
    Image operator[](std::string_view file) const
    {
        const auto found = pictures_.find(file);
        return found == pictures_.end() ? nullptr : found->second;
    }
    void set(const std::string& file, Image picture) { pictures_[file] = std::move(picture); }

private:
    std::map<std::string, Image, std::less<>> pictures_;
};

} // namespace kx
