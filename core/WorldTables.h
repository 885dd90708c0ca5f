#pragma once

#include <array>
#include <string_view>

// The fixed tables the world is made from.
namespace kx::tables {

extern const std::array<std::string_view, 100> kCompanies;
extern const std::array<std::string_view, 50> kFirstNames;
extern const std::array<std::string_view, 50> kLastNames;
extern const std::array<std::string_view, 100> kUserNames;
extern const std::array<std::string_view, 100> kPasswords;

} // namespace kx::tables
