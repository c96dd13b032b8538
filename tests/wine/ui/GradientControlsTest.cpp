// The gradient controls on a real window, checked from the pixels the screen
// shows of it.

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "controls/GradientMath.h"
#include "tests/robot/Robot.h"
#include "ui/Form.h"
#include "ui/GradientButton.h"
#include "ui/GradientLabel.h"
#include "ui/GradientPushButton.h"

namespace {

using controls::GradientBands;

// Captures are 0x00RRGGBB; the controls' colours are 0x00BBGGRR.
uint32_t ToCapture(uint32_t bgr) {
  return ((bgr & 0xFF) << 16) | (bgr & 0xFF00) | ((bgr >> 16) & 0xFF);
}

std::string Hex(uint32_t rgb) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%06X", unsigned(rgb));
  return text;
}

// The colour GradientBands gives row y of a vertical gradient.
uint32_t ExpectedRow(controls::TGradientStyle style, uint32_t start, uint32_t end, int steps,
                     int width, int height, int y) {
  for (const controls::GradientBand& band :
       GradientBands(style, start, end, steps, width, height)) {
    if (y >= band.top && y < band.bottom) return ToCapture(band.color);
  }
  return 0xFFFFFFFF;
}

class TestForm : public ui::Form {
 public:
  ui::FormSpec Spec() const override {
    ui::FormSpec spec;
    spec.caption = "Gradient controls test";
    spec.clientWidth = 320;
    spec.clientHeight = 160;
    spec.frame = false;
    spec.hintLine = false;
    return spec;
  }
  void FormCreate() override {
    strip = static_cast<ui::GradientLabel*>(
        CreateControl(ui::Kind::kHeading, "strip", 0, 0, 320, 25, "", "", 0));
    button = static_cast<ui::GradientButton*>(
        CreateControl(ui::Kind::kGradButton, "button", 10, 40, 80, 20, "Hover", "", 0));
    push = static_cast<ui::GradientPushButton*>(
        CreateControl(ui::Kind::kPushButton, "push", 120, 40, 75, 25, "OK", "", 0));
    narrow = static_cast<ui::GradientLabel*>(CreateControl(ui::Kind::kHeading, "narrow", 10, 90, 70,
                                                           25, "A caption much too wide", "", 0));
    // One pixel wider than its margin and caption: the caption fits between
    // its start and the right edge, as the main window's captions do.
    fits = static_cast<ui::GradientLabel*>(
        CreateControl(ui::Kind::kHeading, "fits", 10, 125, 200, 25, kFittingCaption, "", 0));
    fitsWidth = fits->Margin() + CaptionWidth(*fits) + 1;
    MoveWindow(fits->Hwnd(), 10, 125, fitsWidth, 25, TRUE);
    // The same caption with room to spare shows what the whole caption looks like.
    wide = static_cast<ui::GradientLabel*>(
        CreateControl(ui::Kind::kHeading, "wide", 150, 125, 160, 25, kFittingCaption, "", 0));
    // Flat backgrounds, so every dark pixel is text.
    for (ui::GradientLabel* label : {narrow, fits, wide}) {
      label->Gradient().SetStyle(controls::gsNone);
      label->Gradient().SetStartColor(controls::clWhite);
    }
  }
  // The caption's width in the font the label draws it with.
  int CaptionWidth(ui::GradientLabel& label) const {
    const std::string text = label.Text();
    // A memory DC, as the label paints into one.
    HDC dc = CreateCompatibleDC(nullptr);
    HFONT font = label.Font() != nullptr ? label.Font()
                                         : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    HGDIOBJ old = SelectObject(dc, font);
    SIZE size{};
    GetTextExtentPoint32A(dc, text.c_str(), int(text.size()), &size);
    SelectObject(dc, old);
    DeleteDC(dc);
    return size.cx;
  }
  static constexpr char kFittingCaption[] = "Start Button Manager";
  int fitsWidth = 0;
  ui::GradientLabel* fits = nullptr;
  ui::GradientLabel* wide = nullptr;
  ui::GradientLabel* strip = nullptr;
  ui::GradientButton* button = nullptr;
  ui::GradientPushButton* push = nullptr;
  ui::GradientLabel* narrow = nullptr;
};

class GradientControls : public ::testing::Test {
 protected:
  void SetUp() override {
    SetCursorPos(0, 0);
    ASSERT_TRUE(form.CreateForm(nullptr));
    form.ShowModeless();
    SetFocus(form.Hwnd());
    robot::PumpMessages(200);
  }
  // A control's pixels, cut from the capture of the whole form.
  robot::Capture CaptureOf(ui::Control& control) {
    const robot::Capture whole = robot::CaptureWindow(form.Hwnd());
    const RECT bounds = control.BoundsInParent();
    robot::Capture part;
    if (whole.empty()) return part;
    part.width = bounds.right - bounds.left;
    part.height = bounds.bottom - bounds.top;
    for (int y = 0; y < part.height; ++y) {
      for (int x = 0; x < part.width; ++x)
        part.pixels.push_back(whole.At(bounds.left + x, bounds.top + y));
    }
    return part;
  }
  TestForm form;
};

TEST_F(GradientControls, StripShowsWhiteOnTopAndTheStartColourBelow) {
  const robot::Capture strip = CaptureOf(*form.strip);
  ASSERT_FALSE(strip.empty());
  for (int y : {0, 12, 24}) {
    const uint32_t expected = ExpectedRow(controls::gsBottom, 14994353, 0xFFFFFF, 128, 320, 25, y);
    for (int x : {0, 160, 319}) {
      EXPECT_EQ(Hex(strip.At(x, y)), Hex(expected)) << "pixel " << x << "," << y;
    }
  }
}

TEST_F(GradientControls, ButtonTakesItsHoverColoursAndWhiteTextWhileHovered) {
  ui::GradientButton& button = *form.button;
  auto rowColour = [&](const robot::Capture& capture, int y) { return capture.At(40, y); };
  auto hasWhite = [](const robot::Capture& capture) {
    for (uint32_t pixel : capture.pixels) {
      if (pixel == 0xFFFFFF) return true;
    }
    return false;
  };
  const int y = 10;  // away from the bound lines and inside the caption's rows
  const uint32_t normal = ExpectedRow(controls::gsTop, 13995776, 16769476, 128, 80, 20, 2);
  const uint32_t hover = ExpectedRow(controls::gsTop, 8541952, 16769476, 128, 80, 20, 2);

  robot::Capture before = CaptureOf(button);
  ASSERT_FALSE(before.empty());
  EXPECT_EQ(Hex(rowColour(before, 2)), Hex(normal));
  EXPECT_FALSE(hasWhite(before)) << "white text before hovering";

  robot::MoveMouseTo(button.Hwnd(), 40, y);
  robot::PumpMessages(100);
  EXPECT_TRUE(button.Hovered());
  EXPECT_EQ(button.ButtonGradient().StartColor(), 8541952);
  robot::Capture during = CaptureOf(button);
  EXPECT_EQ(Hex(rowColour(during, 2)), Hex(hover));
  EXPECT_TRUE(hasWhite(during)) << "no white text while hovered";

  robot::MouseLeave(button.Hwnd());
  robot::PumpMessages(100);
  EXPECT_FALSE(button.Hovered());
  EXPECT_EQ(button.ButtonGradient().StartColor(), 13995776);
  robot::Capture after = CaptureOf(button);
  EXPECT_EQ(Hex(rowColour(after, 2)), Hex(normal));
  EXPECT_FALSE(hasWhite(after)) << "white text after leaving";
}

TEST_F(GradientControls, PushButtonWithoutFocusOrHoverShowsNoGradient) {
  ASSERT_NE(GetFocus(), form.push->Hwnd());
  const robot::Capture push = CaptureOf(*form.push);
  ASSERT_FALSE(push.empty());
  const uint32_t face = ToCapture(GetSysColor(COLOR_BTNFACE));
  // Inside the raised edge and away from the caption: button face only.
  for (int y : {2, 3, push.height - 3}) {
    for (int x : {2, 5, push.width - 3}) {
      EXPECT_EQ(Hex(push.At(x, y)), Hex(face)) << "pixel " << x << "," << y;
    }
  }
  EXPECT_EQ(Hex(push.At(0, 0)), Hex(ToCapture(GetSysColor(COLOR_BTNHIGHLIGHT))));
  EXPECT_EQ(Hex(push.At(push.width - 1, push.height - 1)),
            Hex(ToCapture(GetSysColor(COLOR_BTNSHADOW))));
}

// The columns of a label's text: the rightmost dark column, and how many rows
// the dark pixels of its last few columns span (dots span at most three).
struct TextEnd {
  int rightmost = -1;
  int lastRows = 0;
};

TextEnd FindTextEnd(const robot::Capture& label) {
  auto dark = [](uint32_t pixel) {
    return ((pixel >> 16) & 0xFF) < 128 && ((pixel >> 8) & 0xFF) < 128 && (pixel & 0xFF) < 128;
  };
  TextEnd end;
  for (int x = 0; x < label.width; ++x) {
    for (int y = 0; y < label.height; ++y) {
      if (dark(label.At(x, y))) end.rightmost = x;
    }
  }
  int top = label.height;
  int bottom = -1;
  for (int x = std::max(0, end.rightmost - 8); x <= end.rightmost; ++x) {
    for (int y = 0; y < label.height; ++y) {
      if (dark(label.At(x, y))) {
        top = std::min(top, y);
        bottom = std::max(bottom, y);
      }
    }
  }
  end.lastRows = bottom - top + 1;
  return end;
}

TEST_F(GradientControls, CaptionTooWideEndsInThreeDots) {
  const robot::Capture label = CaptureOf(*form.narrow);
  ASSERT_FALSE(label.empty());
  const TextEnd end = FindTextEnd(label);
  ASSERT_GE(end.rightmost, 0) << "no text drawn";
  EXPECT_LT(end.rightmost, label.width - 5) << "text runs to the edge: not shortened";
  EXPECT_LE(end.lastRows, 3) << "the last columns are letters, not dots";
}

TEST_F(GradientControls, CaptionThatFitsToTheRightEdgeIsDrawnWhole) {
  const robot::Capture label = CaptureOf(*form.fits);
  const robot::Capture whole = CaptureOf(*form.wide);
  ASSERT_FALSE(label.empty());
  ASSERT_FALSE(whole.empty());
  const TextEnd end = FindTextEnd(label);
  const TextEnd wholeEnd = FindTextEnd(whole);
  ASSERT_GE(wholeEnd.rightmost, 0) << "no text drawn";
  EXPECT_EQ(end.rightmost, wholeEnd.rightmost)
      << "caption in " << form.fitsWidth << " pixels ends elsewhere than the whole caption";
  EXPECT_GT(end.lastRows, 3) << "the caption ends in dots";
}

}  // namespace
