#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "core/Text.h"

namespace {

TEST(LineBreaks, RepeatsCarriageReturnLineFeed) {
  const struct {
    int n;
    std::string expected;
  } cases[] = {{-1, ""}, {0, ""}, {1, "\r\n"}, {2, "\r\n\r\n"}, {3, "\r\n\r\n\r\n"}};
  for (const auto& c : cases) EXPECT_EQ(core::LineBreaks(c.n), c.expected) << "n = " << c.n;
}

TEST(LeftRightChars, TakeEndsAndClampToTheText) {
  const struct {
    std::string text;
    int n;
    std::string left;
    std::string right;
  } cases[] = {
      {"Explorer.exe", 4, "Expl", ".exe"},
      {"Explorer.exe", 0, "", ""},
      {"Explorer.exe", -3, "", ""},
      {"Explorer.exe", 12, "Explorer.exe", "Explorer.exe"},
      {"Explorer.exe", 40, "Explorer.exe", "Explorer.exe"},
      {"", 2, "", ""},
      {"ab", 1, "a", "b"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(core::LeftChars(c.text, c.n), c.left)
        << "core::LeftChars(\"" << c.text << "\", " << c.n << ")";
    EXPECT_EQ(core::RightChars(c.text, c.n), c.right)
        << "core::RightChars(\"" << c.text << "\", " << c.n << ")";
  }
}

std::vector<uint8_t> Bytes(const std::string& text) {
  return {text.begin(), text.end()};
}

TEST(FindBytes, FindsFirstMatchInsideTheExclusiveBound) {
  const struct {
    const char* label;
    std::string buffer;
    std::string pattern;
    int start;
    int expected;
  } cases[] = {
      {"match at 0", "abcdef", "ab", 0, 0},
      {"match in the middle", "xxabcxx", "abc", 0, 2},
      {"first of two matches", "abab_abab", "ab", 0, 0},
      {"start skips an earlier match", "abab_abab", "ab", 1, 2},
      {"no match", "abcdef", "xy", 0, -1},
      {"match one byte before the end", "xxabx", "ab", 0, 2},
      // The bound p < length - patternLength leaves out a match ending on the last byte.
      {"match ending at the last byte", "xxxab", "ab", 0, -1},
      {"pattern as long as the buffer", "abc", "abc", 0, -1},
      {"pattern longer than the buffer", "ab", "abc", 0, -1},
      {"start beyond the last position", "abcdef", "ab", 5, -1},
      {"start far beyond the buffer", "abcdef", "ab", 1000, -1},
      {"negative start", "abcdef", "ab", -1, -1},
      {"binary zeros", std::string("\0\0\1\0\0", 5), std::string("\1\0", 2), 0, 2},
  };
  for (const auto& c : cases) {
    const std::vector<uint8_t> buffer = Bytes(c.buffer);
    const std::vector<uint8_t> pattern = Bytes(c.pattern);
    EXPECT_EQ(core::FindBytes(buffer.data(), pattern.data(), c.start,
                              static_cast<int>(pattern.size()), static_cast<int>(buffer.size())),
              c.expected)
        << c.label;
  }
}

TEST(FindBytes, RefusesMissingOrEmptyInput) {
  const std::vector<uint8_t> buffer = Bytes("abcdef");
  const std::vector<uint8_t> pattern = Bytes("cd");
  EXPECT_EQ(core::FindBytes(nullptr, pattern.data(), 0, 2, 6), -1);
  EXPECT_EQ(core::FindBytes(buffer.data(), nullptr, 0, 2, 6), -1);
  EXPECT_EQ(core::FindBytes(buffer.data(), pattern.data(), 0, 0, 6), -1);
  EXPECT_EQ(core::FindBytes(buffer.data(), pattern.data(), 0, -2, 6), -1);
  EXPECT_EQ(core::FindBytes(buffer.data(), pattern.data(), 0, 2, 0), -1);
  EXPECT_EQ(core::FindBytes(buffer.data(), pattern.data(), 0, 2, -6), -1);
  // A caller's length shorter than the real buffer is honoured: "cd" lies beyond it.
  EXPECT_EQ(core::FindBytes(buffer.data(), pattern.data(), 0, 2, 4), -1);
  EXPECT_EQ(core::FindBytes(buffer.data(), pattern.data(), 0, 2, 5), 2);
}

TEST(FindBytes, FindsA64BytePaletteInALargeBuffer) {
  std::vector<uint8_t> palette(64);
  for (size_t i = 0; i < palette.size(); ++i) palette[i] = static_cast<uint8_t>(i * 3 + 1);
  std::vector<uint8_t> image(100000, 0);
  const size_t at = 77777;
  std::copy(palette.begin(), palette.end(), image.begin() + at);
  EXPECT_EQ(core::FindBytes(image.data(), palette.data(), 0, 64, static_cast<int>(image.size())),
            static_cast<int>(at));
}

}  // namespace
