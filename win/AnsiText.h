#pragma once
// Conversion between the system's ANSI code page (edit boxes, registry
// values, paths) and UTF-16 (the shell's resources).

#include <string>

namespace win {

std::u16string AnsiToUnicode(const std::string& text);
// Characters the code page lacks become its default character.
std::string UnicodeToAnsi(const std::u16string& text);

}  // namespace win
