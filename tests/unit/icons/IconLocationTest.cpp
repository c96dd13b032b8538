#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "icons/IconLocation.h"

namespace {

using icons::FormatIconLocation;
using icons::IconEntry;
using icons::ParseIconLocation;

TEST(IconLocation, ParsingSplitsAtTheFirstCommaAndReadsTheRestAsANumber) {
  const struct {
    const char* text;
    const char* file;
    int32_t index;
  } cases[] = {
      // Environment references stay unexpanded; the space before the index goes.
      {"%SystemRoot%\\system32\\shell32.dll, 15", "%SystemRoot%\\system32\\shell32.dll", 15},
      {"C:\\Icons\\a.ico", "C:\\Icons\\a.ico", 0},
      {"C:\\Icons\\a.ico,", "C:\\Icons\\a.ico,", 0},
      {",", ",", 0},
      {"", "", 0},
      {"C:\\a.dll,abc", "C:\\a.dll", 0},
      {"C:\\a.dll,12abc", "C:\\a.dll", 0},
      {"C:\\a.dll,1,2", "C:\\a.dll", 0},
      {"C:\\a.dll,-201", "C:\\a.dll", -201},
      {"C:\\a.dll, - 2 0 1 ", "C:\\a.dll", -201},
      {"C:\\a.dll,+7", "C:\\a.dll", 7},
      {"C:\\a.dll,-", "C:\\a.dll", 0},
      {"C:\\a.dll, ", "C:\\a.dll", 0},
      {"C:\\a.dll,\t5", "C:\\a.dll", 0},
      {" C:\\a.dll ,3", " C:\\a.dll ", 3},
      {",5", "", 5},
      {"a,2147483647", "a", 2147483647},
      {"a,-2147483648", "a", INT32_MIN},
      {"a,2147483648", "a", 0},
      {"a,-2147483649", "a", 0},
      {"a,99999999999999999999999", "a", 0},
      {"a,0000000000000000000042", "a", 42},
  };
  for (const auto& c : cases) {
    const IconEntry entry = ParseIconLocation(c.text);
    EXPECT_EQ(entry.file, c.file) << "text: " << c.text;
    EXPECT_EQ(entry.index, c.index) << "text: " << c.text;
    EXPECT_FALSE(entry.unreadable) << "text: " << c.text;
  }
}

TEST(IconLocation, FormattingIsFileCommaDecimalIndexWithoutSpaces) {
  const struct {
    const char* file;
    int32_t index;
    const char* text;
  } cases[] = {
      {"C:\\WINDOWS\\SYSTEM\\Shell32.dll", 5, "C:\\WINDOWS\\SYSTEM\\Shell32.dll,5"},
      {"%SystemRoot%\\system32\\shell32.dll", 15, "%SystemRoot%\\system32\\shell32.dll,15"},
      {"C:\\a.dll", -201, "C:\\a.dll,-201"},
      {"C:\\a.ico,", 0, "C:\\a.ico,,0"},
      {"", 0, ",0"},
      {"x", INT32_MIN, "x,-2147483648"},
  };
  for (const auto& c : cases) {
    IconEntry entry;
    entry.file = c.file;
    entry.index = c.index;
    EXPECT_EQ(FormatIconLocation(entry), c.text);
  }
}

TEST(IconLocation, AFormattedLocationWithoutCommaInItsFileReadsBackUnchanged) {
  for (const char* file : {"C:\\a.ico", "%windir%\\b.dll", "", " spaced name .exe"}) {
    for (const int32_t index : {0, 1, -1, 44, INT32_MAX, INT32_MIN}) {
      IconEntry entry;
      entry.file = file;
      entry.index = index;
      EXPECT_EQ(ParseIconLocation(FormatIconLocation(entry)), entry) << file << " " << index;
    }
  }
}

}  // namespace
