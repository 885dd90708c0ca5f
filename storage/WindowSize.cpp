#include "WindowSize.h"

#include "Settings.h"

#include <algorithm>
#include <string>

namespace kx {

namespace {
const char* const kSection = "Display";
const char* const kKey = "Size";
} // namespace

int ReadWindowSize(const std::filesystem::path& settings)
{
    const std::string text = ReadSetting(kSection, kKey, settings);
    const auto size = std::ranges::find_if(kWindowSizes, [&](int p) { return std::to_string(p) == text; });
    return size == kWindowSizes.end() ? 100 : *size;
}

std::error_code WriteWindowSize(int percent, const std::filesystem::path& settings, const WriteStepCheck& check)
{
    return WriteSetting(kSection, kKey, std::to_string(percent), settings, check);
}

} // namespace kx
