#pragma once

#include <string_view>

namespace kx::files {

// A program file read as text: the DOS stub's message, then bytes that print
// as accented letters, punctuation and line breaks.  No byte is NUL, which a
// game text cannot hold.
std::string_view programBlockA(); // 219 bytes
// The same program read from its 41st byte on, so it begins ".$".
std::string_view programBlockB(); // 179 bytes

} // namespace kx::files
