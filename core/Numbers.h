#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kx {

// Rounds half up (2.5 gives 3, -2.5 gives -2) into 16 bits; values beyond the
// range are held at its ends.
std::int16_t RoundHalfUp(double x);
// The same rounding without the 16-bit bound, for amounts shown to the player.
double RoundHalfUpWhole(double x);
// Money for labels and offers: "1,234.6" or "4,400".
std::string FormatAmount(double x);
// Whole dollars with separators, as the main window shows money ("4,840");
// amounts beyond 16 bits are rounded the same way.
std::string WholeAmount(double x);
// A number as plain text inside game texts and files: up to seven significant
// digits, no leading blank, a decimal point whatever the system's locale
// ("7", "2.5", "63452.5", "1.5E+07").
std::string NumberText(double x);
// Money proposed for the player to confirm: every digit written out, with as
// many decimals as it takes to read back the same float ("0.0000985", "100.1").
std::string PlainNumberText(float x);
// Number text as the game's files hold it: NumberText's form, or the same
// with a decimal comma as a system with a comma locale writes it ("2,5").
// Nothing for any other text or a number beyond a double.
std::optional<double> ReadNumberText(const std::string& text);
// A number typed by the player: optional blanks, an optional sign, digits with
// at most one decimal point; nothing else.
std::optional<double> ParseNumber(const std::string& text);
// Money typed by the player: "1500", "1,500", "1500.50" or "$1,500", blanks
// around it allowed.  Nothing for any other text, a negative amount or one too
// large to hold.
std::optional<double> ParseAmount(const std::string& text);
// The text with its first letter upper-cased (Windows-1252 letters).
std::string UpperFirst(const std::string& text);
// The text in lower case (Windows-1252 letters).
std::string LowerCase(const std::string& text);
// The text without the blanks at either end.
std::string Trimmed(const std::string& text, std::string_view blanks = " ");

} // namespace kx
