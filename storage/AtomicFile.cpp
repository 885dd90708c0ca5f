#include "AtomicFile.h"

#include <cerrno>
#include <string>

#include <fcntl.h>
#include <unistd.h>

namespace kx {

namespace {

std::error_code lastError()
{
    return {errno, std::generic_category()};
}

std::error_code checked(const WriteStepCheck& check, WriteStep step)
{
    return check ? check(step) : std::error_code{};
}

// A name beside the file that no other writer picks: the process id keeps two
// running games apart, the counter steps past leftovers of a killed one.
std::error_code createTemporary(const std::filesystem::path& file, std::filesystem::path& temporary,
                                int& fd)
{
    const std::string stem = file.filename().string() + "." + std::to_string(::getpid()) + ".";
    for (int attempt = 0;; ++attempt) {
        temporary = file;
        temporary.replace_filename(stem + std::to_string(attempt) + ".tmp");
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0)
            return {};
        if (errno != EEXIST)
            return lastError();
    }
}

std::error_code writeAll(int fd, std::string_view contents, const WriteStepCheck& check)
{
    if (const std::error_code injected = checked(check, WriteStep::Write)) {
        // Half the bytes reach the file before the disk runs full.
        if (::write(fd, contents.data(), contents.size() / 2) < 0)
            return lastError();
        return injected;
    }
    while (!contents.empty()) {
        const ssize_t written = ::write(fd, contents.data(), contents.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return lastError();
        }
        contents.remove_prefix(static_cast<std::size_t>(written));
    }
    return {};
}

// Everything up to the rename works on the temporary file alone, so a failure
// there only has to remove it.
std::error_code fillTemporary(int fd, std::string_view contents, const WriteStepCheck& check)
{
    if (const std::error_code error = writeAll(fd, contents, check))
        return error;
    if (const std::error_code injected = checked(check, WriteStep::Flush))
        return injected;
    if (::fsync(fd) != 0)
        return lastError();
    return {};
}

// The new name reaches the disk with its folder.  The file is already in place
// then, so a failure here is no longer one the caller could undo.
void syncFolder(const std::filesystem::path& file)
{
    const std::filesystem::path parent = file.parent_path();
    const int folder =
        ::open(parent.empty() ? "." : parent.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
}

} // namespace

std::error_code WriteFileAtomically(const std::filesystem::path& file, std::string_view contents,
                                    const WriteStepCheck& check)
{
    if (const std::error_code injected = checked(check, WriteStep::Create))
        return injected;
    std::filesystem::path temporary;
    int fd = -1;
    if (const std::error_code error = createTemporary(file, temporary, fd))
        return error;

    std::error_code error = fillTemporary(fd, contents, check);
    if (!error)
        error = checked(check, WriteStep::Close);
    // The descriptor is released whatever close reports, so it is closed once only.
    if (::close(fd) != 0 && !error)
        error = lastError();
    if (!error)
        error = checked(check, WriteStep::Rename);
    if (!error)
        std::filesystem::rename(temporary, file, error);
    if (error) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        return error;
    }
    syncFolder(file);
    return {};
}

} // namespace kx
