#pragma once
// What whole-file reading and writing needs from the operating system beyond
// the C library (FileIo_posix.cpp, FileIo_win.cpp).

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>

namespace core::platform {

// True for an existing regular file; false for a missing name, a folder or a
// device.
bool IsRegularFile(const std::string& path);

// The size of an open file, in full 64 bits even in 32-bit builds.
std::optional<uint64_t> OpenFileSize(std::FILE* file);

// Hands what the C library and the system hold for the open file to the disk;
// true when the disk has it.
bool FlushToDisk(std::FILE* file);

}  // namespace core::platform
