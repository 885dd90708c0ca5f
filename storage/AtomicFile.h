#pragma once

#include <filesystem>
#include <functional>
#include <string_view>
#include <system_error>

namespace kx {

// The steps of writing a file atomically, in the order they run.
enum class WriteStep { Create, Write, Flush, Close, Rename };

// Asked before each step.  An error it returns makes that step fail with that
// error (a failing write stops half-way, as on a full disk); tests use it to
// break every step in turn.
using WriteStepCheck = std::function<std::error_code(WriteStep)>;

/// Replaces the file's contents by writing them to a temporary file in the same
/// folder, flushing that to the disk and renaming it over the file.  On success
/// the file holds exactly the contents; on failure the old file (or its absence)
/// is left untouched, no temporary file remains and the error is returned.
std::error_code WriteFileAtomically(const std::filesystem::path& file, std::string_view contents,
                                    const WriteStepCheck& check = {});

} // namespace kx
