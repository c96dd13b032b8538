// The 9x/ME Logos Manager as the user meets it: opened from the main window,
// logos changed through the picture dialog, restored, set to Windows' own,
// previewed and written with OK. The window runs on this thread; the robot
// acts from a second one.

#include <windows.h>
// After <windows.h>, which it needs.
#include <commctrl.h>

#include <cstdio>
// After <cstdio>, which it needs.
#include <jpeglib.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/MainWindow.h"
#include "logos/Logo9xFiles_win.h"
#include "logos/Logo9xPreviewWindow_win.h"
#include "logos/Logo9xWindow_win.h"
#include "tests/robot/Robot.h"
#include "tests/wine/deploy/DeployTestSupport.h"
#include "tests/wine/logos/LogosTestSupport.h"
#include "ui/Image.h"
#include "win/ProgramIdentity.h"
#include "win/SystemFacts.h"

namespace {

using logos::test::AnswerMessageBox;
using logos::test::Bytes;
using logos::test::ReadBytes;

constexpr char kCaption[] = "Logos Manager";

bool IsMillennium() {
  return deploy::test::Version() == "winme";
}

void SetLogosBackedUp(const char* value) {
  deploy::test::SetRegistryString(HKEY_CURRENT_USER, win::ProgramRegistryKey + 1,
                                logos::kLogosBackedUpValue, value);
}

std::string LogosBackedUp() {
  return deploy::test::RegistryString(HKEY_CURRENT_USER, win::ProgramRegistryKey + 1,
                                    logos::kLogosBackedUpValue);
}

void SetShellSetting(const std::string& value) {
  const std::string ini = win::GetWindowsDir() + "System.ini";
  WritePrivateProfileStringA("boot", "shell", value.c_str(), ini.c_str());
  WritePrivateProfileStringA(nullptr, nullptr, nullptr, ini.c_str());
}

// A width x height 24-bit JPEG of a colour ramp, written at test time: a
// camera-sized picture is too large to keep in the repository.
std::string WriteJpeg(const std::string& path, int width, int height) {
  jpeg_compress_struct info;
  jpeg_error_mgr errors;
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = JDIMENSION(width);
  info.image_height = JDIMENSION(height);
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 80, TRUE);
  jpeg_start_compress(&info, TRUE);
  std::vector<JSAMPLE> row(size_t(width) * 3);
  while (info.next_scanline < info.image_height) {
    const int y = int(info.next_scanline);
    for (int x = 0; x < width; ++x) {
      row[size_t(x) * 3] = JSAMPLE(x * 255 / width);
      row[size_t(x) * 3 + 1] = JSAMPLE(y * 255 / height);
      row[size_t(x) * 3 + 2] = JSAMPLE((x / 200 + y / 200) % 2 ? 200 : 40);
    }
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&info, rows, 1);
  }
  jpeg_finish_compress(&info);
  const bool written = logos::test::WriteBytes(path, Bytes(buffer, buffer + size));
  jpeg_destroy_compress(&info);
  std::free(buffer);
  return written ? path : "";
}

class Logo9xWindowTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    machine_ = logos::MachineLogo9xFolders();
    for (int n = 1; n <= logos::kLogoFileCount; ++n)
      originals_[n - 1] = ReadBytes(logos::Logo9xFilePath(n, machine_));
  }

  void SetUp() override {
    ASSERT_TRUE(deploy::test::Is9x()) << deploy::test::Version();
    folders_ = machine_;
    // The backups go to a folder of the test's own, not beside the test program.
    folders_.programFolder = logos::test::FreshFolder("logos9x-window");
    for (int n = 1; n <= logos::kLogoFileCount; ++n) {
      ASSERT_FALSE(originals_[n - 1].empty()) << "fixture logo " << n;
      ASSERT_TRUE(logos::test::WriteBytes(Path(n), originals_[n - 1]));
    }
    SetLogosBackedUp("false");
    // A bare name: a write of the shell setting makes it a full path.
    SetShellSetting("explorer.exe");
  }

  void TearDown() override {
    if (window_) window_->Destroy();
    window_.reset();
    for (int n = 1; n <= logos::kLogoFileCount; ++n)
      logos::test::WriteBytes(Path(n), originals_[n - 1]);
  }

  std::string Path(int n) const { return logos::Logo9xFilePath(n, folders_); }
  std::string Backup(int n) const { return logos::Logo9xBackupPath(n, folders_); }

  // A new window, as at the program's start: it makes the backups if due.
  void MakeWindow() {
    if (window_) window_->Destroy();
    window_ = std::make_unique<logos::Logo9xWindow>(folders_);
    ASSERT_TRUE(window_->CreateForm(nullptr)) << window_->BuildFailure();
  }

  HWND Control(const char* name) const { return window_->Get<ui::Control>(name).Hwnd(); }
  bool Enabled(const char* name) const { return IsWindowEnabled(Control(name)) != FALSE; }

  // Opens the window and runs steps on the robot's thread once it shows
  // what it read; the steps end by closing it.
  void Open(const std::function<void()>& steps) {
    logos::Logo9xWindow* window = window_.get();
    robot::RobotThread robotThread([&] {
      if (!robot::WaitUntil([&] { return IsWindowVisible(window->Hwnd()) && !window->Opening(); }))
        return;
      steps();
    });
    window->Execute();
    EXPECT_TRUE(robotThread.Join(120000)) << "the robot's steps did not end";
  }

  // Robot side: a user's click on tab index of the logos' page control.
  void SelectTab(int index) const {
    const HWND tabs = Control("pcLogos");
    RECT item{};
    SendMessageA(tabs, TCM_GETITEMRECT, WPARAM(index), reinterpret_cast<LPARAM>(&item));
    robot::ClickAt(tabs, (item.left + item.right) / 2, (item.top + item.bottom) / 2);
    robot::WaitUntil([&] { return int(SendMessageA(tabs, TCM_GETCURSEL, 0, 0)) == index; });
  }

  // Robot side: Change... of logo n with picture, animating `colours`.
  // Returns the reformatting question, answered Yes ("" when none came).
  std::string ChangeLogo(int n, const std::string& picture, int colours) {
    SelectTab(n - 1);
    robot::SelectAllAndType(Control("RotateColour"), std::to_string(colours));
    // The new logo is in place once the logo's picture is another bitmap;
    // the hint line's "Finished." can be gone by then, replaced by the hint
    // of whatever lies under the pointer.
    const ui::Image& shown = window_->Get<ui::Image>("logo" + std::to_string(n));
    const HBITMAP before = shown.Bitmap();
    robot::Click(Control(("bChange" + std::to_string(n)).c_str()));
    const std::string problem = robot::ChooseFileInDialog("Open Picture File", picture);
    EXPECT_EQ(problem, "");
    std::string question;
    const auto finished = [&] { return shown.Bitmap() != before; };
    // A camera-sized picture takes a while to load and resize under Wine.
    const DWORD started = GetTickCount();
    while (!finished()) {
      if (GetTickCount() - started > 180000) {
        ADD_FAILURE() << "the change of logo " << n << " did not finish; the question was \""
                      << question << "\"";
        break;
      }
      const robot::MessageBoxInfo box = robot::WaitForMessageBox(GetCurrentProcessId(), 200);
      if (!box.found()) continue;
      question = box.caption + "|" + box.text;
      robot::AnswerMessageBox(box, IDYES);
    }
    // The handler is past the pipeline; a posted click comes after it.
    robot::PumpMessages(200);
    return question;
  }

  // Robot side: presses OK or Cancel and waits for the window to go.
  bool Press(const char* button) {
    robot::Click(Control(button));
    return robot::WaitUntil([&] { return !IsWindowVisible(window_->Hwnd()); });
  }

  std::string WritePicture(const char* name, const Bytes& bytes) const {
    const std::string path = win::GetTempDir() + name;
    EXPECT_TRUE(logos::test::WriteBytes(path, bytes));
    return path;
  }

  static logos::Logo9xFolders machine_;
  static Bytes originals_[logos::kLogoFileCount];
  logos::Logo9xFolders folders_;
  std::unique_ptr<logos::Logo9xWindow> window_;
};

logos::Logo9xFolders Logo9xWindowTest::machine_;
Bytes Logo9xWindowTest::originals_[logos::kLogoFileCount];

TEST_F(Logo9xWindowTest, MainWindowOpensTheManagerWithTheTabsOfThisWindows) {
  // Recorded as made: the run writes no backups beside the test program.
  SetLogosBackedUp("true");
  app::MainWindow main;
  ASSERT_TRUE(main.Create(GetModuleHandleA(nullptr), win::WindowsVersion()));
  ShowWindow(main.Handle(), SW_SHOW);
  std::vector<std::string> tabs[2];
  logos::Logo9xWindow* opened[2] = {};
  robot::RunBeside([&] {
    for (int round = 0; round < 2; ++round) {
      robot::Click(main.Get<ui::Control>("bLmgr").Hwnd());
      const HWND shown = robot::WaitForWindow("TLogo9xMgr", kCaption);
      if (shown == nullptr) return;
      opened[round] = main.Logos9x();
      robot::WaitUntil([&] { return !opened[round]->Opening(); });
      const HWND pages = opened[round]->Get<ui::Control>("pcLogos").Hwnd();
      const int count = int(SendMessageA(pages, TCM_GETITEMCOUNT, 0, 0));
      for (int i = 0; i < count; ++i) {
        char text[64] = {};
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        SendMessageA(pages, TCM_GETITEMA, WPARAM(i), reinterpret_cast<LPARAM>(&item));
        tabs[round].push_back(text);
      }
      robot::Click(opened[round]->Get<ui::Control>("bCancel").Hwnd());
      robot::WaitUntil([&] { return !IsWindowVisible(shown); });
    }
  });
  const std::vector<std::string> expected =
      IsMillennium() ? std::vector<std::string>{"Startup", "Shut down"}
                     : std::vector<std::string>{"Startup", "Shut down", "Shut down in progress"};
  EXPECT_EQ(tabs[0], expected);
  EXPECT_EQ(tabs[1], expected);
  EXPECT_NE(opened[0], nullptr);
  EXPECT_EQ(opened[0], opened[1]) << "the second click made a new window";
  DestroyWindow(main.Handle());
  MSG msg;
  while (PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
  }
}

TEST_F(Logo9xWindowTest, BackupsAreMadeOnceAndNeverOverwritten) {
  MakeWindow();
  for (int n = 1; n <= logos::kLogoFileCount; ++n)
    EXPECT_EQ(ReadBytes(Backup(n)), originals_[n - 1]) << "backup " << n;
  EXPECT_EQ(LogosBackedUp(), "true");

  const Bytes picture = logos::test::PalettedBitmap(320, 400, 8, 5);
  const std::string path = WritePicture("logo9x-new.bmp", picture);
  Open([&] {
    ChangeLogo(2, path, 0);
    Press("bOK");
  });
  ASSERT_NE(ReadBytes(Path(2)), originals_[1]);

  // A later run, and one that finds the value gone: the backups stay the
  // logos first found.
  for (const char* recorded : {"true", "false"}) {
    SCOPED_TRACE(recorded);
    SetLogosBackedUp(recorded);
    MakeWindow();
    for (int n = 1; n <= logos::kLogoFileCount; ++n)
      EXPECT_EQ(ReadBytes(Backup(n)), originals_[n - 1]) << "backup " << n;
  }
}

TEST_F(Logo9xWindowTest, FittingBitmapIsTakenAsItIsWithTheAnimatedColours) {
  struct Case {
    int logo;
    int colours;
  };
  const Case cases[] = {{1, 0}, {IsMillennium() ? 2 : 3, 255}};
  for (const Case& c : cases) {
    SCOPED_TRACE("logo " + std::to_string(c.logo) + ", " + std::to_string(c.colours) + " colours");
    SetUp();
    MakeWindow();
    Bytes picture = logos::test::PalettedBitmap(320, 400, 8, c.logo);
    // Whatever the picture says, the box's count is what is stored.
    picture[logos::kAnimatedColoursOffset] = 77;
    const std::string path = WritePicture("logo9x-fits.bmp", picture);
    std::string question = "not run";
    Open([&] {
      question = ChangeLogo(c.logo, path, c.colours);
      Press("bOK");
    });
    EXPECT_EQ(question, "") << "a fitting bitmap was questioned";
    Bytes expected = picture;
    expected[logos::kAnimatedColoursOffset] = uint8_t(c.colours);
    EXPECT_EQ(ReadBytes(Path(c.logo)), expected);
    for (int n = 1; n <= logos::kLogoFileCount; ++n) {
      if (n == c.logo) continue;
      EXPECT_EQ(ReadBytes(Path(n)), originals_[n - 1]) << "logo " << n;
    }
    // Written again as the full path of the shell in use.
    EXPECT_EQ(lstrcmpiA(deploy::test::ShellSetting().c_str(),
                        (win::GetWindowsDir() + "Explorer.exe").c_str()),
              0)
        << deploy::test::ShellSetting();
  }
}

TEST_F(Logo9xWindowTest, CameraSizedJpegBecomesA256ColourLogo) {
  const std::string jpeg = WriteJpeg(win::GetTempDir() + "camera.jpg", 4000, 3000);
  ASSERT_FALSE(jpeg.empty());
  MakeWindow();
  std::string question;
  Open([&] {
    question = ChangeLogo(1, jpeg, 17);
    Press("bOK");
  });
  EXPECT_NE(question.find("Picture selection error|The logo you are changing must have the "
                          "following specifications:\r\n\r\n     - a width of 320 pixels\r\n"
                          "     - a height of 400 pixels\r\n     - a 256 colour palette"),
            std::string::npos)
      << question;
  const Bytes logo = ReadBytes(Path(1));
  ASSERT_GE(logo.size(), 54u);
  EXPECT_EQ(logos::test::Get32(logo, 18), 320u);
  EXPECT_EQ(logos::test::Get32(logo, 22), 400u);
  EXPECT_EQ(logo[28], 8);
  EXPECT_EQ(logo[logos::kAnimatedColoursOffset], 17);
  EXPECT_EQ(logo.size(), logos::test::Get32(logo, 10) + 320u * 400u);
}

TEST_F(Logo9xWindowTest, RestoreAndWindowsDefault) {
  struct Case {
    const char* what;
    int logo;
    bool backup;
    bool changeFirst;  // a new logo waits before the restore
    const char* button;
    const char* message;  // "" when none
    bool previewAfter;
    bool deleted;  // else: the logo is the backup (or unchanged when refused)
  };
  const Case cases[] = {
      {"shut-down logo from its backup", 2, true, false, "bRestore2", "", true, false},
      {"shut-down logo without backup", 2, false, false, "bRestore2",
       "Logos Manager|The backup file 'Logos.sys' was not found!\r\nUnable to restore logo.", true,
       false},
      {"start-up logo without backup", 1, false, false, "bRestore1", "", false, true},
      {"Win default after a change", 1, true, true, "WinDef", "", false, true},
  };
  const Bytes changed = logos::test::PalettedBitmap(320, 400, 8, 9);
  const std::string picture = WritePicture("logo9x-other.bmp", changed);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SetUp();
    MakeWindow();
    // The logo on disk is no longer the one backed up.
    ASSERT_TRUE(logos::test::WriteBytes(Path(c.logo), changed));
    if (!c.backup) DeleteFileA(Backup(c.logo).c_str());
    std::string message = "not run";
    bool previewAfter = !c.previewAfter;
    Open([&] {
      if (c.changeFirst) ChangeLogo(c.logo, picture, 3);
      SelectTab(c.logo - 1);
      robot::Click(Control(c.button));
      message = *c.message != '\0' ? AnswerMessageBox(IDOK) : "";
      // The click is posted: its effect shows once the window's thread got
      // to it, which on a busy machine can take a while.
      const std::string preview = "bPreview" + std::to_string(c.logo);
      robot::WaitUntil([&] { return Enabled(preview.c_str()) == c.previewAfter; }, 5000);
      previewAfter = Enabled(preview.c_str());
      Press("bOK");
    });
    EXPECT_EQ(message, c.message);
    EXPECT_EQ(previewAfter, c.previewAfter);
    if (c.deleted) {
      EXPECT_FALSE(deploy::test::Exists(Path(c.logo)));
    } else {
      EXPECT_EQ(ReadBytes(Path(c.logo)), c.backup ? originals_[c.logo - 1] : changed);
    }
  }
}

TEST_F(Logo9xWindowTest, OkWithoutChangeTouchesNothing) {
  MakeWindow();
  Open([&] { Press("bOK"); });
  EXPECT_EQ(deploy::test::ShellSetting(), "explorer.exe");
  for (int n = 1; n <= logos::kLogoFileCount; ++n)
    EXPECT_EQ(ReadBytes(Path(n)), originals_[n - 1]) << "logo " << n;
}

TEST_F(Logo9xWindowTest, MissingShutDownLogoShowsLogoNotFoundWithoutPreview) {
  DeleteFileA(Path(2).c_str());
  MakeWindow();
  bool preview1 = false, preview2 = true;
  robot::Capture shown;
  Open([&] {
    SelectTab(1);
    preview1 = Enabled("bPreview1");
    preview2 = Enabled("bPreview2");
    shown = robot::CaptureWindow(Control("logo2"));
    Press("bCancel");
  });
  EXPECT_TRUE(preview1);
  EXPECT_FALSE(preview2);
  ASSERT_EQ(shown.width, logos::Logo9xWindow::kPictureWidth);
  ASSERT_EQ(shown.height, logos::Logo9xWindow::kPictureHeight);
  // Black, with white text across the middle only.
  int whiteInMiddle = 0;
  std::string strayPixel;
  for (int y = 0; y < shown.height; ++y) {
    for (int x = 0; x < shown.width; ++x) {
      const uint32_t pixel = shown.At(x, y);
      const bool middle = y > shown.height / 2 - 12 && y < shown.height / 2 + 12;
      if (middle && pixel == 0xFFFFFF) ++whiteInMiddle;
      if (!middle && pixel != 0 && strayPixel.empty())
        strayPixel = std::to_string(x) + "," + std::to_string(y);
    }
  }
  EXPECT_EQ(strayPixel, "");
  EXPECT_GT(whiteInMiddle, 20);
}

TEST_F(Logo9xWindowTest, PreviewFillsTheScreenWithoutPointerAndClosesOnClick) {
  MakeWindow();
  RECT previewRect{};
  bool hidden = false, closed = false;
  Open([&] {
    robot::Click(Control("bPreview1"));
    const HWND preview = robot::WaitForWindow("TLogo9xPreview", "Quorlo - Preview");
    if (preview == nullptr) return;
    robot::WaitUntil([&] { return window_->Preview().CursorHidden(); });
    hidden = window_->Preview().CursorHidden();
    GetWindowRect(preview, &previewRect);
    robot::Click(window_->Preview().Get<ui::Control>("imgPreview").Hwnd());
    closed = robot::WaitUntil([&] { return !IsWindowVisible(preview); });
    Press("bCancel");
  });
  EXPECT_TRUE(hidden);
  EXPECT_TRUE(closed);
  EXPECT_EQ(previewRect.left, 0);
  EXPECT_EQ(previewRect.top, 0);
  EXPECT_EQ(previewRect.right, GetSystemMetrics(SM_CXSCREEN));
  EXPECT_EQ(previewRect.bottom, GetSystemMetrics(SM_CYSCREEN));
  // The pointer's display count is back where it was.
  const int count = ShowCursor(TRUE);
  ShowCursor(FALSE);
  EXPECT_EQ(count, 1);
}

}  // namespace
