#pragma once
// Whole-file reads with a size limit, and writes that go to a temporary file
// beside the target which replaces it only once everything is written.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace quorlo::imaging {

enum class ReadStatus { kOk, kCannotOpen, kTooLarge };

ReadStatus ReadWholeFile(const std::string& path, size_t maxBytes, std::vector<uint8_t>& out);
bool WriteFileReplacing(const std::string& path, const uint8_t* data, size_t size);
inline bool WriteFileReplacing(const std::string& path, const std::vector<uint8_t>& bytes) {
  return WriteFileReplacing(path, bytes.data(), bytes.size());
}
// Moves from over to, replacing to (FileIo.cpp / FileIo_win.cpp).
bool ReplaceFileWith(const std::string& from, const std::string& to);

}  // namespace quorlo::imaging
