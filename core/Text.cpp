#include "core/Text.h"

#include <cstring>

namespace core {

std::string LineBreaks(int n) {
  std::string text;
  for (int i = 0; i < n; ++i) text += "\r\n";
  return text;
}

std::string LeftChars(const std::string& s, int n) {
  if (n <= 0) return std::string();
  return s.substr(0, static_cast<size_t>(n));
}

std::string RightChars(const std::string& s, int n) {
  if (n <= 0) return std::string();
  const size_t count = static_cast<size_t>(n);
  if (count >= s.size()) return s;
  return s.substr(s.size() - count);
}

int FindBytes(const uint8_t* buffer, const uint8_t* pattern, int start, int patternLength,
              int bufferLength) {
  if (buffer == nullptr || pattern == nullptr) return -1;
  if (start < 0 || patternLength <= 0 || bufferLength <= 0) return -1;
  if (patternLength >= bufferLength) return -1;
  // Both lengths are positive ints, so the difference cannot overflow.
  const int end = bufferLength - patternLength;
  for (int p = start; p < end; ++p) {
    // p + patternLength < bufferLength holds here, so the compare stays inside.
    if (std::memcmp(buffer + p, pattern, static_cast<size_t>(patternLength)) == 0) return p;
  }
  return -1;
}

}  // namespace core
