#pragma once

#include <cstddef>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <system_error>

#include <unistd.h>

namespace kxfuzz {

// A file in a folder of the run's own, rewritten for each input and removed
// with its folder when the run ends.  The game's writers flush every file
// they write, so a run is much faster with TMPDIR on a memory disk.
class ScratchFile {
public:
    explicit ScratchFile(const std::string& name = "entries.ehf") : file_(folder_ / name)
    {
        std::filesystem::create_directories(folder_);
    }
    ~ScratchFile()
    {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;

    const std::filesystem::path& path() const { return file_; }
    void write(std::string_view bytes) const
    {
        std::ofstream(file_, std::ios::binary | std::ios::trunc)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    std::string read() const
    {
        std::ifstream in(file_, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    // A writer that keeps its word leaves no temporary file behind.
    std::size_t filesInFolder() const
    {
        return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder_),
                                                      std::filesystem::directory_iterator()));
    }

private:
    std::filesystem::path folder_ =
        std::filesystem::temp_directory_path() / ("kestrix-fuzz-" + std::to_string(::getpid()));
    std::filesystem::path file_;
};

} // namespace kxfuzz
