// MakeLogoPicture with its question and status label, answered by the robot.

#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>

#include "imaging/FastDIB.h"
#include "imaging/LogoPipeline.h"
#include "imaging/OpenPicture.h"
#include "tests/robot/Robot.h"
#include "win/SystemFacts.h"

namespace imaging::test {
namespace {

class StatusWindow {
 public:
  StatusWindow() {
    parent_ = CreateWindowExA(0, "STATIC", "logo test", WS_OVERLAPPEDWINDOW, 0, 0, 300, 100,
                              nullptr, nullptr, nullptr, nullptr);
    label_ = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 4, 4, 280, 20, parent_,
                             nullptr, nullptr, nullptr);
  }
  ~StatusWindow() { DestroyWindow(parent_); }
  HWND Label() const { return label_; }
  std::string Text() const { return robot::WindowText(label_); }

 private:
  HWND parent_ = nullptr;
  HWND label_ = nullptr;
};

std::string WriteRedPicture() {
  TFastDIB picture;
  picture.SetSize(320, 400, 24);
  picture.SetBrush(kBsSolid, RGB(255, 0, 0), 0);
  picture.FillRect(Rect{0, 0, 320, 400});
  const std::string path = win::GetTempDir() + "tmpbmp.bmp";
  EXPECT_TRUE(picture.SaveToFile(path));
  return path;
}

TEST(MakeLogoPicture, YesReformatsAndReportsEachStep) {
  const std::string picture = WriteRedPicture();
  StatusWindow status;
  std::string out = "previous";
  robot::MessageBoxAnswerer answerer(IDYES);
  MakeLogoPicture(picture, 640, 480, out, true, false, RGB(0, 0, 255), status.Label(), 4);
  const robot::MessageBoxInfo box = answerer.Result();
  ASSERT_TRUE(box.found()) << "no question";
  EXPECT_EQ(box.caption, "Picture selection error");
  EXPECT_NE(box.text.find("     - a 16 colour palette\r\n"), std::string::npos) << box.text;
  EXPECT_EQ(out, win::GetTempDir() + "_tempbmp.bmp");
  EXPECT_EQ(status.Text(), "Finished.");
  TFastDIB logo;
  ASSERT_EQ(logo.LoadFromFile(out), BmpStatus::kOk);
  EXPECT_EQ(logo.Width(), 640);
  EXPECT_EQ(logo.Height(), 480);
  EXPECT_EQ(logo.Bpp(), 4);
  // 320 x 400 on a 640 x 480 screen stays 320 x 400, centred on blue.
  const uint8_t* top = logo.DisplayRow(0);
  const RgbQuad corner = logo.Colors[top[0] >> 4];
  EXPECT_EQ(corner.Blue, 255);
  EXPECT_EQ(corner.Red, 0);
  const uint8_t* middle = logo.DisplayRow(240);
  const RgbQuad centre = logo.Colors[middle[160] >> 4];
  EXPECT_EQ(centre.Red, 255);
  EXPECT_EQ(centre.Blue, 0);
}

TEST(MakeLogoPicture, NoLeavesAnEmptyNameAndTheAbortedStatus) {
  const std::string picture = WriteRedPicture();
  StatusWindow status;
  std::string out = "previous";
  robot::MessageBoxAnswerer answerer(IDNO);
  MakeLogoPicture(picture, 320, 401, out, false, true, RGB(0, 0, 0), status.Label(), 8);
  ASSERT_TRUE(answerer.Result().found()) << "no question";
  EXPECT_EQ(out, "");
  EXPECT_EQ(status.Text(), "Logo change aborted.");
}

TEST(MakeLogoPicture, AFittingPictureIsCopiedWithoutAQuestion) {
  TFastDIB fitting;
  fitting.SetSize(640, 480, 4);
  fitting.Colors[3] = RgbQuad{1, 2, 3, 0};
  const std::string picture = win::GetTempDir() + "tmpbmp.bmp";
  ASSERT_TRUE(fitting.SaveToFile(picture));
  StatusWindow status;
  std::string out;
  std::memset(LogoPalette16, 0, sizeof(LogoPalette16));
  MakeLogoPicture(picture, 640, 480, out, true, false, RGB(0, 0, 0), status.Label(), 4);
  EXPECT_EQ(out, win::GetTempDir() + "_tempbmp.bmp");
  EXPECT_EQ(status.Text(), "Finished.");
  EXPECT_EQ(LogoPalette16[3].Red, 3);
}

}  // namespace
}  // namespace imaging::test
