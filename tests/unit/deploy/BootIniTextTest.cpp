#include <gtest/gtest.h>

#include "deploy/BootIniText.h"

#include <string>
#include <vector>

namespace deploy::test {
namespace {

struct LineCase {
  const char* what;
  const char* line;
  const char* expected;
};

class KernelSwitchLine : public testing::TestWithParam<LineCase> {};

TEST_P(KernelSwitchLine, LosesTheSwitchWithItsBlankAndFileName) {
  EXPECT_EQ(deploy::RemoveKernelSwitchFromLine(GetParam().line), GetParam().expected)
      << GetParam().what;
}

const LineCase kLineCases[] = {
    {"capitals between other switches",
     R"(multi(0)disk(0)rdisk(0)partition(1)\WINDOWS="XP" /noexecute=optin /KERNEL=Kernl1.exe /fastdetect)",
     R"(multi(0)disk(0)rdisk(0)partition(1)\WINDOWS="XP" /noexecute=optin /fastdetect)"},
    {"switch last",
     R"(multi(0)disk(0)rdisk(0)partition(1)\WINDOWS="XP" /fastdetect /kernel=Kernl2.exe)",
     R"(multi(0)disk(0)rdisk(0)partition(1)\WINDOWS="XP" /fastdetect)"},
    {"two switches: both go, the second would still start the copy",
     R"(x="XP" /kernel=Kernl1.exe /fastdetect /Kernel=Kernl2.exe)", R"(x="XP" /fastdetect)"},
    {"mixed case", R"(x="XP" /KeRnEl=k.exe /sos)", R"(x="XP" /sos)"},
    {"no switch", R"(multi(0)disk(0)rdisk(0)partition(1)\WINNT="2000" /fastdetect)",
     R"(multi(0)disk(0)rdisk(0)partition(1)\WINNT="2000" /fastdetect)"},
    {"loader section", "default=multi(0)disk(0)rdisk(0)partition(1)\\WINDOWS",
     "default=multi(0)disk(0)rdisk(0)partition(1)\\WINDOWS"},
    {"comment", "; kernel switches are added here", "; kernel switches are added here"},
    {"switch at the start of a line", "/kernel=k.exe rest", " rest"},
    {"switch with no file name", R"(x="XP" /kernel=)", R"(x="XP")"},
    {"a longer switch name is not the kernel switch", R"(x="XP" /kernelx=1)",
     R"(x="XP" /kernelx=1)"},
    {"empty line", "", ""},
};
INSTANTIATE_TEST_SUITE_P(Cases, KernelSwitchLine, testing::ValuesIn(kLineCases));

TEST(KernelSwitchText, KeepsEveryLineEndingAndUntouchedLine) {
  const std::string before =
      "[boot loader]\r\n"
      "timeout=30\r\n"
      "default=multi(0)disk(0)rdisk(0)partition(1)\\WINDOWS\r\n"
      "[operating systems]\r\n"
      "multi(0)disk(0)rdisk(0)partition(1)\\WINDOWS=\"Quorlo\" /KERNEL=Kernl1.exe /fastdetect\r\n"
      "multi(0)disk(0)rdisk(0)partition(1)\\WINDOWS=\"XP\" /fastdetect\r\n"
      "unix-style line /kernel=k.exe\n"
      "last line without ending /kernel=k.exe";
  const std::string after =
      "[boot loader]\r\n"
      "timeout=30\r\n"
      "default=multi(0)disk(0)rdisk(0)partition(1)\\WINDOWS\r\n"
      "[operating systems]\r\n"
      "multi(0)disk(0)rdisk(0)partition(1)\\WINDOWS=\"Quorlo\" /fastdetect\r\n"
      "multi(0)disk(0)rdisk(0)partition(1)\\WINDOWS=\"XP\" /fastdetect\r\n"
      "unix-style line\n"
      "last line without ending";
  EXPECT_EQ(deploy::RemoveKernelSwitchesFromText(before), after);
  EXPECT_EQ(deploy::RemoveKernelSwitchesFromText(after), after);
  EXPECT_EQ(deploy::RemoveKernelSwitchesFromText(""), "");
}

TEST(KernelSwitchText, SwitchBeforeCarriageReturnStopsAtTheLineEnd) {
  // The file name ends at the line's end: the "\r\n" is never taken with it.
  EXPECT_EQ(deploy::RemoveKernelSwitchesFromText("a /kernel=k.exe\r\nb\r\n"), "a\r\nb\r\n");
}

struct SplitCase {
  const char* what;
  std::string text;
  std::vector<deploy::BootIniLine> lines;
};

TEST(BootIniLines, SplitKeepsEachEndingAndJoinGivesTheTextBack) {
  const SplitCase cases[] = {
      {"empty text", "", {}},
      {"last line without ending", "a\r\nb", {{"a", "\r\n"}, {"b", ""}}},
      {"lone line feed and carriage return pair", "a\nb\r\n", {{"a", "\n"}, {"b", "\r\n"}}},
      {"blank lines", "\r\n\r\n", {{"", "\r\n"}, {"", "\r\n"}}},
      {"a carriage return not before a line feed is text", "a\rb\r\n", {{"a\rb", "\r\n"}}},
  };
  for (const SplitCase& c : cases) {
    const std::vector<deploy::BootIniLine> lines = deploy::SplitBootIniLines(c.text);
    ASSERT_EQ(lines.size(), c.lines.size()) << c.what;
    for (size_t i = 0; i < lines.size(); ++i) {
      EXPECT_EQ(lines[i].content, c.lines[i].content) << c.what << ", line " << i;
      EXPECT_EQ(lines[i].ending, c.lines[i].ending) << c.what << ", line " << i;
    }
    EXPECT_EQ(deploy::JoinBootIniLines(lines), c.text) << c.what;
  }
}

TEST(KernelSwitchAt, AnyLetterCaseAtThePlaceAskedOnly) {
  EXPECT_TRUE(deploy::KernelSwitchAt("/KERNEL=k.exe"));
  EXPECT_TRUE(deploy::KernelSwitchAt("x /Kernel=", 2));
  EXPECT_FALSE(deploy::KernelSwitchAt("x /kernel=k.exe", 0));
  EXPECT_FALSE(deploy::KernelSwitchAt("/kernel", 0)) << "no \"=\": not the switch";
  EXPECT_FALSE(deploy::KernelSwitchAt("/kernelx=1", 0));
  EXPECT_FALSE(deploy::KernelSwitchAt("/kernel=", 9)) << "past the end";
}

}  // namespace
}  // namespace deploy::test
