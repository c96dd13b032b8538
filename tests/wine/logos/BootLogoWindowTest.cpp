// The 2000/XP Startup Logo Manager as the user meets it: opened from the
// main window, the boot entry chosen, the logo changed, written with OK into
// a kernel copy that the entry then starts, restored, refused on a machine
// it cannot serve, and previewed with the boot screen's animation. The
// window runs on this thread; the robot acts from a second one.

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "app/MainWindow.h"
#include "deploy/BootIniText.h"
#include "logos/BootAnimation.h"
#include "logos/BootLogoWindow_win.h"
#include "logos/BootLogo_win.h"
#include "logos/BootPreviewWindow_win.h"
#include "logos/ChooseOsWindow_win.h"
#include "logos/KernelBitmaps.h"
#include "resedit/ResourceReader.h"
#include "tests/robot/Robot.h"
#include "tests/wine/WinePaths.h"
#include "tests/wine/deploy/DeployTestSupport.h"
#include "tests/wine/logos/LogosTestSupport.h"
#include "tests/wine/startbutton/StartButtonTestSupport.h"
#include "ui/Image.h"
#include "win/ProgramIdentity.h"
#include "win/RegistryAccessor.h"
#include "win/SystemFacts.h"

namespace {

using logos::test::AnswerMessageBox;
using logos::test::Bytes;
using logos::test::Get32;
using logos::test::ReadBytes;

constexpr char kBootIni[] = "C:\\boot.ini";
constexpr char kVitalKernel[] =
    "Logos Manager|Error: The vital system file 'ntoskrnl.exe' was not found!\r\nThis means you "
    "are not running Quorlo on a Windows 2000/XP Operating System.\r\n\r\nPlease contact the "
    "author to fix the problem.";
constexpr char kVitalBootIni[] =
    "Logos Manager|Error: The vital system file 'boot.ini' was not found!\r\nThis means you are "
    "not running Quorlo on a Windows 2000/XP Operating System.\r\n\r\nPlease contact the author "
    "to fix the problem.";
constexpr char kUnsupported[] =
    "Quorlo|Quorlo does not support this version of Window's startup logo.\r\nPlease contact the "
    "author to get a new version of Quorlo compatible\r\nwith your computer.";
constexpr char kNoEntry[] =
    "Logos Manager|C:\\boot.ini names no Operating System.\r\nThere is no startup logo to "
    "customise.";

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  for (const deploy::BootIniLine& line : deploy::SplitBootIniLines(text))
    lines.push_back(line.content + line.ending);
  return lines;
}

uint32_t Rgb(const imaging::RgbQuad& quad) {
  return uint32_t(quad.Red) << 16 | uint32_t(quad.Green) << 8 | quad.Blue;
}

// The colours of a bottom-up 4-bit bitmap file, top-down rows of 0x00RRGGBB.
struct Picture {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;
  uint32_t At(int x, int y) const { return pixels[size_t(y) * size_t(width) + size_t(x)]; }
};
Picture DecodeFourBit(const Bytes& file) {
  Picture picture;
  if (file.size() < 118 || file[28] != 4) return picture;
  picture.width = int(Get32(file, 18));
  picture.height = int(Get32(file, 22));
  const size_t bits = Get32(file, 10);
  const size_t stride = (size_t(picture.width) * 4 + 31) / 32 * 4;
  if (file.size() < bits + stride * size_t(picture.height)) return Picture{};
  for (int y = 0; y < picture.height; ++y) {
    for (int x = 0; x < picture.width; ++x) {
      const uint8_t pair = file[bits + size_t(picture.height - 1 - y) * stride + size_t(x) / 2];
      const int index = x % 2 == 0 ? pair >> 4 : pair & 15;
      const size_t at = 54 + 4 * size_t(index);
      picture.pixels.push_back(uint32_t(file[at + 2]) << 16 | uint32_t(file[at + 1]) << 8 |
                               file[at]);
    }
  }
  return picture;
}

// The XP bar's step (-1 to 18) whose frame the capture shows; -2 when none.
int XpStepShown(const robot::Capture& capture, const logos::BootPalette& palette, int edition) {
  for (int step = logos::kXpBarFirstStep; step < logos::kXpBarSteps; ++step) {
    bool same = true;
    for (int y = 0; y < logos::kXpBarHeight && same; ++y)
      for (int x = 0; x < logos::kXpBarWidth && same; ++x)
        same = capture.At(logos::kXpBarX + x, logos::kXpBarY + y) ==
               Rgb(palette[size_t(logos::XpBarPaletteEntry(step, edition, x, y))]);
    if (same) return step;
  }
  return -2;
}

// The 2000 band's offset (0 to 639) whose frame the capture shows; -1 when none.
int BandOffsetShown(const robot::Capture& capture, const Picture& logo) {
  for (int offset = 0; offset < logos::kBandWidth; ++offset) {
    bool same = true;
    for (const logos::ColumnCopy& copy : logos::BandCopies(offset)) {
      for (int y = 0; y < logos::kBandHeight && same; ++y)
        for (int i = 0; i < copy.width && same; ++i)
          same = capture.At(copy.destX + i, logos::kBandTop + y) ==
                 logo.At(copy.sourceX + i, logos::kBandTop + y);
    }
    if (same) return offset;
  }
  return -1;
}

class BootLogoWindowTest : public testing::TestWithParam<int> {
 protected:
  static void SetUpTestSuite() { bootIni_ = deploy::test::ReadFileText(kBootIni); }

  void SetUp() override {
    ASSERT_FALSE(deploy::test::Is9x()) << deploy::test::Version();
    ASSERT_FALSE(bootIni_.empty()) << "the machine's boot.ini";
    machine_ = logos::ThisBootLogoMachine(GetParam());
    SetFileAttributesA(kBootIni, FILE_ATTRIBUTE_NORMAL);
    ASSERT_TRUE(deploy::test::WriteFileText(kBootIni, bootIni_));
    for (const char* name : {"Kernl1.exe", "Kernl2.exe", "~Kernl1.exe"}) {
      const std::string path = machine_.systemDirectory + name;
      RemoveDirectoryA(path.c_str());
      DeleteFileA(path.c_str());
    }
    const logos::BootEntriesRead read = logos::ReadBootEntries(machine_);
    ASSERT_TRUE(read.outcome.ok) << read.outcome.message;
    entries_ = read.ini.Entries();
    ASSERT_EQ(entries_.size(), 2u);
  }

  void TearDown() override {
    if (window_) window_->Destroy();
    window_.reset();
  }

  bool IsXP() const { return machine_.windowsVersion == win::kWindowsXP; }
  std::string Kernel(const char* name) const { return machine_.systemDirectory + name; }

  void MakeWindow() {
    window_ = std::make_unique<logos::BootLogoWindow>();
    window_->SetEdition(GetParam());
    ASSERT_TRUE(window_->CreateForm(nullptr)) << window_->BuildFailure();
  }

  HWND Control(const char* name) const { return window_->Get<ui::Control>(name).Hwnd(); }
  bool Enabled(const char* name) const { return IsWindowEnabled(Control(name)) != FALSE; }

  // Opens the window and runs steps on the robot's thread once it shows
  // (and, when asked, once it has read the machine); the steps close it.
  void Open(const std::function<void()>& steps, bool waitForLoad = true) {
    logos::BootLogoWindow* window = window_.get();
    robot::RobotThread robotThread([&] {
      if (!robot::WaitUntil([&] {
            return IsWindowVisible(window->Hwnd()) && (!waitForLoad || !window->Opening());
          }))
        return;
      steps();
    });
    window->Execute();
    EXPECT_TRUE(robotThread.Join(120000)) << "the robot's steps did not end";
  }

  // Robot side: Change... with a logo that fits, so no question comes.
  void ChangeLogo(const std::string& picture) {
    // The new logo is in place once the picture is another bitmap.
    const ui::Image& shown = window_->Get<ui::Image>("bmp");
    const HBITMAP before = shown.Bitmap();
    robot::Click(Control("bChange"));
    EXPECT_EQ(robot::ChooseFileInDialog("Open Picture File", picture), "");
    EXPECT_TRUE(robot::WaitUntil([&] { return shown.Bitmap() != before; }, 60000));
    robot::PumpMessages(200);
  }

  bool Hidden() const {
    return robot::WaitUntil([&] { return !IsWindowVisible(window_->Hwnd()); });
  }

  std::string WriteLogo(int seed) {
    logo_ = logos::test::PalettedBitmap(640, 480, 4, seed);
    const std::string path = win::GetTempDir() + "boot-logo.bmp";
    EXPECT_TRUE(logos::test::WriteBytes(path, logo_));
    return path;
  }

  static std::string bootIni_;
  logos::BootLogoMachine machine_;
  std::vector<logos::BootEntry> entries_;
  Bytes logo_;
  std::unique_ptr<logos::BootLogoWindow> window_;
};

std::string BootLogoWindowTest::bootIni_;

TEST_P(BootLogoWindowTest, MainWindowOpensItAndTheChooserListsTheEntries) {
  win::RegOpenAccessor();
  win::RegSelectKey(HKEY_CURRENT_USER, win::ProgramRegistryKey);
  win::RegWriteInteger(IsXP() ? "XP Edition" : "2k Edition", GetParam());
  win::RegCloseAccessor();
  app::MainWindow main;
  ASSERT_TRUE(main.Create(GetModuleHandleA(nullptr), win::WindowsVersion()));
  ShowWindow(main.Handle(), SW_SHOW);
  std::string osBefore, osAfter, refusal;
  std::vector<std::string> listed;
  robot::RunBeside([&] {
    robot::Click(main.Get<ui::Control>("bLmgr").Hwnd());
    const HWND shown = robot::WaitForWindow("TLogoXP2kMgr", "Logos Manager");
    logos::BootLogoWindow* window = main.BootLogo();
    if (shown == nullptr || window == nullptr) return;
    robot::WaitUntil([&] { return !window->Opening(); });
    osBefore = robot::WindowText(window->Get<ui::Control>("os").Hwnd());
    robot::Click(window->Get<ui::Control>("bChangeOS").Hwnd());
    logos::ChooseOsWindow& chooser = window->Chooser();
    if (!robot::WaitForWindow("TChooseOS", "Select Operating System")) return;
    const HWND list = chooser.Get<ui::Control>("osChoice").Hwnd();
    const int count = int(SendMessageA(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
      char text[256] = {};
      SendMessageA(list, LB_GETTEXT, WPARAM(i), reinterpret_cast<LPARAM>(text));
      listed.push_back(text);
    }
    robot::Click(chooser.Get<ui::Control>("Button1").Hwnd());
    refusal = AnswerMessageBox(IDOK);
    SendMessageA(list, LB_SETCURSEL, 1, 0);
    robot::Click(chooser.Get<ui::Control>("Button1").Hwnd());
    robot::WaitUntil([&] { return !IsWindowVisible(chooser.Hwnd()); });
    // The manager shows the choice once the chooser's modal loop returned.
    const HWND os = window->Get<ui::Control>("os").Hwnd();
    robot::WaitUntil([&] { return robot::WindowText(os) != osBefore; }, 5000);
    osAfter = robot::WindowText(os);
    robot::Click(window->Get<ui::Control>("bCancel").Hwnd());
    robot::WaitUntil([&] { return !IsWindowVisible(shown); });
  });
  EXPECT_EQ(osBefore, entries_[0].description);
  EXPECT_EQ(listed, (std::vector<std::string>{logos::ChooserLine(entries_[0]),
                                              logos::ChooserLine(entries_[1])}));
  EXPECT_EQ(listed.at(0), "\"Microsoft Windows XP Professional\" (Kernel=ntoskrnl.exe)");
  EXPECT_EQ(refusal, "Select Operating System|Please select an Operating System");
  EXPECT_EQ(osAfter, entries_[1].description);
  EXPECT_EQ(deploy::test::ReadFileText(kBootIni), bootIni_) << "Cancel wrote boot.ini";
  DestroyWindow(main.Handle());
  MSG msg;
  while (PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
  }
}

TEST_P(BootLogoWindowTest, ChangeThenOkWritesTheCopyTheEntryStartsAndRestoreUndoesIt) {
  const std::string picture = WriteLogo(GetParam());
  MakeWindow();
  std::string question;
  bool closed = false;
  Open([&] {
    ChangeLogo(picture);
    robot::Click(Control("bOK"));
    question = AnswerMessageBox(IDYES);
    closed = Hidden();
  });
  EXPECT_EQ(question, "Logos Manager|Are you sure that " + entries_[0].description +
                          "\r\nis the correct Operating System to customise the startup logo "
                          "with?");
  EXPECT_TRUE(closed);

  const std::string copy = Kernel("Kernl1.exe");
  const int logoId = logos::BootLogoBitmapId(machine_.windowsVersion, GetParam());
  EXPECT_EQ(resedit::ReadResourceData(copy, 2, logoId),
            logos::ResourceFromBitmapFile(core::ByteSpan(logo_.data(), logo_.size())));
  if (IsXP()) {
    const auto overlay =
        resedit::ReadResourceData(copy, 2, logos::EditionOverlayBitmapId(GetParam()));
    ASSERT_TRUE(overlay.has_value());
    EXPECT_EQ(Get32(*overlay, 4), 1u);
    EXPECT_EQ(Get32(*overlay, 8), 1u);
    const logos::KernelPaletteSearch search = logos::FindKernelBootPalette(machine_);
    ASSERT_TRUE(search.outcome.ok) << search.outcome.message;
    const Bytes kernel = ReadBytes(copy);
    ASSERT_GE(kernel.size(), search.offset + 64);
    EXPECT_EQ(
        Bytes(kernel.begin() + long(search.offset), kernel.begin() + long(search.offset) + 64),
        Bytes(logo_.begin() + 54, logo_.begin() + 118));
  }
  // The checksum as IMAGEHLP and the command-line tool compute it.
  DWORD stored = 0, computed = 0;
  if (HMODULE imagehlp = LoadLibraryA("imagehlp.dll")) {
    using CheckSumFn = PIMAGE_NT_HEADERS(WINAPI*)(PVOID, DWORD, PDWORD, PDWORD);
    const auto checkSum = reinterpret_cast<CheckSumFn>(
        reinterpret_cast<void*>(GetProcAddress(imagehlp, "CheckSumMappedFile")));
    Bytes bytes = ReadBytes(copy);
    if (checkSum != nullptr && !bytes.empty())
      checkSum(bytes.data(), DWORD(bytes.size()), &stored, &computed);
    FreeLibrary(imagehlp);
  }
  EXPECT_NE(stored, 0u);
  EXPECT_EQ(stored, computed) << "IMAGEHLP";
  const std::string cli = winetest::BuildDirectory() + "cli\\quorlo-cli.exe";
  const std::string said = startbutton::test::RunAndCapture("\"" + cli + "\" checksum \"" + copy + "\"");
  char expected[64];
  std::snprintf(expected, sizeof expected, "stored 0x%08lX computed 0x%08lX", stored, stored);
  EXPECT_NE(said.find(expected), std::string::npos) << "quorlo-cli said: " << said;

  const std::vector<std::string> before = Lines(bootIni_);
  const std::vector<std::string> after = Lines(deploy::test::ReadFileText(kBootIni));
  ASSERT_EQ(after.size(), before.size());
  for (size_t i = 0; i < before.size(); ++i) {
    if (i == entries_[0].lineIndex)
      EXPECT_NE(after[i].find(" /kernel=Kernl1.exe\r\n"), std::string::npos) << after[i];
    else
      EXPECT_EQ(after[i], before[i]) << "line " << i;
  }

  // Opened again, the entry starts the copy and shows the new logo; Restore
  // takes the switch away.
  MakeWindow();
  std::string restoreQuestion;
  Open([&] {
    robot::Click(Control("bRestore"));
    restoreQuestion = AnswerMessageBox(IDYES);
    Hidden();
  });
  EXPECT_EQ(restoreQuestion,
            "Logos Manager|This will restore the startup logo for the current Operating "
            "System.\r\nContinue?");
  const std::vector<std::string> restored = Lines(deploy::test::ReadFileText(kBootIni));
  ASSERT_EQ(restored.size(), before.size());
  for (size_t i = 0; i < before.size(); ++i) {
    if (i == entries_[0].lineIndex)
      EXPECT_EQ(restored[i],
                logos::RewriteBootLine(before[i].substr(0, before[i].size() - 2), "") + "\r\n");
    else
      EXPECT_EQ(restored[i], before[i]) << "line " << i;
  }
  EXPECT_TRUE(deploy::test::Exists(copy)) << "the copy stays on disk";
}

TEST_P(BootLogoWindowTest, MachineItCannotServeIsToldAndOkAndRestoreAreRefused) {
  struct Case {
    const char* what;
    bool xpOnly;
    std::function<void()> spoil;
    std::function<void()> mend;
    std::vector<std::string> messages;
  };
  const std::string kernel = Kernel("ntoskrnl.exe");
  const std::string kernelAside = Kernel("ntoskrnl.aside");
  const Bytes kernelBytes = ReadBytes(kernel);
  const Case cases[] = {
      {"a kernel without the boot palette",
       true,
       [&] {
         Bytes spoiled = kernelBytes;
         const logos::KernelPaletteSearch found = logos::FindKernelBootPalette(machine_);
         ASSERT_TRUE(found.outcome.ok);
         spoiled[found.offset + 5] ^= 0x01;
         ASSERT_TRUE(logos::test::WriteBytes(kernel, spoiled));
       },
       [&] { ASSERT_TRUE(logos::test::WriteBytes(kernel, kernelBytes)); },
       {kUnsupported}},
      {"no ntoskrnl.exe",
       false,
       [&] { ASSERT_TRUE(MoveFileA(kernel.c_str(), kernelAside.c_str())); },
       [&] { ASSERT_TRUE(MoveFileA(kernelAside.c_str(), kernel.c_str())); },
       {kVitalKernel}},
      {"no boot.ini",
       false,
       [&] { DeleteFileA(kBootIni); },
       [&] { ASSERT_TRUE(deploy::test::WriteFileText(kBootIni, bootIni_)); },
       {kVitalBootIni}},
      {"a boot.ini without entry",
       false,
       [&] { ASSERT_TRUE(deploy::test::WriteFileText(kBootIni, "[boot loader]\r\ntimeout=30\r\n")); },
       [&] { ASSERT_TRUE(deploy::test::WriteFileText(kBootIni, bootIni_)); },
       {kNoEntry}},
  };
  for (const Case& c : cases) {
    if (c.xpOnly && !IsXP()) continue;
    SCOPED_TRACE(c.what);
    c.spoil();
    MakeWindow();
    std::vector<std::string> messages;
    bool ok = true, restore = true, cancel = false;
    Open(
        [&] {
          for (;;) {
            const std::string said = AnswerMessageBox(IDOK, 2000);
            if (said == "<no message box>") break;
            messages.push_back(said);
          }
          robot::WaitUntil([&] { return !window_->Opening(); });
          ok = Enabled("bOK");
          restore = Enabled("bRestore");
          cancel = Enabled("bCancel");
          robot::Click(Control("bCancel"));
          Hidden();
        },
        false);
    c.mend();
    EXPECT_EQ(messages, c.messages);
    EXPECT_FALSE(ok);
    EXPECT_FALSE(restore);
    EXPECT_TRUE(cancel);
    EXPECT_EQ(deploy::test::ReadFileText(kBootIni), bootIni_);
    EXPECT_FALSE(deploy::test::Exists(Kernel("Kernl1.exe")));
  }
}

TEST_P(BootLogoWindowTest, CopyThatCannotBeWrittenLeavesBootIniAndTheWindowOpen) {
  const std::string copy = Kernel("Kernl1.exe");
  ASSERT_TRUE(logos::test::BlockWithFolder(copy));
  const std::string picture = WriteLogo(GetParam() + 3);
  MakeWindow();
  std::string failure;
  bool stillOpen = false;
  Open([&] {
    ChangeLogo(picture);
    robot::Click(Control("bOK"));
    AnswerMessageBox(IDYES);
    failure = AnswerMessageBox(IDOK, 30000);
    stillOpen = !robot::WaitUntil([&] { return !IsWindowVisible(window_->Hwnd()); }, 1500);
    robot::Click(Control("bCancel"));
    Hidden();
  });
  RemoveDirectoryA(copy.c_str());
  EXPECT_EQ(failure.rfind("Logos Manager|", 0), 0u) << failure;
  EXPECT_NE(failure.find(copy), std::string::npos) << failure;
  EXPECT_TRUE(stillOpen);
  EXPECT_EQ(deploy::test::ReadFileText(kBootIni), bootIni_);
  EXPECT_FALSE(deploy::test::Exists(Kernel("~Kernl1.exe")));
}

TEST_P(BootLogoWindowTest, PreviewPaintsTheFramesOfTheBootScreen) {
  // The logo the preview shows, as the window read it from the kernel.
  const std::string path = win::GetTempDir() + "boot-shown.bmp";
  const logos::BootLogoPicture shown = logos::LoadBootLogo(machine_, entries_[0], path);
  ASSERT_TRUE(shown.outcome.ok) << shown.outcome.message;
  const Picture logo = DecodeFourBit(ReadBytes(path));
  ASSERT_EQ(logo.width, 640);
  MakeWindow();
  std::set<int> frames;
  std::vector<std::string> mismatches;
  bool closed = false;
  Open([&] {
    robot::Click(Control("bPreview"));
    const HWND preview =
        robot::WaitForWindow(IsXP() ? "TLogoXPPreview" : "TLogo2kPreview", "Quorlo - Preview");
    if (preview == nullptr) return;
    for (int attempt = 0; attempt < 30 && frames.size() < 2; ++attempt) {
      robot::PumpMessages(IsXP() ? 130 : 37);
      const robot::Capture capture = robot::CaptureWindow(preview);
      if (capture.width != 640 || capture.height != 480) {
        mismatches.push_back("a capture of " + std::to_string(capture.width) + " x " +
                             std::to_string(capture.height));
        continue;
      }
      // Away from the animation the picture is the logo, pixel for pixel.
      for (int x = 0; x < 640; x += 7) {
        if (capture.At(x, 100) != logo.At(x, 100) || capture.At(x, 470) != logo.At(x, 470)) {
          mismatches.push_back("picture differs at x " + std::to_string(x));
          break;
        }
      }
      const int frame =
          IsXP() ? XpStepShown(capture, shown.palette, GetParam()) : BandOffsetShown(capture, logo);
      if (frame < (IsXP() ? -1 : 0)) {
        mismatches.push_back("a capture that is no frame");
        continue;
      }
      // Offsets a band period apart look alike; count what differs.
      frames.insert(IsXP() ? frame : frame % 80);
    }
    robot::Click(window_->Preview().Get<ui::Control>("imgPreview").Hwnd());
    closed = robot::WaitUntil([&] { return !IsWindowVisible(preview); });
    robot::Click(Control("bCancel"));
    Hidden();
  });
  EXPECT_TRUE(mismatches.empty()) << mismatches.front();
  EXPECT_GE(frames.size(), 2u) << "the animation did not move";
  EXPECT_TRUE(closed);
}

// XP Home and Professional; 2000 Professional and a server edition.
INSTANTIATE_TEST_SUITE_P(Editions, BootLogoWindowTest,
                         testing::ValuesIn(win::WindowsVersion() == win::kWindowsXP
                                               ? std::vector<int>{1, 2}
                                               : std::vector<int>{3, 4}));

}  // namespace
