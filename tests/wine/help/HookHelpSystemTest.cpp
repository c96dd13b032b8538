// The help bridge against Wine's HTML Help control and the built Help.chm.

#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "help/ApplicationHelp.h"
#include "help/HelpTopic.h"
#include "help/HookHelpSystem.h"
#include "help/HtmlHelpControl.h"
#include "tests/robot/Robot.h"
#include "tests/wine/WinePaths.h"
#include "win/RegistryKey.h"
#include "win/SystemFacts.h"

namespace help::test {
namespace {

std::string BuiltHelpFile() {
  return winetest::BuildDirectory() + "app\\Help.chm";
}

std::string TempFile(const char* name) {
  char directory[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, directory);
  return std::string(directory) + name;
}

std::string ReadText(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

// Closes every help window the bridge opened when the test ends.
HWND WaitForHelpWindow() {
  return robot::WaitForWindowOfProcess(GetCurrentProcessId(), "HH Parent", 15000);
}

TEST(HtmlHelpControl, FoundThroughItsClassIdWithVersionText) {
  const std::string control = LocateHtmlHelpControl();
  ASSERT_FALSE(control.empty()) << "no InprocServer32 file for the HTML Help class id";
  EXPECT_NE(control.find('\\'), std::string::npos) << control;
  EXPECT_FALSE(FileVersionText(control).empty()) << control;
  EXPECT_TRUE(FileVersionText("C:\\no such file.ocx").empty());
}

TEST(HookHelpSystem, OpensWelcomePageInAHelpWindowAndClosesItWhenFreed) {
  ASSERT_TRUE(win::FileCanBeOpened(BuiltHelpFile())) << BuiltHelpFile();
  HWND window = nullptr;
  {
    THookHelpSystem help(BuiltHelpFile(), "", THookHelpSystem::DisplayMode::HtmlHelp, "", nullptr);
    EXPECT_EQ(help.HelpTopic("html\\Welcome.htm"), THookHelpSystem::kShown);
    window = WaitForHelpWindow();
    ASSERT_NE(window, nullptr) << "no help window after showing html\\Welcome.htm";
    EXPECT_EQ(robot::WindowText(window), "Quorlo Help");
  }
  EXPECT_TRUE(robot::WaitUntilGone(window)) << "help window still open after the bridge went";
}

TEST(HookHelpSystem, PageNamesWithBlanksAndPercentTwenty) {
  const std::string log = TempFile("HHDebug-pages.txt");
  DeleteFileA(log.c_str());
  const struct {
    const char* topic;
    const char* page;
  } cases[] = {
      {"html\\Start Menu Manager Introduction.htm", "/html/Start Menu Manager Introduction.htm"},
      {"html\\About%20Quorlo.htm", "/html/About Quorlo.htm"},
      {"html/Contact.htm", "/html/Contact.htm"},
  };
  {
    THookHelpSystem help(BuiltHelpFile(), "", THookHelpSystem::DisplayMode::HtmlHelp, log, nullptr);
    for (const auto& c : cases) {
      EXPECT_EQ(help.HelpTopic(c.topic), THookHelpSystem::kShown) << c.topic;
      EXPECT_NE(WaitForHelpWindow(), nullptr) << c.topic;
    }
  }
  // What the control was handed: the log records each address.
  const std::string text = ReadText(log);
  for (const auto& c : cases) {
    const std::string line = "ShowTopic(\"" + BuiltHelpFile() + "::" + c.page + "\", 0)\r\n";
    EXPECT_NE(text.find(line), std::string::npos) << "missing " << line << " in\n" << text;
  }
  DeleteFileA(log.c_str());
}

TEST(HookHelpSystem, WritesDiagnosticLines) {
  const std::string log = TempFile("HHDebug-bridge.txt");
  DeleteFileA(log.c_str());
  {
    THookHelpSystem help("C:\\Q\\Help.chm", "", THookHelpSystem::DisplayMode::HtmlHelp, log,
                         nullptr);
    help.HelpHook(HELP_QUIT, 0);
  }
  EXPECT_EQ(ReadText(log),
            "THookHelpSystem.Create(\"C:\\Q\\Help.chm\",\"\", 0)\r\n"
            "THookHelpSystem.HelpHook(HELP_QUIT, 0)\r\n"
            "THookHelpSystem.Destroy\r\n");
  DeleteFileA(log.c_str());
}

TEST(HookHelpSystem, TakesTheApplicationHelpHandlerAndGivesItBack) {
  std::atomic<int> earlierCalls{0};
  SetApplicationHelpHandler([&](unsigned, uintptr_t) {
    ++earlierCalls;
    return true;
  });
  const std::string log = TempFile("HHDebug-hook.txt");
  DeleteFileA(log.c_str());
  {
    THookHelpSystem help(BuiltHelpFile(), "", THookHelpSystem::DisplayMode::HtmlHelp, log, nullptr);
    EXPECT_TRUE(RaiseApplicationHelp(HELP_FINDER, 0));
    EXPECT_NE(WaitForHelpWindow(), nullptr) << "HELP_FINDER opened no help window";
    EXPECT_FALSE(RaiseApplicationHelp(HELP_SETWINPOS, 0)) << "unknown commands are declined";
  }
  EXPECT_EQ(earlierCalls, 0);
  EXPECT_TRUE(RaiseApplicationHelp(HELP_CONTENTS, 0));
  EXPECT_EQ(earlierCalls, 1);
  SetApplicationHelpHandler(nullptr);
  const std::string text = ReadText(log);
  EXPECT_NE(text.find("THookHelpSystem.HelpHook(HELP_FINDER, 0)\r\n"), std::string::npos) << text;
  EXPECT_NE(text.find("ShowTopic(\"" + BuiltHelpFile() + "\", 0)\r\n  returned - 0\r\n"),
            std::string::npos)
      << text;
  DeleteFileA(log.c_str());
}

TEST(ShowHelpTopic, MissingHelpFileIsReported) {
  const std::string missing = TempFile("no-help-here\\Help.chm");
  help::SetHelpFilePath(missing);
  THookHelpSystem help(missing, "", THookHelpSystem::DisplayMode::HtmlHelp, "", nullptr);
  help::SetActiveHelpSystem(&help);
  const core::Outcome shown = help::ShowHelpTopic("Welcome.htm");
  help::SetActiveHelpSystem(nullptr);
  EXPECT_FALSE(shown.ok);
  EXPECT_EQ(shown.message, "The help file 'Help.chm' cannot be found!\r\nPlease reinstall Quorlo.");
  EXPECT_EQ(robot::WaitForWindowOfProcess(GetCurrentProcessId(), "HH Parent", 500), nullptr);
}

// Without a registered control every page request says so, and nothing else happens.
TEST(HookHelpSystem, MissingHtmlHelpIsReported) {
  constexpr char kServer[] = "CLSID\\{adb880a6-d8ff-11cf-9377-00aa003b7a11}\\InprocServer32";
  const std::string registered =
      win::RegistryKey::Open(HKEY_CLASSES_ROOT, kServer).ReadString("").value_or("");
  ASSERT_FALSE(registered.empty());
  ASSERT_TRUE(win::RegistryKey::Open(HKEY_CLASSES_ROOT, kServer, KEY_ALL_ACCESS).DeleteValue(""));

  const std::string log = TempFile("HHDebug-missing.txt");
  DeleteFileA(log.c_str());
  std::vector<std::string> warnings;
  int result = -1;
  {
    THookHelpSystem help(BuiltHelpFile(), "", THookHelpSystem::DisplayMode::HtmlHelp, log,
                         [&](const std::string& text, const std::string& caption) {
                           warnings.push_back(caption + ": " + text);
                         });
    result = help.HelpTopic("html\\Welcome.htm");
  }
  win::RegistryKey::Open(HKEY_CLASSES_ROOT, kServer, KEY_ALL_ACCESS).WriteString("", registered);

  EXPECT_EQ(result, THookHelpSystem::kHtmlHelpMissing);
  EXPECT_EQ(warnings,
            std::vector<std::string>{"Warning: MS Html Help is not installed on this PC."});
  EXPECT_EQ(robot::WaitForWindowOfProcess(GetCurrentProcessId(), "HH Parent", 500), nullptr);
  const std::string text = ReadText(log);
  EXPECT_NE(
      text.find(
          "  returned - 1\r\nHHShowError(1), \"MS Html Help is not installed on this PC.\"\r\n"),
      std::string::npos)
      << text;
  DeleteFileA(log.c_str());
}

TEST(ShowHelpTopic, OpensThePageOfThePresentHelpFile) {
  help::SetHelpFilePath(BuiltHelpFile());
  THookHelpSystem help(help::HelpFilePath(), "", THookHelpSystem::DisplayMode::HtmlHelp, "",
                       nullptr);
  help::SetActiveHelpSystem(&help);
  EXPECT_TRUE(help::ShowHelpTopic("Icon Manager Introduction.htm").ok);
  EXPECT_NE(WaitForHelpWindow(), nullptr);
  help::SetActiveHelpSystem(nullptr);
}

}  // namespace
}  // namespace help::test
