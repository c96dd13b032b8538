#pragma once
// Shared pieces of the logos tests: files as bytes, and a fresh folder of
// the test's own under the temporary directory.

#include <cstdint>
#include <string>
#include <vector>

namespace logos::test {

using Bytes = std::vector<uint8_t>;

// Empty when the file cannot be read.
Bytes ReadBytes(const std::string& path);
bool WriteBytes(const std::string& path, const Bytes& bytes);

// GetTempDir + name + "\", emptied of files (not of folders) and made anew.
std::string FreshFolder(const std::string& name);

// A folder (not a file) in the way of path; removed again by RemoveDirectoryA.
bool BlockWithFolder(const std::string& path);

}  // namespace logos::test
