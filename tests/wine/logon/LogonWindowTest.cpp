// The Logon Dialogs Manager as the user meets it: opened from the main
// window, its pictures read from the logon library in force, changed through
// the picture dialog on each tab, written with OK, restored; the robot acts
// on a second thread while this one runs the windows. What the screen shows
// is compared with pictures decoded by Windows itself.

#include <gtest/gtest.h>

#include <windows.h>
// After <windows.h>, which it needs.
#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/MainWindow.h"
#include "core/FileIo.h"
#include "deploy/Activation.h"
#include "logon/BarAnimation.h"
#include "logon/LogonDialogsWindow_win.h"
#include "logon/LogonWrite_win.h"
#include "tests/robot/Robot.h"
#include "tests/wine/app/ShownMainWindow.h"
#include "tests/wine/deploy/DeployTestSupport.h"
#include "tests/wine/logon/LogonTestSupport.h"
#include "ui/StandardControls.h"
#include "win/SystemFacts.h"

namespace {

using namespace logon::test;
using deploy::test::Exists;

constexpr char kCaption[] = "Logon Dialogs Manager";
constexpr int kBoxWidth = 413;
constexpr int kBoxHeight = 88;
constexpr uint32_t kWhite = 0xFFFFFF;

// A picture as Windows decodes it: 0x00RRGGBB, top-down.
struct Pixels {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> values;
  uint32_t At(int x, int y) const { return values[size_t(y) * width + x]; }
};

Pixels DecodeWithWindows(const Bytes& file) {
  Pixels pixels;
  const std::string path = WriteTestFile("_decode.bmp", file);
  HBITMAP bitmap = static_cast<HBITMAP>(
      LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
  if (bitmap == nullptr) return pixels;
  BITMAP info{};
  GetObjectA(bitmap, sizeof info, &info);
  BITMAPINFO request{};
  request.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  request.bmiHeader.biWidth = info.bmWidth;
  request.bmiHeader.biHeight = -info.bmHeight;
  request.bmiHeader.biPlanes = 1;
  request.bmiHeader.biBitCount = 32;
  request.bmiHeader.biCompression = BI_RGB;
  pixels.values.resize(size_t(info.bmWidth) * info.bmHeight);
  HDC screen = GetDC(nullptr);
  if (GetDIBits(screen, bitmap, 0, info.bmHeight, pixels.values.data(), &request, DIB_RGB_COLORS) ==
      info.bmHeight) {
    pixels.width = info.bmWidth;
    pixels.height = info.bmHeight;
    for (uint32_t& value : pixels.values) value &= 0xFFFFFF;
  } else {
    pixels.values.clear();
  }
  ReleaseDC(nullptr, screen);
  DeleteObject(bitmap);
  return pixels;
}

// Pixels of a capture of a picture box that differ from the picture drawn
// at (left, top) on white; -1 when there is nothing to compare.
int Mismatches(const robot::Capture& shot, const Pixels& picture, int left, int top) {
  if (shot.width != kBoxWidth || shot.height != kBoxHeight) return -1;
  int wrong = 0;
  for (int y = 0; y < shot.height; ++y) {
    for (int x = 0; x < shot.width; ++x) {
      const int px = x - left;
      const int py = y - top;
      const bool inside = px >= 0 && py >= 0 && px < picture.width && py < picture.height;
      if (shot.At(x, y) != (inside ? picture.At(px, py) : kWhite)) ++wrong;
    }
  }
  return wrong;
}

int CentredMismatches(const robot::Capture& shot, const Pixels& picture) {
  if (picture.width == 0) return -1;
  return Mismatches(shot, picture, (kBoxWidth - picture.width) / 2,
                    (kBoxHeight - picture.height) / 2);
}

// The bar's phase whose frame (as the frame function lays out the copies)
// the capture shows exactly; -1 when it shows none of them.
int FrameShown(const robot::Capture& shot, const Pixels& bar) {
  if (shot.width != kBoxWidth || shot.height != kBoxHeight || bar.width == 0) return -1;
  for (int offset = 0; offset < std::max(1, bar.width / 2); ++offset) {
    Pixels frame;
    frame.width = kBoxWidth;
    frame.height = kBoxHeight;
    frame.values.assign(size_t(kBoxWidth) * kBoxHeight, kWhite);
    for (const logon::BarCopy& copy : logon::BarCopies(offset, bar.width)) {
      for (int y = 0; y < std::min(bar.height, kBoxHeight); ++y) {
        for (int i = 0; i < copy.width && copy.destX + i < kBoxWidth; ++i) {
          frame.values[size_t(y) * kBoxWidth + copy.destX + i] = bar.At(copy.sourceX + i, y);
        }
      }
    }
    if (Mismatches(shot, frame, 0, 0) == 0) return offset;
  }
  return -1;
}

class LogonWindow : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    main_ = app::test::ShowMainWindow();
    ASSERT_NE(main_, nullptr);
  }

  void SetUp() override { ResetLogonState(); }
  void TearDown() override { ResetLogonState(); }

  // Robot side: clicks the main window's button and waits for the manager
  // to have read the library.
  static logon::LogonDialogsWindow* OpenManager() {
    robot::Click(main_->Get<ui::Control>("bLDmgr").Hwnd());
    if (!robot::WaitForWindow("TLogonDlgMgr", kCaption)) return nullptr;
    logon::LogonDialogsWindow* mgr = main_->LogonDialogs();
    if (mgr == nullptr || !robot::WaitUntil([mgr] { return !mgr->Opening(); })) return nullptr;
    return mgr;
  }
  static HWND Control(ui::Form& form, const char* name) {
    return form.Get<ui::Control>(name).Hwnd();
  }
  static bool SelectTab(ui::Form& form, int index) {
    const HWND tabs = Control(form, "PageControl1");
    RECT item{};
    SendMessageA(tabs, TCM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&item));
    robot::ClickAt(tabs, (item.left + item.right) / 2, (item.top + item.bottom) / 2);
    return robot::WaitUntil([&] { return SendMessageA(tabs, TCM_GETCURSEL, 0, 0) == index; });
  }
  static robot::Capture Shot(ui::Form& form, const char* name) {
    return robot::CaptureWindow(Control(form, name));
  }
  static bool Cancel(ui::Form& form) {
    robot::Click(Control(form, "bCancel"));
    return robot::WaitUntilGone(form.Hwnd());
  }
  // Change... on tab `index` through the picture dialog, until the tab shows
  // the picture; returns the bitmap file the dialog handed over, or an empty
  // one with the reason in `problem`.
  static Bytes ChangePicture(ui::Form& form, int index, const std::string& file,
                             std::string& problem) {
    if (!SelectTab(form, index)) {
      problem = "tab " + std::to_string(index) + " was not selected";
      return {};
    }
    const std::string button = "bChange" + std::to_string(index + 1);
    robot::Click(Control(form, button.c_str()));
    problem = robot::ChooseFileInDialog("Open Picture File", file);
    if (!problem.empty()) return {};
    const Pixels chosen = DecodeWithWindows(ReadBytes(file));
    const bool shown = robot::WaitUntil([&] {
      return index == logon::kBarPicture
                 ? FrameShown(Shot(form, "PaintBox1"), chosen) >= 0
                 : CentredMismatches(Shot(form, kNames[index]), chosen) == 0;
    });
    if (!shown) {
      problem = "the new picture of tab " + std::to_string(index) + " was not shown";
      return {};
    }
    return ReadBytes(win::GetTempDir() + "tmpbmp.bmp");
  }

  static constexpr const char* kNames[logon::kPictureCount] = {"normal", "progress", "animation"};
  static app::MainWindow* main_;
};

app::MainWindow* LogonWindow::main_ = nullptr;

std::string SetUpCopy(int n) {
  const std::string copy = Gina(n);
  EXPECT_TRUE(CopyFileA(Msgina().c_str(), copy.c_str(), FALSE)) << copy;
  return copy;
}

TEST_F(LogonWindow, OpensWithThePicturesOfTheEdition) {
  const Pixels bar = DecodeWithWindows(FixtureBitmapFile(103));
  for (const EditionCase& c : kEditionCases) {
    // Both XP editions, and Windows 2000 Professional and Server: the
    // window's part is the same for every row, the logic test reads them all.
    if (deploy::test::Version() != c.version || c.edition > 4) continue;
    StoreEdition(c.edition);
    const Pixels normal = DecodeWithWindows(FixtureBitmapFile(c.normal));
    const Pixels progress = DecodeWithWindows(FixtureBitmapFile(c.progress));
    ASSERT_GT(normal.width, 0);
    int normalWrong = -1, progressWrong = -1, barFrame = -1;
    bool okEnabled = false, restoreEnabled = false;
    robot::RunBeside([&] {
      logon::LogonDialogsWindow* mgr = OpenManager();
      if (mgr == nullptr) return;
      okEnabled = IsWindowEnabled(Control(*mgr, "bOK"));
      restoreEnabled = IsWindowEnabled(Control(*mgr, "bRestore"));
      if (SelectTab(*mgr, 0)) normalWrong = CentredMismatches(Shot(*mgr, "normal"), normal);
      if (SelectTab(*mgr, 1)) progressWrong = CentredMismatches(Shot(*mgr, "progress"), progress);
      if (SelectTab(*mgr, 2)) barFrame = FrameShown(Shot(*mgr, "PaintBox1"), bar);
      Cancel(*mgr);
    });
    EXPECT_EQ(normalWrong, 0) << "edition " << c.edition << ": bitmap " << c.normal;
    EXPECT_EQ(progressWrong, 0) << "edition " << c.edition << ": bitmap " << c.progress;
    EXPECT_GE(barFrame, 0) << "edition " << c.edition << ": bitmap 103";
    EXPECT_TRUE(okEnabled);
    EXPECT_TRUE(restoreEnabled);
  }
  EXPECT_FALSE(GinaDllSet());
}

TEST_F(LogonWindow, ChangeOnEachTabAndOkWriteTheFirstCopy) {
  // The shell setting in a form the program does not write: OK writes it
  // again as the full path of the shell in force.
  deploy::test::SetRegistryString(HKEY_LOCAL_MACHINE, deploy::kWinlogonKey, "Shell", "Explorer.exe");
  const std::string files[] = {WriteTestFile("normal.bmp", Bitmap24(120, 40, 1)),
                               WriteTestFile("progress.bmp", Bitmap8(77, 13, 5)),
                               WriteTestFile("bar.bmp", Bitmap24(40, 3, 9))};
  Bytes handedOver[logon::kPictureCount];
  std::string problems[logon::kPictureCount];
  bool closed = false;
  robot::RunBeside([&] {
    logon::LogonDialogsWindow* mgr = OpenManager();
    if (mgr == nullptr) return;
    for (int i = 0; i < logon::kPictureCount; ++i) {
      handedOver[i] = ChangePicture(*mgr, i, files[i], problems[i]);
    }
    robot::Click(Control(*mgr, "bOK"));
    closed = robot::WaitUntilGone(mgr->Hwnd());
  });
  for (const std::string& problem : problems) ASSERT_EQ(problem, "");
  ASSERT_TRUE(closed);
  EXPECT_EQ(GinaDllSetting(), Gina(1));
  EXPECT_EQ(ShellValue(), win::GetWindowsDir() + "Explorer.exe");
  // The Professional editions' bitmaps, which every test starts with.
  const int ids[] = {107, 101, 103};
  std::vector<std::pair<int, Bytes>> replaced;
  for (int i = 0; i < logon::kPictureCount; ++i) {
    ASSERT_GT(handedOver[i].size(), 14u);
    replaced.push_back({ids[i], Bytes(handedOver[i].begin() + 14, handedOver[i].end())});
    // The picture dialog hands over the chosen picture itself.
    const Pixels chosen = DecodeWithWindows(ReadBytes(files[i]));
    const Pixels stored = DecodeWithWindows(handedOver[i]);
    EXPECT_EQ(stored.width, chosen.width) << i;
    EXPECT_TRUE(stored.values == chosen.values) << i;
  }
  ExpectResources(Msgina(), Gina(1), replaced);
  ExpectChecksumVerifies(Gina(1));
}

TEST_F(LogonWindow, SecondCustomisationStartsFromTheFirstCopy) {
  // The first customisation, as OK writes it.
  logon::LogonEdit first;
  const Bytes firstNormal = Bitmap24(90, 30, 4);
  ASSERT_TRUE(
      logon::ChangePicture(first, logon::kNormalPicture, WriteTestFile("first.bmp", firstNormal))
          .ok);
  const int version = win::WindowsVersion();
  ASSERT_TRUE(logon::WriteLogonPictures(
                  logon::ReadLogonModule(version, logon::StoredEdition(version)), first)
                  .written);
  ASSERT_EQ(GinaDllSetting(), Gina(1));

  const std::string progressFile = WriteTestFile("second.bmp", Bitmap24(60, 20, 6));
  const std::string barFile = WriteTestFile("third.bmp", Bitmap24(30, 4, 8));
  const Pixels shownFirst = DecodeWithWindows(firstNormal);
  int firstWrong = -1;
  Bytes second, third;
  std::string secondProblem = "not run", thirdProblem = "not run";
  robot::RunBeside([&] {
    logon::LogonDialogsWindow* mgr = OpenManager();
    if (mgr == nullptr) return;
    if (SelectTab(*mgr, 0)) firstWrong = CentredMismatches(Shot(*mgr, "normal"), shownFirst);
    second = ChangePicture(*mgr, logon::kProgressPicture, progressFile, secondProblem);
    robot::Click(Control(*mgr, "bOK"));
    if (!robot::WaitUntilGone(mgr->Hwnd())) return;
    mgr = OpenManager();
    if (mgr == nullptr) return;
    third = ChangePicture(*mgr, logon::kBarPicture, barFile, thirdProblem);
    robot::Click(Control(*mgr, "bOK"));
    robot::WaitUntilGone(mgr->Hwnd());
  });
  EXPECT_EQ(firstWrong, 0) << "the first copy's picture was not shown";
  ASSERT_EQ(secondProblem, "");
  ASSERT_EQ(thirdProblem, "");
  // The second copy is made from the first: it keeps the first
  // customisation's picture beside the new one. (Gina1.dll itself has been
  // written anew since.)
  ExpectResources(Msgina(), Gina(2),
                  {{107, Bytes(firstNormal.begin() + 14, firstNormal.end())},
                   {101, Bytes(second.begin() + 14, second.end())}});
  ExpectChecksumVerifies(Gina(2));
  // With Gina2.dll in force, Gina1.dll was an old copy: deleted and written anew.
  EXPECT_EQ(GinaDllSetting(), Gina(1));
  ExpectResources(Gina(2), Gina(1), {{103, Bytes(third.begin() + 14, third.end())}});
  ExpectChecksumVerifies(Gina(1));
}

TEST_F(LogonWindow, OkWithoutChangeTouchesNothing) {
  deploy::test::SetRegistryString(HKEY_LOCAL_MACHINE, deploy::kWinlogonKey, "Shell", "Explorer.exe");
  // A stale copy a write would have reused.
  SetUpCopy(1);
  const Bytes before = ReadBytes(Gina(1));
  bool closed = false;
  robot::RunBeside([&] {
    logon::LogonDialogsWindow* mgr = OpenManager();
    if (mgr == nullptr) return;
    robot::Click(Control(*mgr, "bOK"));
    closed = robot::WaitUntilGone(mgr->Hwnd());
  });
  EXPECT_TRUE(closed);
  EXPECT_FALSE(GinaDllSet());
  EXPECT_EQ(ShellValue(), "Explorer.exe");
  EXPECT_TRUE(ReadBytes(Gina(1)) == before);
  EXPECT_FALSE(Exists(Gina(2)));
}

TEST_F(LogonWindow, RestoreAnsweredNoChangesNothingAndYesRemovesOnlyGinaDll) {
  SetUpCopy(1);
  deploy::SetGinaDll(Gina(1));
  const std::string shell = ShellValue();
  std::string no, yes, settingAfterNo;
  bool openAfterNo = false, closedAfterYes = false;
  robot::RunBeside([&] {
    logon::LogonDialogsWindow* mgr = OpenManager();
    if (mgr == nullptr) return;
    robot::Click(Control(*mgr, "bRestore"));
    no = robot::AnswerNextMessageBox(IDNO);
    robot::PumpMessages(200);
    openAfterNo = IsWindowVisible(mgr->Hwnd());
    settingAfterNo = GinaDllSetting();
    robot::Click(Control(*mgr, "bRestore"));
    yes = robot::AnswerNextMessageBox(IDYES);
    closedAfterYes = robot::WaitUntilGone(mgr->Hwnd());
  });
  const std::string question = std::string(kCaption) +
                               "|This will restore the Logon Dialogs to the Windows "
                               "default.\r\nContinue?";
  EXPECT_EQ(no, question);
  EXPECT_TRUE(openAfterNo);
  EXPECT_EQ(settingAfterNo, Gina(1));
  EXPECT_EQ(yes, question);
  EXPECT_TRUE(closedAfterYes);
  EXPECT_FALSE(GinaDllSet());
  EXPECT_EQ(ShellValue(), shell);
  EXPECT_TRUE(Exists(Gina(1)));
}

TEST_F(LogonWindow, MissingLibraryGivesTheMessageAndDisablesOkAndRestore) {
  ASSERT_TRUE(MoveFileA(Msgina().c_str(), MsginaAside().c_str()));
  std::string message;
  bool okEnabled = true, restoreEnabled = true, cancelled = false;
  robot::RunBeside([&] {
    robot::Click(main_->Get<ui::Control>("bLDmgr").Hwnd());
    message = robot::AnswerNextMessageBox(IDOK);
    logon::LogonDialogsWindow* mgr = main_->LogonDialogs();
    if (mgr == nullptr || !robot::WaitUntil([mgr] { return !mgr->Opening(); })) return;
    okEnabled = IsWindowEnabled(Control(*mgr, "bOK"));
    restoreEnabled = IsWindowEnabled(Control(*mgr, "bRestore"));
    cancelled = Cancel(*mgr);
  });
  EXPECT_EQ(message, std::string(kCaption) +
                         "|Error: The vital system file 'MSGina.dll' was not found!\r\nThis "
                         "means you are not running Quorlo on a Windows 2000/XP Operating "
                         "System.\r\n\r\nPlease contact the author to fix the problem.");
  EXPECT_FALSE(okEnabled);
  EXPECT_FALSE(restoreEnabled);
  EXPECT_TRUE(cancelled);

  // With the library back, the next opening offers both again.
  ASSERT_TRUE(MoveFileA(MsginaAside().c_str(), Msgina().c_str()));
  robot::RunBeside([&] {
    logon::LogonDialogsWindow* mgr = OpenManager();
    if (mgr == nullptr) return;
    okEnabled = IsWindowEnabled(Control(*mgr, "bOK"));
    restoreEnabled = IsWindowEnabled(Control(*mgr, "bRestore"));
    Cancel(*mgr);
  });
  EXPECT_TRUE(okEnabled);
  EXPECT_TRUE(restoreEnabled);
}

TEST_F(LogonWindow, LibraryWithoutAPictureOpensAndRefusesToReplaceIt) {
  // The progress picture of the Professional editions (101) is numbered 100.
  SetUpCopy(4);
  ASSERT_TRUE(RenumberBitmap(Gina(4), 101, 100));
  deploy::SetGinaDll(Gina(4));
  const Pixels normal = DecodeWithWindows(FixtureBitmapFile(107));
  const Pixels nothing;
  const std::string file = WriteTestFile("progress.bmp", Bitmap24(50, 20, 3));
  int normalWrong = -1, progressWrong = -1;
  std::string problem = "not run", refusal;
  bool stillOpen = false;
  robot::RunBeside([&] {
    logon::LogonDialogsWindow* mgr = OpenManager();
    if (mgr == nullptr) return;
    if (SelectTab(*mgr, 0)) normalWrong = CentredMismatches(Shot(*mgr, "normal"), normal);
    if (SelectTab(*mgr, 1)) progressWrong = Mismatches(Shot(*mgr, "progress"), nothing, 0, 0);
    ChangePicture(*mgr, logon::kProgressPicture, file, problem);
    robot::Click(Control(*mgr, "bOK"));
    refusal = robot::AnswerNextMessageBox(IDOK);
    robot::PumpMessages(200);
    stillOpen = IsWindowVisible(mgr->Hwnd());
    Cancel(*mgr);
  });
  EXPECT_EQ(normalWrong, 0);
  EXPECT_EQ(progressWrong, 0) << "the missing picture is not shown empty";
  EXPECT_EQ(problem, "");
  EXPECT_NE(refusal.find("has no logon in progress picture (bitmap 101) to replace"),
            std::string::npos)
      << refusal;
  EXPECT_TRUE(stillOpen);
  EXPECT_FALSE(Exists(Gina(1)));
  EXPECT_EQ(GinaDllSetting(), Gina(4));
}

TEST_F(LogonWindow, FailedWriteLeavesGinaDllAsItWas) {
  SetUpCopy(2);
  deploy::SetGinaDll(Gina(2));
  const std::string shell = ShellValue();
  // What stands in the way of the copy's temporary file.
  struct Obstacle {
    const char* what;
    bool folder;
  };
  const Obstacle obstacles[] = {{"a folder, refused as a full disk refuses the file", true},
                                {"a file another program holds open", false}};
  constexpr size_t kCount = sizeof obstacles / sizeof obstacles[0];
  const std::string temporary = Gina(1) + core::kTemporarySuffix;
  const std::string file = WriteTestFile("bar.bmp", Bitmap24(20, 2, 2));
  std::string problem = "not run", failures[kCount], settings[kCount], shells[kCount];
  bool stillOpen[kCount] = {}, copyWritten[kCount] = {};
  robot::RunBeside([&] {
    logon::LogonDialogsWindow* mgr = OpenManager();
    if (mgr == nullptr) return;
    ChangePicture(*mgr, logon::kBarPicture, file, problem);
    // The window stays open with the change after a failure: OK again tries again.
    for (size_t i = 0; i < kCount; ++i) {
      HANDLE held = INVALID_HANDLE_VALUE;
      if (obstacles[i].folder) {
        CreateDirectoryA(temporary.c_str(), nullptr);
      } else {
        held = CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
      }
      robot::Click(Control(*mgr, "bOK"));
      failures[i] = robot::AnswerNextMessageBox(IDOK);
      robot::PumpMessages(200);
      stillOpen[i] = IsWindowVisible(mgr->Hwnd());
      settings[i] = GinaDllSetting();
      shells[i] = ShellValue();
      copyWritten[i] = Exists(Gina(1));
      if (held != INVALID_HANDLE_VALUE) CloseHandle(held);
      DeleteFileA(temporary.c_str());
      RemoveDirectoryA(temporary.c_str());
    }
    Cancel(*mgr);
  });
  ASSERT_EQ(problem, "");
  for (size_t i = 0; i < kCount; ++i) {
    const char* what = obstacles[i].what;
    EXPECT_EQ(failures[i].rfind(std::string(kCaption) + "|", 0), 0u) << what << ": " << failures[i];
    EXPECT_NE(failures[i].find(Gina(1)), std::string::npos) << what << ": " << failures[i];
    EXPECT_TRUE(stillOpen[i]) << what;
    EXPECT_EQ(settings[i], Gina(2)) << what;
    EXPECT_EQ(shells[i], shell) << what;
    EXPECT_FALSE(copyWritten[i]) << what;
  }
}

TEST_F(LogonWindow, BarMovesByTheFrameFunctionOnlyOnItsTab) {
  const std::string file = WriteTestFile("bar.bmp", Bitmap24(40, 3, 11));
  const Pixels bar = DecodeWithWindows(ReadBytes(file));
  std::string problem = "not run";
  int firstFrame = -1, secondFrame = -1, offsetLeft = -1, offsetLater = -2;
  bool moved = false, movesAgain = false;
  robot::RunBeside([&] {
    logon::LogonDialogsWindow* mgr = OpenManager();
    if (mgr == nullptr) return;
    ChangePicture(*mgr, logon::kBarPicture, file, problem);
    firstFrame = FrameShown(Shot(*mgr, "PaintBox1"), bar);
    secondFrame = FrameShown(Shot(*mgr, "PaintBox1"), bar);
    const int start = mgr->BarOffset();
    moved = robot::WaitUntil([&] { return mgr->BarOffset() != start; }, 2000);
    if (!SelectTab(*mgr, 0)) return;
    robot::PumpMessages(100);
    offsetLeft = mgr->BarOffset();
    robot::PumpMessages(400);
    offsetLater = mgr->BarOffset();
    if (!SelectTab(*mgr, 2)) return;
    movesAgain = robot::WaitUntil([&] { return mgr->BarOffset() != offsetLeft; }, 2000);
    Cancel(*mgr);
  });
  ASSERT_EQ(problem, "");
  EXPECT_GE(firstFrame, 0) << "the first capture shows no frame of the bar";
  EXPECT_GE(secondFrame, 0) << "the second capture shows no frame of the bar";
  EXPECT_TRUE(moved);
  EXPECT_EQ(offsetLater, offsetLeft) << "the timer ran on another tab";
  EXPECT_TRUE(movesAgain);
}

}  // namespace
