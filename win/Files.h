#pragma once
// Whole-file reads and writes for the small system files the program
// rewrites (boot.ini, System.ini, logo files), where a half-written file
// would be worse than none.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace win {

// The file's bytes; nothing when it cannot be opened or read in full.
std::optional<std::vector<uint8_t>> ReadWholeFile(const std::string& path);

// Writes bytes to path completely (flushed to disk) or not at all: an
// incomplete file is deleted again. An existing file of that name is
// overwritten.
bool WriteWholeFile(const std::string& path, const std::vector<uint8_t>& bytes);

// Puts source in the place of target in one step when both lie on one
// volume; the old target stays in place when it fails.
bool ReplaceFileWith(const std::string& source, const std::string& target);

}  // namespace win
