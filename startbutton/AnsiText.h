#pragma once
// The edit boxes hold text in the system's ANSI code page; the shell's
// string tables hold UTF-16.

#include <string>

std::u16string AnsiToUnicode(const std::string& text);
// Characters the code page lacks become its default character.
std::string UnicodeToAnsi(const std::u16string& text);
