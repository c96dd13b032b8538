#pragma once
// Small text and byte helpers shared by every subsystem. Portable: no Windows
// types, so they are unit-tested natively.

#include <cstdint>
#include <string>

namespace core {

// n copies of "\r\n"; message texts are built with it.
std::string LineBreaks(int n);

// The first / last n characters of s; all of s when it is shorter, empty for n <= 0.
std::string LeftChars(const std::string& s, int n);
std::string RightChars(const std::string& s, int n);

// The first position p >= start with p < bufferLength - patternLength at which
// the patternLength bytes of pattern equal buffer[p...]; -1 when there is none.
// The bound is exclusive on purpose: a match whose last byte is the buffer's
// last byte is not reported. Null pointers, negative or empty lengths and a
// pattern longer than the buffer give -1 instead of reading out of bounds.
int FindBytes(const uint8_t* buffer, const uint8_t* pattern, int start, int patternLength,
              int bufferLength);

}  // namespace core
