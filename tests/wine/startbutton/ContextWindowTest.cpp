// The right-click menu window as the user meets it, opened from the Start
// Button Manager: adding for programs, associated and unassociated files,
// the reserved name, replacing, updating and deleting.

#include <gtest/gtest.h>

#include <windows.h>
// After <windows.h>, which it needs.
#include <commctrl.h>

#include "app/MainWindow.h"
#include "startbutton/ContextMenu.h"
#include "startbutton/RightClickMenuWindow.h"
#include "startbutton/StartButtonWindow.h"
#include "tests/robot/Robot.h"
#include "tests/wine/app/ShownMainWindow.h"
#include "tests/wine/deploy/DeployTestSupport.h"
#include "tests/wine/startbutton/StartButtonTestSupport.h"
#include "ui/StandardControls.h"
#include "win/RegistryKey.h"
#include "win/SystemFacts.h"

namespace startbutton::test {
namespace {

constexpr char kCaption[] = "Start Button right-click Menu";

std::string EntryCommand(const std::string& name) {
  return deploy::test::RegistryString(
      HKEY_CLASSES_ROOT, std::string(kDirectoryShellKey) + "\\" + name + "\\command", "");
}

bool EntryExists(const std::string& name) {
  return win::RegistryKey::Open(HKEY_CLASSES_ROOT, std::string(kDirectoryShellKey) + "\\" + name)
      .IsOpen();
}

class ContextWindow : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    main_ = app::test::ShowMainWindow();
    ASSERT_NE(main_, nullptr);
    startbutton::test::WriteBytes("C:\\sbnote.txt", {'h', 'i'});
    startbutton::test::WriteBytes("C:\\sbdata.qzx", {'q'});
    // Text files open with a program whose command quotes both itself and "%1".
    win::DeleteKeyTree(HKEY_CLASSES_ROOT, ".txt");
    deploy::test::SetRegistryString(HKEY_CLASSES_ROOT, ".txt", "", "sbtxtfile");
    deploy::test::SetRegistryString(HKEY_CLASSES_ROOT, "sbtxtfile\\shell\\open\\command", "",
                                    "\"%SystemRoot%\\notepad.exe\" \"%1\"");
    win::DeleteKeyTree(HKEY_CLASSES_ROOT, ".qzx");
  }

  void SetUp() override { win::DeleteKeyTree(HKEY_CLASSES_ROOT, kDirectoryShellKey); }

  // Runs steps with the right-click menu window open, and closes it after.
  static void WithWindow(const std::function<void(startbutton::RightClickMenuWindow&)>& steps) {
    robot::RunBeside([&] {
      robot::Click(main_->Get<ui::Control>("bSBmgr").Hwnd());
      if (!robot::WaitForWindow("TSBmgr", "Start Button Manager")) return;
      startbutton::StartButtonWindow* mgr = main_->StartButton();
      robot::WaitUntil([mgr] { return !mgr->Opening(); });
      robot::Click(mgr->Get<ui::Control>("bContext").Hwnd());
      if (!robot::WaitForWindow("TSBcontext", kCaption)) return;
      startbutton::RightClickMenuWindow& context = mgr->RightClickMenu();
      steps(context);
      robot::Click(Control(context, "bOK"));
      robot::WaitUntil([&] { return !IsWindowVisible(context.Hwnd()); });
      robot::Click(mgr->Get<ui::Control>("bCancel").Hwnd());
      robot::WaitUntil([mgr] { return !IsWindowVisible(mgr->Hwnd()); });
    });
  }
  static HWND Control(ui::Form& form, const char* name) {
    return form.Get<ui::Control>(name).Hwnd();
  }
  static void Fill(startbutton::RightClickMenuWindow& context, const std::string& name,
                   const std::string& shortcut) {
    robot::SelectAllAndType(Control(context, "tName"), name);
    robot::SelectAllAndType(Control(context, "tShortcut"), shortcut);
  }
  // No box within a short wait.
  static bool NoBox() { return !robot::WaitForMessageBox(0, 700).found(); }
  static std::vector<std::string> Listed(startbutton::RightClickMenuWindow& context) {
    HWND list = Control(context, "MenuItems");
    std::vector<std::string> names;
    const int count = int(SendMessageA(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
      char text[256] = {};
      SendMessageA(list, LB_GETTEXT, WPARAM(i), LPARAM(text));
      names.push_back(text);
    }
    return names;
  }
  // Clicks the list's entry of that name, as a user would.
  static bool Select(startbutton::RightClickMenuWindow& context, const std::string& name) {
    HWND list = Control(context, "MenuItems");
    const LRESULT index = SendMessageA(list, LB_FINDSTRINGEXACT, WPARAM(-1), LPARAM(name.c_str()));
    if (index == LB_ERR) return false;
    RECT item{};
    SendMessageA(list, LB_GETITEMRECT, WPARAM(index), LPARAM(&item));
    robot::ClickAt(list, (item.left + item.right) / 2, (item.top + item.bottom) / 2);
    return robot::WaitUntil([&] { return robot::WindowText(Control(context, "tName")) == name; });
  }
  static bool Refilled(startbutton::RightClickMenuWindow& context) {
    return robot::WaitUntil([&] { return robot::WindowText(Control(context, "tName")).empty(); });
  }

  static app::MainWindow* main_;
};

app::MainWindow* ContextWindow::main_ = nullptr;

TEST_F(ContextWindow, AddsProgramsAssociatedAndUnassociatedFiles) {
  const std::string notepad = win::GetWindowsDir() + "notepad.exe";
  ASSERT_TRUE(deploy::test::Exists(notepad));
  std::string unassociated, declined;
  std::vector<std::string> listed;
  bool quiet = false;
  WithWindow([&](startbutton::RightClickMenuWindow& context) {
    Fill(context, "Editor", notepad);
    robot::Click(Control(context, "bAdd"));
    quiet = NoBox();
    Refilled(context);
    Fill(context, "Note", "C:\\sbnote.txt");
    robot::Click(Control(context, "bAdd"));
    Refilled(context);
    Fill(context, "Data", "C:\\sbdata.qzx");
    robot::Click(Control(context, "bAdd"));
    unassociated = robot::AnswerNextMessageBox(IDYES);
    Refilled(context);
    Fill(context, "Declined", "C:\\sbdata.qzx");
    robot::Click(Control(context, "bAdd"));
    declined = robot::AnswerNextMessageBox(IDNO);
    listed = Listed(context);
  });
  EXPECT_TRUE(quiet) << "a program needs no question";
  EXPECT_EQ(deploy::test::RegistryString(HKEY_CLASSES_ROOT,
                                         std::string(kDirectoryShellKey) + "\\Editor", ""),
            "Editor");
  EXPECT_EQ(EntryCommand("Editor"), notepad);
  EXPECT_EQ(EntryCommand("Note"), win::GetWindowsDir() + "notepad.exe \"C:\\sbnote.txt\"");
  const std::string question =
      std::string(kCaption) +
      "|Quorlo cannot find a program that is associated with this "
      "file.\r\nThis means that the shortcut may not work.\r\n\r\nContinue?";
  EXPECT_EQ(unassociated, question);
  EXPECT_EQ(declined, question);
  EXPECT_EQ(EntryCommand("Data"), "C:\\sbdata.qzx");
  EXPECT_FALSE(EntryExists("Declined"));
  std::sort(listed.begin(), listed.end());
  EXPECT_EQ(listed, (std::vector<std::string>{"Data", "Editor", "Note"}));
}

TEST_F(ContextWindow, FindIsNeitherListedNorWritten) {
  deploy::test::SetRegistryString(HKEY_CLASSES_ROOT, std::string(kDirectoryShellKey) + "\\Find", "",
                                  "Find");
  std::vector<std::string> boxes, listed;
  WithWindow([&](startbutton::RightClickMenuWindow& context) {
    listed = Listed(context);
    for (const char* name : {"Find", "FIND"}) {
      Fill(context, name, "C:\\sbnote.txt");
      robot::Click(Control(context, "bAdd"));
      boxes.push_back(robot::AnswerNextMessageBox(IDOK));
    }
  });
  EXPECT_TRUE(listed.empty()) << listed.size() << " entries listed";
  for (const std::string& box : boxes) {
    EXPECT_EQ(box, std::string(kCaption) +
                       "|The shortcut name 'find' is reserved by Windows, and cannot be used.");
  }
  EXPECT_EQ(boxes.size(), 2u);
  EXPECT_EQ(EntryCommand("Find"), "");
}

TEST_F(ContextWindow, AddAsksBeforeReplacingAndUpdateDoesNot) {
  ASSERT_TRUE(WriteMenuItem("One", "C:\\sbdata.qzx").ok);
  ASSERT_TRUE(WriteMenuItem("Two", "C:\\sbdata.qzx").ok);
  std::string declined, accepted;
  bool updateQuiet = false;
  WithWindow([&](startbutton::RightClickMenuWindow& context) {
    Fill(context, "one", win::GetWindowsDir() + "notepad.exe");
    robot::Click(Control(context, "bAdd"));
    declined = robot::AnswerNextMessageBox(IDNO);
    robot::Click(Control(context, "bAdd"));
    accepted = robot::AnswerNextMessageBox(IDYES);
    Refilled(context);
    // Update "Two" under the name "One": overwritten without a question.
    if (!Select(context, "Two")) return;
    Fill(context, "One", "C:\\sbnote.txt");
    robot::Click(Control(context, "bUpdate"));
    updateQuiet = NoBox();
    Refilled(context);
  });
  EXPECT_EQ(declined, std::string(kCaption) + "|Item 'one' already exists.  Replace?");
  EXPECT_EQ(accepted, declined);
  EXPECT_TRUE(updateQuiet);
  EXPECT_EQ(EntryCommand("One"), win::GetWindowsDir() + "notepad.exe \"C:\\sbnote.txt\"");
  EXPECT_FALSE(EntryExists("Two"));
}

TEST_F(ContextWindow, DeleteAsksFirst) {
  ASSERT_TRUE(WriteMenuItem("Gone", "C:\\sbdata.qzx").ok);
  std::string first, second;
  WithWindow([&](startbutton::RightClickMenuWindow& context) {
    if (!Select(context, "Gone")) return;
    robot::Click(Control(context, "bDelete"));
    first = robot::AnswerNextMessageBox(IDNO);
    robot::Click(Control(context, "bDelete"));
    second = robot::AnswerNextMessageBox(IDYES);
    Refilled(context);
  });
  EXPECT_EQ(first, std::string(kCaption) + "|Are you sure?");
  EXPECT_EQ(second, first);
  EXPECT_FALSE(EntryExists("Gone"));
}

TEST_F(ContextWindow, UnchangedUpdateOfAQuotedCommandFailsTheFileCheckAndBrowses) {
  const std::string command = win::GetWindowsDir() + "notepad.exe \"C:\\sbnote.txt\"";
  ASSERT_TRUE(WriteMenuItem("Quoted", command).ok);
  std::string box;
  bool browsed = false;
  WithWindow([&](startbutton::RightClickMenuWindow& context) {
    if (!Select(context, "Quoted")) return;
    robot::Click(Control(context, "bUpdate"));
    box = robot::AnswerNextMessageBox(IDOK);
    HWND dialog = robot::WaitForWindow("#32770", "Select a file to use for the shortcut");
    browsed = dialog != nullptr;
    if (dialog) {
      PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
      robot::WaitUntilGone(dialog);
    }
  });
  EXPECT_EQ(box,
            std::string(kCaption) + "|File '" + command +
                "' could not be found.\r\n\r\nPlease enter a full qualified path for the file, "
                "or click Browse.");
  EXPECT_TRUE(browsed);
  EXPECT_EQ(EntryCommand("Quoted"), command);
}

}  // namespace
}  // namespace startbutton::test
