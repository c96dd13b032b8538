#include "logon/BarAnimation.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace {

// The picture column each box column shows; -1 unpainted, -2 painted twice.
std::vector<int> Painted(int offset, int width) {
  std::vector<int> painted(static_cast<size_t>(width), -1);
  for (const logon::BarCopy& copy : logon::BarCopies(offset, width)) {
    EXPECT_GE(copy.width, 0);
    EXPECT_GE(copy.sourceX, 0);
    EXPECT_LE(copy.sourceX + copy.width, width);
    for (int i = 0; i < copy.width; ++i) {
      int& column = painted.at(static_cast<size_t>(copy.destX + i));
      column = column == -1 ? copy.sourceX + i : -2;
    }
  }
  return painted;
}

TEST(BarAnimation, TenPixelBarStartsAgainEveryFiveTicks) {
  logon::BarAnimation bar;
  std::vector<int> offsets;
  for (int tick = 0; tick < 11; ++tick) {
    offsets.push_back(bar.Offset());
    bar.Tick(10);
  }
  EXPECT_EQ(offsets, (std::vector<int>{0, 1, 2, 3, 4, 0, 1, 2, 3, 4, 0}));
}

TEST(BarAnimation, OffsetWrapsAtHalfTheWidth) {
  struct Case {
    int width;
    int period;
  };
  for (const Case& c :
       {Case{10, 5}, Case{11, 5}, Case{413, 206}, Case{2, 1}, Case{1, 1}, Case{0, 1}}) {
    int offset = 0;
    int ticks = 0;
    do {
      offset = logon::NextBarOffset(offset, c.width);
      ++ticks;
    } while (offset != 0 && ticks < 1000);
    EXPECT_EQ(ticks, c.period) << "width " << c.width;
  }
  EXPECT_EQ(logon::NextBarOffset(INT_MAX, 10), 0);
  EXPECT_EQ(logon::NextBarOffset(-3, 10), 0);
}

TEST(BarAnimation, ShiftsRightTwoPixelsATickAndWraps) {
  const auto copies = logon::BarCopies(3, 10);
  EXPECT_EQ(copies[0].sourceX, 0);
  EXPECT_EQ(copies[0].destX, 6);
  EXPECT_EQ(copies[0].width, 4);
  EXPECT_EQ(copies[1].sourceX, 4);
  EXPECT_EQ(copies[1].destX, 0);
  EXPECT_EQ(copies[1].width, 6);
  for (const int width : {1, 2, 9, 10, 413}) {
    for (int offset = 0; offset < width; ++offset) {
      const std::vector<int> painted = Painted(offset, width);
      const int shift = (2 * offset) % width;
      for (int x = 0; x < width; ++x)
        ASSERT_EQ(painted[x], (x - shift + width) % width)
            << "width " << width << ", offset " << offset << ", column " << x;
    }
  }
  for (const auto& copy : logon::BarCopies(2, 0)) EXPECT_EQ(copy.width, 0);
  EXPECT_EQ(Painted(INT_MAX, 7).size(), 7u) << "a huge phase still paints every column once";
}

TEST(BarAnimation, PhaseStaysWhileTheTimerIsStopped) {
  logon::BarAnimation bar;
  for (int tick = 0; tick < 3; ++tick) bar.Tick(10);
  const auto before = bar.Copies(10);
  // The tab is left and shown again: nothing ticks, nothing moves.
  EXPECT_EQ(bar.Offset(), 3);
  const auto after = bar.Copies(10);
  EXPECT_EQ(after[0].destX, before[0].destX);
  EXPECT_EQ(after[1].width, before[1].width);
  bar.Tick(10);
  EXPECT_EQ(bar.Offset(), 4) << "the next tick goes on from the kept phase";
  bar.Restart();
  EXPECT_EQ(bar.Offset(), 0) << "a new bar picture starts at the beginning";
}

}  // namespace
