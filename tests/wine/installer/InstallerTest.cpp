// The installer as a user meets it: installed silently, the installed
// program used to change the Start button, then removed silently from the
// command its Add/Remove Programs entry names. The installer under test is
// the x86_64 build of the release script (installer/Quorlo.nsi).

#include <gtest/gtest.h>
#include <windows.h>
// After <windows.h>, which they need.
#include <objidl.h>
#include <shlobj.h>

#include <string>
#include <vector>

#include "core/Version.h"
#include "deploy/XPStartMenuKeys.h"
#include "tests/robot/Robot.h"
#include "tests/wine/WinePaths.h"
#include "tests/wine/app/QuorloProcess.h"
#include "tests/wine/deploy/DeployTestSupport.h"
#include "tests/wine/startbutton/StartButtonTestSupport.h"
#include "win/ProgramIdentity.h"
#include "win/SystemFacts.h"

namespace {

using deploy::test::Exists;
using deploy::test::RegistryString;

constexpr char kUninstallKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Quorlo";
constexpr DWORD kSetupTimeoutMs = 120000;

std::string InstallerPath() {
  return winetest::BuildDirectory() + "installer\\" QUORLO_TEST_INSTALLER;
}

std::string BuiltFile(const char* name) {
  return winetest::BuildDirectory() + "app\\" + name;
}

std::string InstallDir() {
  std::string dir = win::GetProgramFilesDir();
  if (!dir.empty() && dir.back() != '\\') dir += '\\';
  return dir + "Quorlo\\";
}

// Where "SetShellVarContext all" puts the Start menu group.
std::string StartMenuGroup() {
  char programs[MAX_PATH] = {};
  SHGetFolderPathA(nullptr, CSIDL_COMMON_PROGRAMS, nullptr, SHGFP_TYPE_CURRENT, programs);
  return std::string(programs) + "\\Quorlo\\";
}

std::string ShellCopy(int n) {
  return win::GetWindowsDir() + "Xplorer" + std::to_string(n) + ".exe";
}

bool KeyExists(HKEY root, const std::string& path) {
  HKEY key;
  if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

// The file a shortcut starts, read through the shell's own link object.
std::string ShortcutTarget(const std::string& link) {
  std::string target;
  IShellLinkA* shellLink = nullptr;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                              reinterpret_cast<void**>(&shellLink))))
    return "<no shell link object>";
  IPersistFile* file = nullptr;
  if (SUCCEEDED(shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
    const std::wstring wide(link.begin(), link.end());
    char path[MAX_PATH] = {};
    if (SUCCEEDED(file->Load(wide.c_str(), STGM_READ)) &&
        SUCCEEDED(shellLink->GetPath(path, MAX_PATH, nullptr, SLGP_RAWPATH)))
      target = path;
    file->Release();
  }
  shellLink->Release();
  return target;
}

// Runs a command line and waits for it and every process it starts: an NSIS
// uninstaller copies itself to the temp directory, starts the copy and ends
// at once, so waiting for the first process alone would return before
// anything is removed. Returns false when they had not all ended in time.
bool RunToTheEnd(const std::string& commandLine, DWORD timeoutMs = kSetupTimeoutMs) {
  const HANDLE job = CreateJobObjectA(nullptr, nullptr);
  if (job == nullptr) return false;
  std::string command = commandLine;
  STARTUPINFOA startup = {};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info = {};
  bool ended = false;
  if (CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr,
                     nullptr, &startup, &info)) {
    if (AssignProcessToJobObject(job, info.hProcess)) {
      ResumeThread(info.hThread);
      ended = robot::WaitUntil(
          [job] {
            JOBOBJECT_BASIC_ACCOUNTING_INFORMATION accounting = {};
            return QueryInformationJobObject(job, JobObjectBasicAccountingInformation, &accounting,
                                             sizeof(accounting), nullptr) &&
                   accounting.ActiveProcesses == 0;
          },
          timeoutMs);
    } else {
      TerminateProcess(info.hProcess, 1);
    }
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
  }
  if (!ended) TerminateJobObject(job, 1);
  CloseHandle(job);
  return ended;
}

bool Install() {
  return RunToTheEnd("\"" + InstallerPath() + "\" /S");
}

// The command Add/Remove Programs runs, made silent.
bool Uninstall() {
  const std::string command = RegistryString(HKEY_LOCAL_MACHINE, kUninstallKey, "UninstallString");
  return !command.empty() && RunToTheEnd(command + " /S");
}

class Installer : public testing::Test {
 protected:
  static void SetUpTestSuite() { CoInitialize(nullptr); }
  static void TearDownTestSuite() { CoUninitialize(); }
};

TEST_F(Installer, SilentInstallPutsProgramShortcutsAndEntryInPlace) {
  ASSERT_TRUE(Exists(InstallerPath())) << InstallerPath();
  ASSERT_TRUE(Install()) << "the installer did not end";

  const std::string dir = InstallDir();
  for (const char* name : {"Quorlo.exe", "Help.chm"}) {
    EXPECT_EQ(startbutton::test::ReadBytes(dir + name), startbutton::test::ReadBytes(BuiltFile(name))) << name;
  }
  EXPECT_TRUE(Exists(dir + "Uninstall.exe"));

  const std::string group = StartMenuGroup();
  EXPECT_EQ(ShortcutTarget(group + "Quorlo.lnk"), dir + "Quorlo.exe");
  EXPECT_EQ(ShortcutTarget(group + "Quorlo Help.lnk"), dir + "Help.chm");
  EXPECT_EQ(ShortcutTarget(group + "Uninstall Quorlo.lnk"), dir + "Uninstall.exe");

  const struct {
    const char* name;
    std::string value;
  } entry[] = {
      {"DisplayName", "Quorlo"},
      {"DisplayVersion", QUORLO_VERSION_TEXT},
      {"Publisher", "KorvSoft"},
      {"DisplayIcon", dir + "Quorlo.exe,0"},
      {"InstallLocation", dir.substr(0, dir.size() - 1)},
      {"UninstallString", "\"" + dir + "Uninstall.exe\""},
  };
  for (const auto& value : entry) {
    EXPECT_EQ(RegistryString(HKEY_LOCAL_MACHINE, kUninstallKey, value.name), value.value)
        << value.name;
  }
}

// The installed program, used as a user would: a new word for the Start
// button, written with OK and "restart later". Returns what went wrong.
std::string ChangeStartButtonThroughProgram(app::test::QuorloProcess& program) {
  const HWND main = robot::WaitForWindowOfProcess(program.Id(), "TfMain");
  if (main == nullptr) return "no main window";
  robot::Click(robot::FindChildByText(main, "Start Button Manager"));
  const HWND manager = robot::WaitForWindowOfProcess(program.Id(), "TSBmgr");
  if (manager == nullptr) return "no Start Button Manager";
  const HWND word = robot::FindChildByClass(manager, "Edit", 0);
  // Typing before the window has read the shell would be overwritten.
  if (!robot::WaitUntil([word] { return robot::WindowText(word) == "Start"; }))
    return "the manager shows '" + robot::WindowText(word) + "', not the shell's word";
  robot::SelectAllAndType(word, "Go");
  robot::Click(robot::FindChildByText(manager, "OK"));
  const HWND choice = robot::WaitForWindowOfProcess(program.Id(), "TfDialog3");
  if (choice == nullptr) return "no apply choice";
  const HWND restart =
      robot::FindChildByText(choice, "Restart computer for changes to take effect");
  robot::Click(restart);
  robot::WaitUntil([restart] { return SendMessageA(restart, BM_GETCHECK, 0, 0) == BST_CHECKED; });
  robot::Click(robot::FindChildByText(choice, "OK"));
  const robot::MessageBoxInfo box = robot::WaitForMessageBox(program.Id());
  if (!box.found()) return "no restart question";
  robot::AnswerMessageBox(box, IDNO);
  robot::WaitUntilGone(manager);
  return "";
}

TEST_F(Installer, SilentUninstallUndoesTheSettingsAndRemovesTheProgramButNotTheCopies) {
  ASSERT_TRUE(Install()) << "the installer did not end";
  const std::string dir = InstallDir();
  const std::string group = StartMenuGroup();
  // What the managers keep under the program's own key.
  const std::string iconBackups = std::string(win::ProgramRegistryKey) + "\\Default Icons";
  deploy::test::SetRegistryString(HKEY_CURRENT_USER, iconBackups, "0", "shell32.dll,3");

  app::test::QuorloProcess program(dir + "Quorlo.exe", "");
  ASSERT_TRUE(program.Started());
  ASSERT_EQ(ChangeStartButtonThroughProgram(program), "");
  ASSERT_EQ(deploy::test::ShellSetting(), ShellCopy(1)) << "the change did not take effect";
  if (deploy::test::IsXP()) {
    for (const auto& key : deploy::kXPStartMenuKeys) {
      ASSERT_EQ(RegistryString(HKEY_CLASSES_ROOT, key.path, "InfoTip"),
                deploy::ShellStringReference("Xplorer1.exe", key.infoTipId));
    }
  }

  // While the program runs its files cannot go: the uninstaller refuses.
  ASSERT_TRUE(Uninstall()) << "the uninstaller did not end";
  EXPECT_TRUE(Exists(dir + "Quorlo.exe"));
  EXPECT_EQ(deploy::test::ShellSetting(), ShellCopy(1)) << "a refused uninstall changed settings";
  EXPECT_FALSE(RegistryString(HKEY_LOCAL_MACHINE, kUninstallKey, "UninstallString").empty());

  PostMessageA(robot::WaitForWindowOfProcess(program.Id(), "TfMain"), WM_CLOSE, 0, 0);
  ASSERT_EQ(program.WaitForExit(), 0u);
  ASSERT_TRUE(Uninstall()) << "the uninstaller did not end";

  EXPECT_EQ(deploy::test::ShellSetting(), win::GetWindowsDir() + "Explorer.exe");
  if (deploy::test::IsXP()) {
    for (const auto& key : deploy::kXPStartMenuKeys) {
      EXPECT_EQ(RegistryString(HKEY_CLASSES_ROOT, key.path, ""), key.defaultName);
      EXPECT_EQ(RegistryString(HKEY_CLASSES_ROOT, key.path, "InfoTip"),
                deploy::ShellStringReference("Explorer.exe", key.infoTipId));
      EXPECT_EQ(RegistryString(HKEY_CLASSES_ROOT, key.path, "LocalizedString"),
                deploy::ShellStringReference("Explorer.exe", key.localizedStringId));
    }
  }
  for (const char* name : {"Quorlo.exe", "Help.chm", "Uninstall.exe", ""}) {
    EXPECT_FALSE(Exists(dir + name)) << dir + name;
  }
  for (const char* name : {"Quorlo.lnk", "Quorlo Help.lnk", "Uninstall Quorlo.lnk", ""}) {
    EXPECT_FALSE(Exists(group + name)) << group + name;
  }
  EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kUninstallKey));
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, std::string(win::ProgramRegistryKey).substr(1)));
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, "Software\\KorvSoft")) << "an empty key was left";

  // The copy is the user's: Windows may still run from it until the restart.
  ASSERT_TRUE(Exists(ShellCopy(1)));
  EXPECT_EQ(startbutton::test::LoadShellString(ShellCopy(1), 578), "Go");
}

}  // namespace
