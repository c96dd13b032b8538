#include "controls/GradientMath.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace controls::test {
namespace {

std::string Hex(uint32_t rgb) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%06X", unsigned(rgb));
  return text;
}

std::string Describe(const std::vector<GradientBand>& bands) {
  std::string text;
  for (const GradientBand& band : bands) {
    text += "[" + std::to_string(band.left) + "," + std::to_string(band.top) + "," +
            std::to_string(band.right) + "," + std::to_string(band.bottom) + " " + Hex(band.color) +
            "] ";
  }
  return text;
}

constexpr uint32_t kRed = 0x0000FF;
constexpr uint32_t kBlue = 0xFF0000;
constexpr uint32_t kHeading = 14994353;  // RGB(177,203,228)

TEST(MulDivRound, RoundsHalfAwayFromZeroLikeWindows) {
  struct Case {
    int a, b, c, expected;
  };
  const Case cases[] = {
      {1, 1, 2, 1},       {-1, 1, 2, -1},         {7, 3, 2, 11}, {3, 25, 128, 1},
      {64, 25, 128, 13},  {5, 0, 3, 0},           {1, 1, 0, -1}, {1, -3, 2, -2},
      {128, 25, 128, 25}, {0x7FFFFFFF, 2, 1, -1},  // overflow is reported like Windows does
  };
  for (const Case& c : cases) {
    EXPECT_EQ(MulDivRound(c.a, c.b, c.c), c.expected) << c.a << "*" << c.b << "/" << c.c;
  }
}

TEST(ColorSteps, AreKeptInsideOneTo255) {
  const int cases[][2] = {{-5, 1}, {0, 1}, {1, 1}, {64, 64}, {255, 255}, {256, 255}, {1000, 255}};
  for (const auto& c : cases) EXPECT_EQ(ClampColorSteps(c[0]), c[1]) << "steps " << c[0];
}

TEST(ColorToRgb, ResolvesSystemColoursThroughTheResolver) {
  auto resolver = [](int index) { return uint32_t(0x10000 * index + 0x0203); };
  EXPECT_EQ(Hex(ColorToRgb(clWindowText, resolver)), Hex(0x080203));
  EXPECT_EQ(Hex(ColorToRgb(clBtnFace, resolver)), Hex(0x0F0203));
  EXPECT_EQ(Hex(ColorToRgb(kHeading, resolver)), Hex(kHeading));
  EXPECT_EQ(Hex(ColorToRgb(clWhite, nullptr)), Hex(0xFFFFFF));
}

TEST(GradientColorTable, OneStepIsTheFirstColourOnly) {
  const std::vector<uint32_t> table = GradientColorTable(kRed, kBlue, 1);
  ASSERT_EQ(table.size(), 1u);
  EXPECT_EQ(Hex(table[0]), Hex(kRed));
}

TEST(GradientColorTable, LastBandStopsOneStepShortOfTheSecondColour) {
  // Black to white in two steps: 0 and 127 (255 / 2 truncated), never 255.
  const std::vector<uint32_t> table = GradientColorTable(0x000000, 0xFFFFFF, 2);
  ASSERT_EQ(table.size(), 2u);
  EXPECT_EQ(Hex(table[0]), Hex(0x000000));
  EXPECT_EQ(Hex(table[1]), Hex(0x7F7F7F));
}

TEST(GradientColorTable, TruncatesTowardZeroWhenChannelsFall) {
  // White to RGB(177,203,228): red falls by 0.609375 a band; band 1 is 254.39 -> 254.
  const std::vector<uint32_t> table = GradientColorTable(0xFFFFFF, kHeading, 128);
  ASSERT_EQ(table.size(), 128u);
  EXPECT_EQ(Hex(table[1]), Hex(MakeRgb(254, 254, 254)));
  EXPECT_EQ(Hex(table[64]), Hex(MakeRgb(216, 229, 241)));
  EXPECT_EQ(Hex(table[127]), Hex(MakeRgb(177, 203, 228)));
}

TEST(GradientBands, WhiteTo14994353In128StepsBottomHasTheStartColourAtTheBottom) {
  // The heading strips: StartColor 14994353, EndColor white, gsBottom. At one
  // pixel a band every band shows: white on top, one step short at the bottom.
  const std::vector<uint32_t> table = GradientColorTable(0xFFFFFF, kHeading, 128);
  const std::vector<GradientBand> bands =
      GradientBands(gsBottom, kHeading, 0xFFFFFF, 128, 577, 128);
  ASSERT_EQ(bands.size(), 128u);
  EXPECT_EQ(bands.front(), (GradientBand{0, 0, 577, 1, 0xFFFFFF})) << Describe({bands.front()});
  EXPECT_EQ(bands.back(), (GradientBand{0, 127, 577, 128, table[127]})) << Describe({bands.back()});
}

TEST(GradientBands, A25PixelHeadingShowsTheBandsMulDivLandsOn) {
  // 128 bands in 25 rows: rows take the colour of the last band that starts on them.
  const std::vector<uint32_t> table = GradientColorTable(0xFFFFFF, kHeading, 128);
  const std::vector<GradientBand> bands = GradientBands(gsBottom, kHeading, 0xFFFFFF, 128, 577, 25);
  ASSERT_EQ(bands.size(), 25u) << Describe(bands);
  EXPECT_EQ(bands.front(), (GradientBand{0, 0, 577, 1, table[2]})) << Describe({bands.front()});
  EXPECT_EQ(bands.back(), (GradientBand{0, 24, 577, 25, table[125]})) << Describe({bands.back()});
  for (size_t i = 1; i < bands.size(); ++i) {
    EXPECT_EQ(bands[i].top, bands[i - 1].bottom) << "gap or overlap at band " << i;
  }
}

TEST(GradientBands, BandEdgesAreMulDivOfTheBandIndex) {
  const std::vector<GradientBand> bands = GradientBands(gsTop, kRed, kBlue, 128, 10, 25);
  const std::vector<uint32_t> table = GradientColorTable(kRed, kBlue, 128);
  size_t next = 0;
  for (int i = 0; i < 128; ++i) {
    const int top = MulDivRound(i, 25, 128);
    const int bottom = MulDivRound(i + 1, 25, 128);
    if (bottom == top) continue;
    ASSERT_LT(next, bands.size());
    EXPECT_EQ(bands[next], (GradientBand{0, top, 10, bottom, table[size_t(i)]}))
        << "band " << i << ": " << Describe({bands[next]});
    ++next;
  }
  EXPECT_EQ(next, bands.size());
}

TEST(GradientBands, EveryStylePlacesItsColours) {
  const uint32_t mid = GradientColorTable(kRed, kBlue, 2)[1];
  const uint32_t midBack = GradientColorTable(kBlue, kRed, 2)[1];
  struct Case {
    TGradientStyle style;
    std::vector<GradientBand> expected;
  };
  const Case cases[] = {
      {gsNone, {{0, 0, 4, 6, kRed}}},
      {gsTop, {{0, 0, 4, 3, kRed}, {0, 3, 4, 6, mid}}},
      {gsBottom, {{0, 0, 4, 3, kBlue}, {0, 3, 4, 6, midBack}}},
      {gsLeft, {{0, 0, 2, 6, kRed}, {2, 0, 4, 6, mid}}},
      {gsRight, {{0, 0, 2, 6, kBlue}, {2, 0, 4, 6, midBack}}},
  };
  for (const Case& c : cases) {
    const std::vector<GradientBand> bands = GradientBands(c.style, kRed, kBlue, 2, 4, 6);
    EXPECT_EQ(bands, c.expected) << "style " << int(c.style) << ": got " << Describe(bands)
                                 << " expected " << Describe(c.expected);
  }
}

TEST(GradientBands, OneStepPaintsOneBandOfTheFirstColour) {
  struct Case {
    TGradientStyle style;
    uint32_t color;
  };
  const Case cases[] = {{gsTop, kRed}, {gsLeft, kRed}, {gsBottom, kBlue}, {gsRight, kBlue}};
  for (const Case& c : cases) {
    const std::vector<GradientBand> bands = GradientBands(c.style, kRed, kBlue, 1, 30, 20);
    EXPECT_EQ(bands, (std::vector<GradientBand>{{0, 0, 30, 20, c.color}}))
        << "style " << int(c.style) << ": " << Describe(bands);
  }
}

TEST(GradientBands, MoreStepsThanPixelsSkipEmptyBandsAndCoverTheControl) {
  const std::vector<GradientBand> bands = GradientBands(gsLeft, kRed, kBlue, 255, 16, 16);
  ASSERT_EQ(bands.size(), 16u) << Describe(bands);
  for (size_t i = 0; i < bands.size(); ++i) {
    EXPECT_EQ(bands[i].left, int(i));
    EXPECT_EQ(bands[i].right, int(i) + 1);
  }
}

TEST(GradientBands, EmptyControlHasNoBands) {
  EXPECT_TRUE(GradientBands(gsTop, kRed, kBlue, 64, 0, 10).empty());
  EXPECT_TRUE(GradientBands(gsNone, kRed, kBlue, 64, 10, -1).empty());
}

TEST(PushButtonBands, RunFromBeginColourToExactlyEndColour) {
  struct Case {
    int height;
    size_t bandCount;
  };
  const Case cases[] = {{25, 25}, {256, 256}, {300, 256}, {1, 1}};
  for (const Case& c : cases) {
    const std::vector<GradientBand> bands = PushButtonBands(0xFFFFFF, kHeading, 75, c.height);
    ASSERT_EQ(bands.size(), c.bandCount) << "height " << c.height;
    EXPECT_EQ(bands.front().top, 0);
    EXPECT_EQ(bands.back().bottom, c.height);
    if (c.height >= 256) {
      EXPECT_EQ(Hex(bands.front().color), Hex(0xFFFFFF)) << "height " << c.height;
    }
    EXPECT_EQ(Hex(bands.back().color), Hex(kHeading)) << "height " << c.height;
  }
}

TEST(PushButtonBands, ChannelsUseIntegerDivisionBy255) {
  const std::vector<GradientBand> bands = PushButtonBands(0xFFFFFF, kHeading, 10, 256);
  // Band 100: red 255 + (100 * -78) / 255 = 255 - 30; green 255 - 20; blue 255 - 10.
  EXPECT_EQ(Hex(bands[100].color), Hex(MakeRgb(225, 235, 245)));
  EXPECT_EQ(bands[100].top, 100);
  EXPECT_EQ(bands[100].bottom, 101);
}

}  // namespace
}  // namespace controls::test
