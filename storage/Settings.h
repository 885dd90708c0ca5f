#pragma once

#include "AtomicFile.h"

#include <filesystem>
#include <string>
#include <system_error>

namespace kx {

// Small settings files in the common INI form: "[section]" headers over
// "key=value" lines, sections and keys matched without regard to letter case.
// Bytes are kept as they are; lines may end in CR LF, CR or LF.

// The most characters a setting reads back with.
inline constexpr std::size_t kMaxSettingLength = 254;

// The value of key in the first section of that name, blanks around it
// trimmed and cut to kMaxSettingLength characters; the empty text when the
// file, the section or the key is missing.
std::string ReadSetting(const std::string& section, const std::string& key,
                        const std::filesystem::path& file);
// Stores the value under key in section, creating the file, the section or the
// key as needed and keeping every other line.  The file is replaced atomically;
// a value holding a line break is refused, since it would read back cut short.
std::error_code WriteSetting(const std::string& section, const std::string& key,
                             const std::string& value, const std::filesystem::path& file,
                             const WriteStepCheck& check = {});
// The folder part of a file path: what comes before its last "\" or "/"; the
// empty text for a path without either.
std::string FolderOf(const std::string& path);

} // namespace kx
