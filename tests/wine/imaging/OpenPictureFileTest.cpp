// OpenPictureFile as a user meets it: the picture dialog, the icon's
// background question and colour dialog, and the refusal of a damaged file,
// driven by the robot from a second thread while the dialogs run here.

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "core/FileIo.h"
#include "imaging/FastDIB.h"
#include "imaging/OpenPicture.h"
#include "tests/robot/Robot.h"
#include "tests/unit/imaging/GoldenLogos.h"
#include "tests/wine/WinePaths.h"
#include "win/SystemFacts.h"

namespace imaging::test {
namespace {

using robot::RobotThread;

std::string ChooseInPictureDialog(const std::string& path) {
  return robot::ChooseFileInDialog("Open Picture File", path);
}

// OpenPictureFile with the user choosing path in its dialog.
struct Opened {
  std::string dialogProblem = "not run";  // "" when the dialog closed as asked
  bool result = false;
  std::string name;
};

Opened OpenThroughDialog(const std::string& path) {
  Opened opened;
  RobotThread robotThread([&] { opened.dialogProblem = ChooseInPictureDialog(path); });
  opened.result = OpenPictureFile(opened.name);
  robotThread.Join();
  return opened;
}

std::string PickedFile() {
  return win::GetTempDir() + "tmpbmp.bmp";
}

std::string WriteTempFile(const char* name, const std::vector<uint8_t>& bytes) {
  const std::string path = win::GetTempDir() + name;
  EXPECT_EQ(core::WriteFileReplacing(path, bytes), core::WriteResult::kOk) << path;
  return path;
}

TEST(OpenPictureFile, JpegBecomesTheNativeBitmap) {
  const std::string jpeg = winetest::WindowsPath(winetest::EnvironmentOr("QUORLO_SOURCE", "")) +
                           "\\fuzz\\imaging\\corpus\\jpeg\\progressive.jpg";
  DeleteFileA(PickedFile().c_str());
  const Opened opened = OpenThroughDialog(jpeg);
  ASSERT_EQ(opened.dialogProblem, "");
  ASSERT_TRUE(opened.result);
  const std::string& name = opened.name;
  EXPECT_EQ(name, PickedFile());
  std::vector<uint8_t> bytes;
  ASSERT_EQ(core::ReadWholeFile(name, 1 << 24, bytes), core::ReadResult::kOk);
  EXPECT_EQ(golden::Hash(bytes.data(), bytes.size()), golden::kJpegBitmap);
}

TEST(OpenPictureFile, IconWithTheColourDialogCancelledHasABlackBackground) {
  // 2 x 2, 4 bits. The top-left pixel is transparent in the mask and black
  // in the colour image, so it shows the background alone; top-right is blue.
  std::vector<uint8_t> image = {40, 0, 0, 0, 2, 0, 0, 0, 4, 0, 0, 0, 1, 0, 4, 0};
  image.resize(40, 0);
  const uint32_t palette[16] = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF};
  for (uint32_t entry : palette) {
    for (int i = 0; i < 4; ++i) image.push_back(uint8_t(entry >> (8 * i)));
  }
  const uint8_t colour[] = {0x12, 0, 0, 0, 0x03, 0, 0, 0};
  const uint8_t mask[] = {0x00, 0, 0, 0, 0x80, 0, 0, 0};
  image.insert(image.end(), colour, colour + 8);
  image.insert(image.end(), mask, mask + 8);
  std::vector<uint8_t> file = {0, 0, 1, 0, 1, 0, 2, 2, 0, 0, 1, 0, 4, 0};
  const uint32_t length = uint32_t(image.size()), offset = 22;
  for (int i = 0; i < 4; ++i) file.push_back(uint8_t(length >> (8 * i)));
  for (int i = 0; i < 4; ++i) file.push_back(uint8_t(offset >> (8 * i)));
  file.insert(file.end(), image.begin(), image.end());
  const std::string icon = WriteTempFile("quorlo-test.ico", file);

  robot::MessageBoxInfo question;
  std::string chosen = "not run";
  bool cancelled = false;
  std::string name;
  bool result;
  {
    RobotThread robotThread([&] {
      chosen = ChooseInPictureDialog(icon);
      if (!chosen.empty()) return;
      question = robot::WaitForMessageBox(GetCurrentProcessId());
      if (question.found()) robot::AnswerMessageBox(question, IDOK);
      HWND colourDialog = robot::WaitForWindow("#32770", "Color");
      HWND cancel =
          colourDialog != nullptr ? robot::FindChildById(colourDialog, IDCANCEL) : nullptr;
      if (cancel != nullptr) {
        robot::Click(cancel);
        cancelled = true;
      }
    });
    result = OpenPictureFile(name);
  }
  ASSERT_EQ(chosen, "");
  ASSERT_TRUE(question.found()) << "no background colour message";
  EXPECT_EQ(question.caption, "Quorlo");
  EXPECT_EQ(question.text,
            "Please select the background colour you would like to see\r\nin the transparent "
            "area of the icon you selected.");
  EXPECT_TRUE(cancelled) << "no colour dialog";
  ASSERT_TRUE(result);
  TFastDIB picture;
  ASSERT_EQ(picture.LoadFromFile(name), BmpStatus::kOk);
  EXPECT_EQ(picture.Bpp(), 24);
  EXPECT_EQ(picture.Width(), 2);
  const uint8_t* top = picture.DisplayRow(0);
  EXPECT_EQ(top[0] | top[1] | top[2], 0) << "transparent pixel over black";
  EXPECT_EQ(top[3], 0xFF) << "blue pixel";
}

TEST(OpenPictureFile, EnhancedMetafileIsDrawnAtItsSize) {
  const std::string path = win::GetTempDir() + "quorlo-test.emf";
  DeleteFileA(path.c_str());
  HDC screen = GetDC(nullptr);
  const int perInch = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  const RECT frame{0, 0, 2540, 1270};  // one inch by half an inch
  HDC recorder = CreateEnhMetaFileA(nullptr, path.c_str(), &frame, nullptr);
  ASSERT_NE(recorder, nullptr);
  HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
  const RECT all{0, 0, 4 * perInch, 4 * perInch};
  FillRect(recorder, &all, red);
  DeleteObject(red);
  DeleteEnhMetaFile(CloseEnhMetaFile(recorder));

  const Opened opened = OpenThroughDialog(path);
  ASSERT_EQ(opened.dialogProblem, "");
  ASSERT_TRUE(opened.result);
  const std::string& name = opened.name;
  TFastDIB picture;
  ASSERT_EQ(picture.LoadFromFile(name), BmpStatus::kOk);
  EXPECT_EQ(picture.Bpp(), 24);
  EXPECT_EQ(picture.Width(), perInch);
  EXPECT_EQ(picture.AbsHeight, perInch / 2);
  const uint8_t* middle = picture.DisplayRow(picture.AbsHeight / 2) + 3 * (picture.Width() / 2);
  EXPECT_EQ(middle[2], 0xFF) << "red";
  EXPECT_EQ(middle[1], 0);
  EXPECT_EQ(middle[0], 0);
}

TEST(OpenPictureFile, PlaceableWindowsMetafileIsDrawnAtItsStatedSize) {
  // Records in a 1440 x 720 logical space: one inch by half an inch at 1440
  // units per inch, the unit the placeable header states.
  HDC recorder = CreateMetaFileA(nullptr);
  ASSERT_NE(recorder, nullptr);
  SetWindowOrgEx(recorder, 0, 0, nullptr);
  SetWindowExtEx(recorder, 1440, 720, nullptr);
  HBRUSH green = CreateSolidBrush(RGB(0, 255, 0));
  const RECT all{0, 0, 1440, 720};
  FillRect(recorder, &all, green);
  DeleteObject(green);
  HMETAFILE metafile = CloseMetaFile(recorder);
  ASSERT_NE(metafile, nullptr);
  std::vector<uint8_t> records(GetMetaFileBitsEx(metafile, 0, nullptr));
  GetMetaFileBitsEx(metafile, UINT(records.size()), records.data());
  DeleteMetaFile(metafile);

  const uint16_t header[10] = {0xCDD7, 0x9AC6, 0, 0, 0, 1440, 720, 1440, 0, 0};
  uint16_t checksum = 0;
  for (uint16_t word : header) checksum ^= word;
  std::vector<uint8_t> file;
  for (uint16_t word : header) file.push_back(uint8_t(word)), file.push_back(uint8_t(word >> 8));
  file.push_back(uint8_t(checksum)), file.push_back(uint8_t(checksum >> 8));
  file.insert(file.end(), records.begin(), records.end());
  const std::string path = WriteTempFile("quorlo-test.wmf", file);

  HDC screen = GetDC(nullptr);
  const int perInch = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  const Opened opened = OpenThroughDialog(path);
  ASSERT_EQ(opened.dialogProblem, "");
  ASSERT_TRUE(opened.result);
  const std::string& name = opened.name;
  TFastDIB picture;
  ASSERT_EQ(picture.LoadFromFile(name), BmpStatus::kOk);
  EXPECT_EQ(picture.Width(), perInch);
  EXPECT_EQ(picture.AbsHeight, perInch / 2);
  const uint8_t* middle = picture.DisplayRow(picture.AbsHeight / 2) + 3 * (picture.Width() / 2);
  EXPECT_EQ(middle[1], 0xFF) << "green";
  EXPECT_EQ(middle[2], 0);
}

TEST(OpenPictureFile, DamagedFileIsUnrecognisedAndLeavesTheNameAlone) {
  const std::string path =
      WriteTempFile("quorlo-damaged.jpg", {0xFF, 0xD8, 0xFF, 0xE0, 0, 16, 'J'});
  robot::MessageBoxInfo box;
  std::string chosen = "not run";
  std::string name = "unchanged";
  bool result;
  {
    RobotThread robotThread([&] {
      chosen = ChooseInPictureDialog(path);
      if (!chosen.empty()) return;
      box = robot::WaitForMessageBox(GetCurrentProcessId());
      if (box.found()) robot::AnswerMessageBox(box, IDOK);
    });
    result = OpenPictureFile(name);
  }
  ASSERT_EQ(chosen, "");
  EXPECT_FALSE(result);
  EXPECT_EQ(name, "unchanged");
  ASSERT_TRUE(box.found()) << "no message for the damaged file";
  EXPECT_EQ(box.text, "Unrecognised picture file format.");
  EXPECT_EQ(box.caption, "Quorlo");
}

TEST(OpenPictureFile, CancelledDialogLeavesTheNameAlone) {
  std::string name = "unchanged";
  bool cancelled = false;
  bool result;
  {
    RobotThread robotThread([&] {
      HWND dialog = robot::WaitForWindow("#32770", "Open Picture File", 30000);
      HWND cancel = dialog != nullptr ? robot::FindChildById(dialog, IDCANCEL) : nullptr;
      if (cancel != nullptr) {
        robot::Click(cancel);
        cancelled = true;
      }
    });
    result = OpenPictureFile(name);
  }
  ASSERT_TRUE(cancelled);
  EXPECT_FALSE(result);
  EXPECT_EQ(name, "unchanged");
}

}  // namespace
}  // namespace imaging::test
