#include <gtest/gtest.h>

#include "controls/Gradient.h"

namespace controls::test {
namespace {

TEST(TGradient, DefaultsAreSixtyFourGreyToSilverBandsFromTheLeft) {
  TGradient gradient;
  EXPECT_EQ(gradient.ColorSteps(), 64);
  EXPECT_EQ(gradient.StartColor(), 8421504);
  EXPECT_EQ(gradient.EndColor(), 12632256);
  EXPECT_EQ(gradient.Style(), gsLeft);
  EXPECT_EQ(int(gsNone), 0);
  EXPECT_EQ(int(gsTop), 4);
}

TEST(TGradient, TellsItsOwnerOfEveryRealChange) {
  TGradient gradient;
  int changes = 0;
  gradient.OnChanged([&] { ++changes; });
  gradient.SetColorSteps(128);
  gradient.SetColorSteps(128);
  gradient.SetStartColor(14994353);
  gradient.SetEndColor(clWhite);
  gradient.SetStyle(gsBottom);
  gradient.SetStyle(gsBottom);
  EXPECT_EQ(changes, 4);
  gradient.SetColorSteps(0);
  EXPECT_EQ(gradient.ColorSteps(), 1);
}

TEST(TButtonGradient, HoverAndLeaveCopyTheirPairs) {
  TButtonGradient gradient;
  gradient.SetNormalStart(13995776);
  gradient.SetNormalEnd(16769476);
  gradient.SetHoverStart(8541952);
  gradient.SetHoverEnd(16769476);
  gradient.UseNormalColors();
  EXPECT_EQ(gradient.StartColor(), 13995776);
  EXPECT_EQ(gradient.EndColor(), 16769476);
  gradient.UseHoverColors();
  EXPECT_EQ(gradient.StartColor(), 8541952);
  EXPECT_EQ(gradient.EndColor(), 16769476);
  gradient.UseNormalColors();
  EXPECT_EQ(gradient.StartColor(), 13995776);
}

TEST(TSubCaption, DefaultsAndEllipsis) {
  TSubCaption sub;
  EXPECT_EQ(sub.Caption(), "");
  EXPECT_EQ(sub.Color(), clWindowText);
  EXPECT_EQ(sub.Size(), 8);
  EXPECT_EQ(sub.Margin(), 8);
  EXPECT_FALSE(sub.Ellipsis());
  sub.SetCaption("F1");
  EXPECT_EQ(sub.Text(), "F1");
  sub.SetEllipsis(true);
  EXPECT_EQ(sub.Text(), "F1...");
}

}  // namespace
}  // namespace controls::test
