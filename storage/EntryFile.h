#pragma once

#include "AtomicFile.h"

#include <filesystem>
#include <functional>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

namespace kx {

// Settings-style text files of "[section]" headers and "key=value" lines, as
// the saved games and the score list keep them.  Bytes are Windows-1252 and
// never converted; lines may end in CR LF, CR or LF; "blanks" are spaces.

// The most lines a file may hold for PutEntry to rewrite it.
inline constexpr std::size_t kMaxEntryFileLines = 9000;

/// The value of key in section: the first section whose header names it
/// (letter case ignored) and in it the first line whose text before the first
/// "=" is the key (letter case ignored, blanks not trimmed, so "key =" is not
/// the key), its value trimmed.  A line holding "]" ends the section.  A missing
/// file, section or key gives the empty text.
std::string GetEntry(const std::string& section, const std::string& key,
                     const std::filesystem::path& file);

/// The values of several keys of one section, as GetEntry finds each, in one
/// reading of the file.
std::vector<std::string> GetEntries(const std::string& section, const std::vector<std::string>& keys,
                                    const std::filesystem::path& file);

/// Writes key=value into section, section and key trimmed and lower-cased, the
/// value as given.  The line GetEntry reads the key from is replaced; without
/// one the entry goes right after the header GetEntry reads the section from,
/// and without a header the header and the entry are appended, so GetEntry
/// then gives the value and every other entry as it gave it before.  Every
/// other line is kept and each is written back with CR LF.  A missing file is
/// created; a file of more than kMaxEntryFileLines lines is a failure and stays
/// as it was.  The file is replaced atomically (`check` is asked before each
/// step of that).  eachLine runs after every line read and every line searched,
/// so the window events can run meanwhile.
std::error_code PutEntry(const std::string& section, const std::string& key,
                         const std::string& value, const std::filesystem::path& file,
                         const std::function<void()>& eachLine = {}, const WriteStepCheck& check = {});

/// Writes several entries of one section as PutEntry would, one after the
/// other, and replaces the file once with all of them, or leaves it as it was.
std::error_code PutEntries(const std::string& section,
                           const std::vector<std::pair<std::string, std::string>>& entries,
                           const std::filesystem::path& file,
                           const std::function<void()>& eachLine = {}, const WriteStepCheck& check = {});

/// Writes the lines of `from` with the entries put in them as PutEntries puts
/// them into `to`, which may be another file: the copy the game keeps of a
/// file that came with it.  `from` is left as it was.
std::error_code PutEntriesInto(const std::string& section,
                               const std::vector<std::pair<std::string, std::string>>& entries,
                               const std::filesystem::path& from, const std::filesystem::path& to,
                               const WriteStepCheck& check = {});

} // namespace kx
