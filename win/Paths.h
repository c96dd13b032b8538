#pragma once
// Directories Windows names and path helpers over them.

#include <string>

namespace win {

// Each ends with a backslash; empty when Windows cannot say.
std::string WindowsDirectory();
std::string SystemDirectory();

// Full path of the running executable, and its directory with a trailing backslash.
std::string ExecutablePath();
std::string ExecutableDirectory();

// GetFullPathNameA; the input itself when the call fails.
std::string FullPath(const std::string& path);

std::string WithTrailingBackslash(const std::string& path);

bool DirectoryExists(const std::string& path);
bool FileExists(const std::string& path);
// The file exists and this process may open it for reading.
bool FileOpensForReading(const std::string& path);

}  // namespace win
