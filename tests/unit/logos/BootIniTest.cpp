#include "logos/BootIni.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

const char kXPLine[] =
    R"(multi(0)disk(0)rdisk(0)partition(1)\WINDOWS="Microsoft Windows XP Professional" /fastdetect /kernel=Kernl1.exe)";

logos::KernelExists Present(std::set<std::string> names) {
  return [names](const std::string& name) { return names.count(name) != 0; };
}

std::string Text(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

TEST(BootIniEntry, QuotedNameWithSwitchesGivesDescriptionAndKernel) {
  struct Case {
    const char* what;
    std::set<std::string> present;
    const char* kernel;
  };
  const Case cases[] = {
      {"copy present", {"Kernl1.exe"}, "Kernl1.exe"},
      {"copy absent", {}, "ntoskrnl.exe"},
      {"another copy present", {"Kernl2.exe"}, "ntoskrnl.exe"},
  };
  for (const Case& c : cases) {
    const logos::BootIni ini =
        logos::BootIni::Parse(Text({"[operating systems]", kXPLine}), Present(c.present));
    ASSERT_EQ(ini.Entries().size(), 1u) << c.what;
    const logos::BootEntry& entry = ini.Entries()[0];
    EXPECT_EQ(entry.number, 1) << c.what;
    EXPECT_EQ(entry.lineIndex, 1u) << c.what;
    EXPECT_EQ(entry.description, "\"Microsoft Windows XP Professional\"") << c.what;
    EXPECT_EQ(entry.kernel, c.kernel) << c.what;
    EXPECT_EQ(logos::ChooserLine(entry),
              std::string("\"Microsoft Windows XP Professional\" (Kernel=") + c.kernel + ")")
        << c.what;
  }
}

// The loader section, a blank line and a second system around the line of
// the cases above, which is entry 2.
const std::vector<std::string> kTwoSystems = {
    "[boot loader]",
    "timeout=30",
    R"(default=multi(0)disk(0)rdisk(0)partition(1)\WINDOWS)",
    "",
    "[operating systems]",
    R"(multi(0)disk(0)rdisk(0)partition(2)\WINNT="Microsoft Windows 2000 Professional" /fastdetect)",
    kXPLine,
};

TEST(BootIniRewrite, EntryTwoGetsItsCopyAndLosesItAgain) {
  const logos::BootIni ini = logos::BootIni::Parse(Text(kTwoSystems), Present({"Kernl1.exe"}));
  ASSERT_EQ(ini.Entries().size(), 2u);
  EXPECT_EQ(ini.Entries()[1].lineIndex, 6u);
  EXPECT_EQ(logos::KernelCopyName(2), "Kernl2.exe");

  std::vector<std::string> changed = kTwoSystems;
  changed[6] =
      R"(multi(0)disk(0)rdisk(0)partition(1)\WINDOWS="Microsoft Windows XP Professional" /fastdetect /kernel=Kernl2.exe)";
  EXPECT_EQ(ini.TextWithKernel(2, logos::KernelCopyName(2)), Text(changed));

  std::vector<std::string> restored = kTwoSystems;
  restored[6] =
      R"(multi(0)disk(0)rdisk(0)partition(1)\WINDOWS="Microsoft Windows XP Professional" /fastdetect )";
  EXPECT_EQ(ini.TextWithoutKernel(2), Text(restored));
}

TEST(BootIniRewrite, OtherLinesAndEveryLineEndingStayByteForByte) {
  // Mixed endings, a last line without one, and blanks that only the
  // rewritten line loses.
  const std::string text =
      "[boot loader]\ntimeout=30\r\n[operating systems]\r\n"
      "a=\"One\"   /sos\r\nb=\"Two\" /fastdetect\n"
      "c=\"Three\"  /KERNEL=Kernl3.exe  /noguiboot";
  const logos::BootIni ini = logos::BootIni::Parse(text, Present({}));
  ASSERT_EQ(ini.Entries().size(), 3u);
  EXPECT_EQ(ini.TextWithKernel(2, "Kernl2.exe"),
            "[boot loader]\ntimeout=30\r\n[operating systems]\r\n"
            "a=\"One\"   /sos\r\nb=\"Two\" /fastdetect /kernel=Kernl2.exe\n"
            "c=\"Three\"  /KERNEL=Kernl3.exe  /noguiboot");
  EXPECT_EQ(ini.TextWithoutKernel(3),
            "[boot loader]\ntimeout=30\r\n[operating systems]\r\n"
            "a=\"One\"   /sos\r\nb=\"Two\" /fastdetect\n"
            "c=\"Three\" /noguiboot ");
  // Replacing a copy's switch leaves exactly one.
  EXPECT_EQ(logos::RewriteBootLine("c=\"Three\" /kernel=Kernl1.exe /Kernel=old.exe", "Kernl3.exe"),
            "c=\"Three\" /kernel=Kernl3.exe");
}

TEST(BootIniRewrite, RefusesMissingEntriesAndNamesThatBreakTheLine) {
  const logos::BootIni ini = logos::BootIni::Parse(Text(kTwoSystems), Present({}));
  EXPECT_FALSE(ini.TextWithKernel(0, "Kernl0.exe"));
  EXPECT_FALSE(ini.TextWithKernel(3, "Kernl3.exe"));
  EXPECT_FALSE(ini.TextWithoutKernel(-1));
  for (const char* name : {"", "Kernl 1.exe", "Kernl1.exe\r", "\"k.exe"})
    EXPECT_FALSE(ini.TextWithKernel(1, name)) << '"' << name << '"';
  EXPECT_EQ(ini.Entry(3), nullptr);
  ASSERT_NE(ini.Entry(2), nullptr);
  EXPECT_EQ(ini.Entry(2)->lineIndex, 6u);
}

TEST(BootIniEntries, LoaderSettingsSectionsAndBlankLinesAreNeverEntries) {
  const std::vector<std::string> lines = {
      "",
      "[boot loader]",
      "timeout=30",
      "default=multi(0)disk(0)rdisk(0)partition(2)\\WINNT",
      "redirect=COM1",
      "  ",
      "[operating systems]",
      "TIMEOUT=5",
      "Default = multi(0)disk(0)rdisk(0)partition(2)\\WINNT",
      "timeout = 10",
      "no equals sign here",
      "=\"no key\"",
      "key with nothing after =   ",
      "  [ another section ]  ",
      "multi(0)disk(0)rdisk(0)partition(1)\\WINDOWS=\"First\" /fastdetect",
      "multi(0)disk(0)rdisk(0)partition(2)\\WINNT=\"Named by default=\"",
      "C:\\=\"Microsoft Windows\"",
  };
  const logos::BootIni ini = logos::BootIni::Parse(Text(lines), Present({}));
  ASSERT_EQ(ini.Entries().size(), 3u);
  // The entry default= names is not preferred: entry 1 is the first line.
  EXPECT_EQ(ini.Entries()[0].description, "\"First\"");
  EXPECT_EQ(ini.Entries()[0].lineIndex, 14u);
  EXPECT_EQ(ini.Entries()[1].description, "\"Named by default=\"");
  EXPECT_EQ(ini.Entries()[2].description, "\"Microsoft Windows\"");
  EXPECT_EQ(ini.Entries()[2].number, 3);
}

TEST(BootIniEntries, NoSystemMeansNothingToChoose) {
  for (const std::string& text :
       {std::string(), Text({"[boot loader]", "timeout=30", "[operating systems]"})}) {
    const logos::BootIni ini = logos::BootIni::Parse(text, Present({}));
    EXPECT_FALSE(ini.HasEntries());
    EXPECT_EQ(ini.Entry(1), nullptr);
    EXPECT_FALSE(ini.TextWithKernel(1, "Kernl1.exe"));
  }
}

TEST(BootIniEntries, TwentyOneSystemsKeepTwenty) {
  std::vector<std::string> lines = {"[operating systems]"};
  for (int i = 1; i <= 21; ++i)
    lines.push_back("multi(0)disk(0)rdisk(0)partition(" + std::to_string(i) + ")\\WINDOWS=\"S" +
                    std::to_string(i) + "\"");
  const logos::BootIni ini = logos::BootIni::Parse(Text(lines), Present({}));
  ASSERT_EQ(ini.Entries().size(), 20u);
  EXPECT_EQ(ini.Entries().back().description, "\"S20\"");
  EXPECT_EQ(ini.Entries().back().number, 20);
  EXPECT_EQ(ini.Entries().back().lineIndex, 20u);
  EXPECT_FALSE(ini.TextWithKernel(21, "Kernl21.exe"));
}

TEST(BootIniEntries, KernelSwitchIsTheWholeSwitchAnywhereAfterTheName) {
  struct Case {
    const char* line;
    const char* kernel;
  };
  std::string longLine = "x=\"Many\"";
  for (int i = 0; i < 25; ++i) longLine += " /s" + std::to_string(i);
  longLine += " /kernel=Kernl1.exe";
  const Case cases[] = {
      {"x=\"A\" /KERNEL=Kernl1.exe", "Kernl1.exe"},
      {"x=\"A\" /kernelx=Kernl1.exe", "ntoskrnl.exe"},
      {"x=\"A\" /kernel", "ntoskrnl.exe"},
      {"x=\"A\" /kernel=", "ntoskrnl.exe"},
      {"x=/kernel=Kernl1.exe", "ntoskrnl.exe"},  // the name, not a switch
      // The last switch counts, even when its copy is gone.
      {"x=\"A\" /kernel=Kernl1.exe /kernel=Kernl2.exe", "ntoskrnl.exe"},
      {"x=\"A\" /kernel=Kernl2.exe /kernel=Kernl1.exe", "Kernl1.exe"},
      {longLine.c_str(), "Kernl1.exe"},
  };
  for (const Case& c : cases) {
    const logos::BootIni ini = logos::BootIni::Parse(c.line, Present({"Kernl1.exe", ""}));
    ASSERT_EQ(ini.Entries().size(), 1u) << c.line;
    EXPECT_EQ(ini.Entries()[0].kernel, c.kernel) << c.line;
  }
  // Rewriting keeps every switch that is not the kernel's, however many.
  std::string expected = "x=\"Many\" ";
  for (int i = 0; i < 25; ++i) expected += "/s" + std::to_string(i) + " ";
  EXPECT_EQ(logos::RewriteBootLine(longLine, ""), expected);
  EXPECT_EQ(logos::RewriteBootLine("x=\"A\" /kernelx=1", "k.exe"),
            "x=\"A\" /kernelx=1 /kernel=k.exe");
}

TEST(BootLineTokens, QuotesBlanksAndEnds) {
  struct Case {
    const char* line;
    std::vector<std::string> tokens;
  };
  const Case cases[] = {
      {R"(a="Quoted name" /fastdetect  /sos)", {"\"Quoted name\"", "/fastdetect", "/sos"}},
      {"a=  plain   words\t", {"plain", "words"}},
      {R"(a="unclosed quote /x)", {"\"unclosed quote /x"}},
      {R"(a=x"y z" w)", {"x\"y", "z\"", "w"}},
      {R"(a="b=c" /d=e)", {"\"b=c\"", "/d=e"}},
      {R"(a="" /x)", {"\"\"", "/x"}},
      {"a=", {}},
      {"no equals", {}},
  };
  for (const Case& c : cases) EXPECT_EQ(logos::BootLineTokens(c.line), c.tokens) << c.line;
  EXPECT_EQ(logos::RewriteBootLine("no equals sign /sos", "k.exe"), "no equals sign /sos");
}

}  // namespace
