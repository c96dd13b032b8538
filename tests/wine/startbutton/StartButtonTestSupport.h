#pragma once
// Shared pieces of the Start button tests: a clean shell state, files made
// for a case, and the shell file read back the way Windows reads it.

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace startbutton::test {

// Windows' own Explorer.exe as the shell again, and no numbered copies.
void ResetShell();

std::vector<uint8_t> ReadBytes(const std::string& path);
bool WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes);

// A bottom-up 24-bit bitmap file whose pixels follow seed, so two pictures
// of one size still differ.
std::vector<uint8_t> BitmapFile(int width, int height, uint8_t seed);

// LoadStringA on the file loaded as a data module, as the loader reads it.
std::string LoadShellString(const std::string& file, unsigned id);

// Runs a command line and returns what it wrote to its standard output.
std::string RunAndCapture(const std::string& commandLine);

}  // namespace startbutton::test
