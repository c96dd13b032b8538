// The Icon Manager as the user meets it: opened from the main window behind
// its progress window, browsed, changed through the shell's Change Icon
// dialog, applied, restored and cancelled, on Wine's real registry, shell32
// and tree view. The robot acts on a second thread while this one runs the
// windows. Only the Change Icon dialog itself is played by a stand-in (it is
// the system's modal dialog); one case calls Wine's own.

#include <gtest/gtest.h>

#include <windows.h>
// After <windows.h>, which it needs.
#include <commctrl.h>

#include <cstdint>
#include <string>
#include <vector>

#include "app/MainWindow.h"
#include "icons/ChangeIconDialog_win.h"
#include "icons/IconManagerWindow_win.h"
#include "icons/IconProgressWindow_win.h"
#include "tests/robot/Robot.h"
#include "tests/unit/icons/IconScenario.h"
#include "tests/wine/WinePaths.h"
#include "tests/wine/app/ShownMainWindow.h"
#include "tests/wine/icons/IconRegistrySupport.h"
#include "ui/StandardControls.h"
#include "win/AnsiText.h"
#include "win/RegistryKey.h"
#include "win/SystemFacts.h"

namespace {

using icons::RegistryRoot;

constexpr char kCaption[] = "Icon Manager";
constexpr char kMetrics[] = "Control Panel\\Desktop\\WindowMetrics";
constexpr char kShellIconSize[] = "Shell Icon Size";

bool IsNT() {
  return win::PlatformFamily() == win::kPlatformNT;
}

// The stand-in for the shell's Change Icon dialog: what the user will
// answer, and what the program handed it.
struct PickAnswer {
  bool confirm = false;
  std::string file;
  int index = 0;
};
struct PickCall {
  HWND owner = nullptr;
  std::string file;  // the buffer read as this platform's kind of text
  int index = 0;
  UINT chars = 0;
};
PickAnswer answer;
std::vector<PickCall> calls;

BOOL WINAPI StandInPickIcon(HWND owner, void* path, UINT chars, int* index) {
  PickCall call;
  call.owner = owner;
  call.chars = chars;
  call.index = *index;
  if (IsNT()) {
    call.file = win::UnicodeToAnsi(static_cast<const char16_t*>(path));
  } else {
    call.file = static_cast<const char*>(path);
  }
  calls.push_back(call);
  if (!answer.confirm) return FALSE;
  if (IsNT()) {
    const std::u16string wide = win::AnsiToUnicode(answer.file);
    std::char_traits<char16_t>::copy(static_cast<char16_t*>(path), wide.c_str(), wide.size() + 1);
  } else {
    std::char_traits<char>::copy(static_cast<char*>(path), answer.file.c_str(),
                                 answer.file.size() + 1);
  }
  *index = answer.index;
  return TRUE;
}

// A top-level window that notes "Shell Icon Size" each time a setting change
// is broadcast.
std::vector<std::string> sizesSeen;

LRESULT CALLBACK RecorderProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_SETTINGCHANGE) {
    sizesSeen.push_back(
        icons::test::Describe(icons::test::ReadRaw(RegistryRoot::CurrentUser, kMetrics, kShellIconSize)));
  }
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

// An icon file of one colour, 32x32 and 16x16 at 32 bits, built as the
// format lays it out.
std::vector<uint8_t> SolidIconFile(uint32_t bgra) {
  const int sizes[] = {32, 16};
  std::vector<uint8_t> out;
  const auto put16 = [&out](uint32_t v) {
    out.push_back(uint8_t(v));
    out.push_back(uint8_t(v >> 8));
  };
  const auto put32 = [&](uint32_t v) {
    put16(v & 0xFFFF);
    put16(v >> 16);
  };
  put16(0);
  put16(1);
  put16(2);
  uint32_t offset = 6 + 16 * 2;
  std::vector<uint32_t> imageSizes;
  for (int size : sizes) {
    const uint32_t maskRow = ((size + 31) / 32) * 4;
    imageSizes.push_back(40 + uint32_t(size * size * 4) + maskRow * uint32_t(size));
  }
  for (int i = 0; i < 2; ++i) {
    out.push_back(uint8_t(sizes[i]));
    out.push_back(uint8_t(sizes[i]));
    out.push_back(0);
    out.push_back(0);
    put16(1);
    put16(32);
    put32(imageSizes[i]);
    put32(offset);
    offset += imageSizes[i];
  }
  for (int size : sizes) {
    put32(40);
    put32(uint32_t(size));
    put32(uint32_t(size * 2));
    put16(1);
    put16(32);
    for (int i = 0; i < 6; ++i) put32(0);
    for (int p = 0; p < size * size; ++p) put32(bgra);
    const uint32_t maskRow = ((size + 31) / 32) * 4;
    out.insert(out.end(), maskRow * uint32_t(size), 0);
  }
  return out;
}

std::string WriteIconFixture() {
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  const std::string path = std::string(temp) + "quorlo-red.ico";
  const std::vector<uint8_t> bytes = SolidIconFile(0xFFE01010);  // opaque red
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD written = 0;
  WriteFile(file, bytes.data(), DWORD(bytes.size()), &written, nullptr);
  CloseHandle(file);
  return path;
}

class IconManagerScenario : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    main_ = app::test::ShowMainWindow();
    ASSERT_NE(main_, nullptr);
    WNDCLASSA recorder{};
    recorder.lpfnWndProc = RecorderProc;
    recorder.hInstance = GetModuleHandleA(nullptr);
    recorder.lpszClassName = "QuorloSettingRecorder";
    RegisterClassA(&recorder);
    recorder_ = CreateWindowA("QuorloSettingRecorder", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(recorder_, nullptr);
  }

  void SetUp() override {
    ASSERT_EQ(win::WindowsVersion(), icons::test::ExpectedWindowsVersion());
    std::string failure;
    ASSERT_TRUE(icons::test::SeedScenario(&failure)) << failure;
    win::RegistryKey metrics = win::RegistryKey::Create(HKEY_CURRENT_USER, kMetrics);
    ASSERT_TRUE(metrics.WriteString(kShellIconSize, "32"));
    system_ = win::GetSystemDir();
    answer = PickAnswer();
    calls.clear();
    sizesSeen.clear();
    icons::SetPickIconFunction(StandInPickIcon);
  }
  void TearDown() override { icons::SetPickIconFunction(nullptr); }

  // Robot side: clicks the main window's button and waits until the window
  // has read the catalogue; notes whether the progress window was seen.
  static icons::IconManagerWindow* OpenManager(bool* progressSeen = nullptr) {
    robot::Click(main_->Get<ui::Control>("bImgr").Hwnd());
    const HWND progress = robot::WaitForWindow("TfDialog5", kCaption, 5000);
    if (progressSeen != nullptr) *progressSeen = progress != nullptr;
    if (!robot::WaitForWindow("TIconMgr", kCaption)) return nullptr;
    icons::IconManagerWindow* mgr = main_->IconManager();
    if (mgr == nullptr || !robot::WaitUntil([mgr] { return !mgr->Opening(); })) return nullptr;
    return mgr;
  }
  static HWND Control(ui::Form& form, const char* name) {
    return form.Get<ui::Control>(name).Hwnd();
  }
  static std::string TextOf(ui::Form& form, const char* name) {
    return robot::WindowText(Control(form, name));
  }
  static bool Enabled(ui::Form& form, const char* name) {
    return IsWindowEnabled(Control(form, name)) != FALSE;
  }
  static bool Select(icons::IconManagerWindow& mgr, const std::vector<std::string>& path) {
    return robot::SelectTreeItem(Control(mgr, "IconTree"), path);
  }
  // What the details show: group caption | file | index label | enabled.
  static std::string Details(icons::IconManagerWindow& mgr) {
    return TextOf(mgr, "b1") + " | " + TextOf(mgr, "tIconFile") + " | " +
           TextOf(mgr, "lIconIndex") + " | " + (Enabled(mgr, "bChange") ? "editable" : "disabled");
  }
  // Clicks Change Icon with the user's answer ready, and returns once the
  // window has handled the click.
  static bool Change(icons::IconManagerWindow& mgr, const PickAnswer& play) {
    answer = play;
    const size_t before = calls.size();
    robot::Click(Control(mgr, "bChange"));
    if (!robot::WaitUntil([before] { return calls.size() > before; })) return false;
    DWORD_PTR result = 0;
    SendMessageTimeoutA(mgr.Hwnd(), WM_NULL, 0, 0, SMTO_NORMAL, robot::kDefaultWaitMs, &result);
    return true;
  }
  // The pixels of the tree's image for the selected node, as the screen shows them.
  static std::vector<uint32_t> SelectedTreeImage(icons::IconManagerWindow& mgr) {
    const HWND tree = Control(mgr, "IconTree");
    HTREEITEM item = TreeView_GetSelection(tree);
    RECT text{};
    if (!TreeView_GetItemRect(tree, item, &text, TRUE)) return {};
    const robot::Capture capture = robot::CaptureWindow(tree);
    RECT window{};
    GetWindowRect(tree, &window);
    POINT origin{0, 0};
    ClientToScreen(tree, &origin);
    std::vector<uint32_t> pixels;
    const int top = origin.y - window.top + text.top;
    const int left = origin.x - window.left + text.left - 19;
    for (int y = top; y < top + 16 && y < capture.height; ++y) {
      for (int x = left; x < left + 16 && x >= 0 && x < capture.width; ++x) {
        pixels.push_back(capture.At(x, y));
      }
    }
    return pixels;
  }
  // Whether the capture holds a pixel close to the pure colour with one bit per
  // channel: 4 = red, 2 = green, 1 = blue.
  static bool HasPure(const robot::Capture& capture, int channels) {
    for (uint32_t p : capture.pixels) {
      bool matches = true;
      for (int c = 0; c < 3; ++c) {
        const uint32_t value = (p >> (8 * c)) & 0xFF;
        matches = matches && ((channels >> c) & 1 ? value > 0xC0 : value < 0x40);
      }
      if (matches) return true;
    }
    return false;
  }
  static std::string Raw(RegistryRoot root, const std::string& path, const std::string& name) {
    return icons::test::Describe(icons::test::ReadRaw(root, path, name));
  }
  static std::string ShellIconsValue(int entry) {
    return Raw(RegistryRoot::LocalMachine, icons::kShellIconsKey, std::to_string(entry));
  }

  static app::MainWindow* main_;
  static HWND recorder_;
  std::string system_;
};

app::MainWindow* IconManagerScenario::main_ = nullptr;
HWND IconManagerScenario::recorder_ = nullptr;

TEST_F(IconManagerScenario, OpeningShowsTheProgressWindowThenTheTreeWithShellIcons) {
  bool progressSeen = false, applyEnabled = true, progressHidden = false;
  std::string selected, details;
  std::vector<uint32_t> programs, closedFolder, hardDrive;
  int barPosition = -1, nodes = 0, expandedParents = 0;
  robot::RunBeside([&] {
    icons::IconManagerWindow* mgr = OpenManager(&progressSeen);
    if (mgr == nullptr) return;
    progressHidden = robot::WaitUntil([&] { return !IsWindowVisible(mgr->Progress().Hwnd()); });
    barPosition = mgr->Progress().Bar().Position();
    applyEnabled = Enabled(*mgr, "bApply");
    const HWND tree = Control(*mgr, "IconTree");
    nodes = int(TreeView_GetCount(tree));
    for (HTREEITEM root = TreeView_GetRoot(tree); root;
         root = TreeView_GetNextSibling(tree, root)) {
      if (TreeView_GetItemState(tree, root, TVIS_EXPANDED) & TVIS_EXPANDED) ++expandedParents;
    }
    selected = robot::SelectedTreeItemText(tree);
    details = Details(*mgr);
    Select(*mgr, {"Start Menu", "Programs"});
    programs = SelectedTreeImage(*mgr);
    Select(*mgr, {"Folders", "Closed Folder"});
    closedFolder = SelectedTreeImage(*mgr);
    Select(*mgr, {"Drives", "Hard Drive"});
    hardDrive = SelectedTreeImage(*mgr);
    robot::Click(Control(*mgr, "bCancel"));
    robot::WaitUntilGone(mgr->Hwnd());
  });
  EXPECT_TRUE(progressSeen) << "the progress window never showed";
  EXPECT_TRUE(progressHidden);
  EXPECT_EQ(barPosition, icons::IconProgressWindow::kBarMaximum);
  EXPECT_FALSE(applyEnabled);
  EXPECT_EQ(nodes, int(icons::kIconTree.size()));
  EXPECT_EQ(expandedParents, 6);
  EXPECT_EQ(selected, "Start Menu");
  EXPECT_EQ(details, "Select an item to customise | Select an item to customise |  | disabled");
  ASSERT_EQ(programs.size(), 256u);
  ASSERT_EQ(hardDrive.size(), 256u);
  // Shell32's icons 19 and 8 differ; the tree shows each entry's own.
  EXPECT_NE(programs, hardDrive);
  // "%SystemRoot%\system32\shell32.dll, 15": expanded for the picture only.
  const std::vector<uint32_t> blank(256, 0xFFFFFF);
  EXPECT_NE(closedFolder, blank) << "no picture for a location with an environment reference";
}

TEST_F(IconManagerScenario, OnlyNodesWithAParentAreEditable) {
  std::string settings, desktopTop, desktopFolder, sendToDesktop;
  robot::RunBeside([&] {
    icons::IconManagerWindow* mgr = OpenManager();
    if (mgr == nullptr) return;
    Select(*mgr, {"Start Menu", "Settings"});
    settings = Details(*mgr);
    Select(*mgr, {"Desktop"});
    desktopTop = Details(*mgr);
    Select(*mgr, {"Folders", "Desktop"});
    desktopFolder = Details(*mgr);
    Change(*mgr, PickAnswer());
    robot::Click(Control(*mgr, "bCancel"));
    robot::WaitUntilGone(mgr->Hwnd());
  });
  EXPECT_EQ(settings, "Settings | " + system_ + "Shell32.dll | Icon Index: 21 | editable");
  EXPECT_EQ(desktopTop, "Select an item to customise | Select an item to customise |  | disabled");
  EXPECT_EQ(desktopFolder, "Desktop | " + system_ + "Shell32.dll | Icon Index: 34 | editable");
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].file, system_ + "Shell32.dll") << "the dialog got the wrong kind of buffer";
  EXPECT_EQ(calls[0].index, 34);
  EXPECT_EQ(calls[0].chars, 260u);
}

TEST_F(IconManagerScenario, ChangeIconUpdatesTheDetailsAndTreeAndApplyWritesAndBroadcasts) {
  const std::string redIcon = WriteIconFixture();
  std::string afterFind, afterBin, afterShell32, afterRed;
  bool applyBefore = true, applyAfterChange = false, applyAfterApply = true;
  std::vector<uint32_t> programsBefore, programsAfter;
  robot::Capture redPreview;
  const std::string iconLibrary =
      winetest::WindowsPath(winetest::EnvironmentOr("QUORLO_FIXTURES", ".")) + "\\Icons.dll";
  std::string afterLibrary;
  robot::Capture libraryPreviews[2];
  std::vector<uint32_t> libraryTreeImages[2];
  robot::RunBeside([&] {
    icons::IconManagerWindow* mgr = OpenManager();
    if (mgr == nullptr) return;
    applyBefore = Enabled(*mgr, "bApply");
    // The scenario's own edits, as the native tables play them.
    Select(*mgr, {"Start Menu", "Find/Search"});
    Change(*mgr, {true, "C:\\New\\find.ico", -5});
    afterFind = Details(*mgr);
    applyAfterChange = Enabled(*mgr, "bApply");
    Select(*mgr, {"Desktop", "Recycle Bin (empty)"});
    Change(*mgr, {true, "C:\\New\\bin.ico", 3});
    afterBin = Details(*mgr);
    // Another icon of shell32 changes the node's picture in the tree.
    Select(*mgr, {"Start Menu", "Programs"});
    programsBefore = SelectedTreeImage(*mgr);
    Change(*mgr, {true, system_ + "shell32.dll", 3});
    afterShell32 = Details(*mgr);
    programsAfter = SelectedTreeImage(*mgr);
    Change(*mgr, {true, system_ + "Shell32.dll", 19});
    // An icon file: the preview shows its picture.
    Select(*mgr, {"Start Menu", "Help"});
    Change(*mgr, {true, redIcon, 0});
    afterRed = Details(*mgr);
    redPreview = robot::CaptureWindow(Control(*mgr, "iIcon"));
    // An icon library: the index picks the group.
    Change(*mgr, {true, iconLibrary, 1});
    afterLibrary = Details(*mgr);
    libraryPreviews[1] = robot::CaptureWindow(Control(*mgr, "iIcon"));
    libraryTreeImages[1] = SelectedTreeImage(*mgr);
    Change(*mgr, {true, iconLibrary, 0});
    libraryPreviews[0] = robot::CaptureWindow(Control(*mgr, "iIcon"));
    libraryTreeImages[0] = SelectedTreeImage(*mgr);
    Change(*mgr, {true, system_ + "Shell32.dll", 23});

    robot::Click(Control(*mgr, "bApply"));
    robot::WaitUntil([&] { return !Enabled(*mgr, "bApply"); });
    applyAfterApply = Enabled(*mgr, "bApply");
    robot::Click(Control(*mgr, "bCancel"));
    robot::WaitUntilGone(mgr->Hwnd());
  });
  EXPECT_FALSE(applyBefore);
  EXPECT_EQ(afterFind, "Find/Search | C:\\New\\find.ico | Icon Index: -5 | editable");
  EXPECT_TRUE(applyAfterChange);
  EXPECT_EQ(afterBin, "Recycle Bin (empty) | C:\\New\\bin.ico | Icon Index: 3 | editable");
  EXPECT_EQ(afterShell32, "Programs | " + system_ + "shell32.dll | Icon Index: 3 | editable");
  EXPECT_NE(programsBefore, programsAfter);
  EXPECT_EQ(afterRed, "Help | " + redIcon + " | Icon Index: 0 | editable");
  EXPECT_TRUE(HasPure(redPreview, 4)) << "the preview does not show the icon file";
  EXPECT_EQ(afterLibrary, "Help | " + iconLibrary + " | Icon Index: 1 | editable");
  EXPECT_TRUE(HasPure(libraryPreviews[1], 1) && !HasPure(libraryPreviews[1], 2))
      << "index 1 of the library is its blue icon";
  EXPECT_TRUE(HasPure(libraryPreviews[0], 2) && !HasPure(libraryPreviews[0], 1))
      << "index 0 of the library is its green icon";
  EXPECT_NE(libraryTreeImages[0], libraryTreeImages[1]);
  EXPECT_FALSE(applyAfterApply);

  const int version = win::WindowsVersion();
  for (const icons::test::ExpectedValue& expected :
       icons::test::ScenarioAfterApply(system_, version)) {
    // Programs and Help came back to their defaults through the dialog.
    EXPECT_EQ(Raw(expected.root, expected.path, expected.name), icons::test::Describe(expected.value))
        << icons::test::RootName(expected.root) << expected.path << " [" << expected.name << "]";
  }
  EXPECT_EQ(sizesSeen, (std::vector<std::string>{"text \"31\"", "text \"32\""}));
}

TEST_F(IconManagerScenario, CancelInTheDialogAndWinesOwnDialogChangeNothing) {
  std::string before, afterCancel, afterShell;
  bool applyAfterCancel = true, applyAfterShell = true;
  robot::RunBeside([&] {
    icons::IconManagerWindow* mgr = OpenManager();
    if (mgr == nullptr) return;
    Select(*mgr, {"Folders", "Open Folder"});
    before = Details(*mgr);
    Change(*mgr, {false, "C:\\Never.ico", 9});
    afterCancel = Details(*mgr);
    applyAfterCancel = Enabled(*mgr, "bApply");
    // Wine's shell32 returns at once and hands back what it was given.
    icons::SetPickIconFunction(nullptr);
    DWORD_PTR result = 0;
    // Sent, not posted: the click has been handled when the call returns.
    SendMessageTimeoutA(Control(*mgr, "bChange"), BM_CLICK, 0, 0, SMTO_NORMAL,
                        robot::kDefaultWaitMs, &result);
    afterShell = Details(*mgr);
    applyAfterShell = Enabled(*mgr, "bApply");
    robot::Click(Control(*mgr, "bCancel"));
    robot::WaitUntilGone(mgr->Hwnd());
  });
  EXPECT_EQ(before, "Open Folder | C:\\Icons\\folder.ico | Icon Index: 0 | editable");
  EXPECT_EQ(calls.size(), 1u);
  EXPECT_EQ(afterCancel, before);
  EXPECT_FALSE(applyAfterCancel);
  EXPECT_EQ(afterShell, before);
  EXPECT_FALSE(applyAfterShell);
}

TEST_F(IconManagerScenario, AMissingShellIconSizeEndsAsTheLargeIconWidth) {
  win::RegistryKey metrics = win::RegistryKey::Create(HKEY_CURRENT_USER, kMetrics);
  metrics.DeleteValue(kShellIconSize);
  const std::string width = std::to_string(GetSystemMetrics(SM_CXICON));
  robot::RunBeside([&] {
    icons::IconManagerWindow* mgr = OpenManager();
    if (mgr == nullptr) return;
    robot::Click(Control(*mgr, "bRebuild"));
    robot::Click(Control(*mgr, "bCancel"));
    robot::WaitUntilGone(mgr->Hwnd());
  });
  EXPECT_EQ(sizesSeen, (std::vector<std::string>{
                           "text \"" + std::to_string(GetSystemMetrics(SM_CXICON) - 1) + "\"",
                           "text \"" + width + "\""}));
  EXPECT_EQ(Raw(RegistryRoot::CurrentUser, kMetrics, kShellIconSize), "text \"" + width + "\"");
  // Rebuild Icons writes no icon.
  EXPECT_EQ(ShellIconsValue(0), "missing");
}

TEST_F(IconManagerScenario, ASizeThatIsNoNumberStopsTheRebuildWithTheMessage) {
  win::RegistryKey metrics = win::RegistryKey::Create(HKEY_CURRENT_USER, kMetrics);
  ASSERT_TRUE(metrics.WriteString(kShellIconSize, "large"));
  std::string box;
  bool applyStays = false, open = false;
  robot::RunBeside([&] {
    icons::IconManagerWindow* mgr = OpenManager();
    if (mgr == nullptr) return;
    Select(*mgr, {"Files", "Executable"});
    Change(*mgr, {true, system_ + "Shell32.dll", 3});
    robot::Click(Control(*mgr, "bOK"));
    box = robot::AnswerNextMessageBox(IDOK);
    robot::PumpMessages(100);
    applyStays = Enabled(*mgr, "bApply");
    open = IsWindowVisible(mgr->Hwnd()) != FALSE;
    robot::Click(Control(*mgr, "bCancel"));
    robot::WaitUntilGone(mgr->Hwnd());
  });
  EXPECT_EQ(box, std::string(kCaption) + "|'large' is not a valid integer value");
  EXPECT_TRUE(sizesSeen.empty());
  EXPECT_EQ(Raw(RegistryRoot::CurrentUser, kMetrics, kShellIconSize), "text \"large\"");
  EXPECT_TRUE(applyStays);
  EXPECT_TRUE(open);
}

TEST_F(IconManagerScenario, RestoreShowsTheDefaultsWithoutWriting) {
  std::string box, openFolder, pc, bin;
  bool applyAfter = false;
  robot::RunBeside([&] {
    icons::IconManagerWindow* mgr = OpenManager();
    if (mgr == nullptr) return;
    robot::Click(Control(*mgr, "bRestore"));
    box = robot::AnswerNextMessageBox(IDOK);
    applyAfter = Enabled(*mgr, "bApply");
    Select(*mgr, {"Folders", "Open Folder"});
    openFolder = Details(*mgr);
    Select(*mgr, {"Folders", "Control Panel"});
    pc = Details(*mgr);
    Select(*mgr, {"Desktop", "Recycle Bin (empty)"});
    bin = Details(*mgr);
    robot::Click(Control(*mgr, "bCancel"));
    robot::WaitUntilGone(mgr->Hwnd());
  });
  EXPECT_EQ(box, std::string(kCaption) + "|All the icons are now restored to the default.");
  EXPECT_TRUE(applyAfter);
  EXPECT_EQ(openFolder, "Open Folder | " + system_ + "Shell32.dll | Icon Index: 4 | editable");
  // The backup of an earlier opening, not what the registry holds now.
  EXPECT_EQ(pc, "Control Panel | C:\\Old\\cp.ico | Icon Index: 9 | editable");
  EXPECT_EQ(bin, "Recycle Bin (empty) | C:\\Icons\\bin.ico | Icon Index: 1 | editable");
  EXPECT_EQ(ShellIconsValue(4), "text \"C:\\Icons\\folder.ico\"");
  EXPECT_TRUE(sizesSeen.empty());
}

TEST_F(IconManagerScenario, CancelDropsTheEditsAndTheNextOpeningReloads) {
  std::string edited, reopened;
  robot::RunBeside([&] {
    icons::IconManagerWindow* mgr = OpenManager();
    if (mgr == nullptr) return;
    Select(*mgr, {"Others", "Computer"});
    Change(*mgr, {true, "C:\\Mine.ico", 2});
    edited = Details(*mgr);
    robot::Click(Control(*mgr, "bCancel"));
    if (!robot::WaitUntilGone(mgr->Hwnd())) return;
    mgr = OpenManager();
    if (mgr == nullptr) return;
    Select(*mgr, {"Others", "Computer"});
    reopened = Details(*mgr);
    robot::Click(Control(*mgr, "bCancel"));
    robot::WaitUntilGone(mgr->Hwnd());
  });
  EXPECT_EQ(edited, "Computer | C:\\Mine.ico | Icon Index: 2 | editable");
  EXPECT_EQ(reopened, "Computer | " + system_ + "Shell32.dll | Icon Index: 15 | editable");
  EXPECT_EQ(ShellIconsValue(15), "missing");
  EXPECT_TRUE(sizesSeen.empty());
}

}  // namespace
