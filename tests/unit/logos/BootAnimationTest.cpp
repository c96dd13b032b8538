#include "logos/BootAnimation.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

using logos::XpBlock;

// The box column each strip column lands in, from the two copies; -1 where
// nothing is painted, -2 where two copies overlap.
std::vector<int> PaintedSources(int offset) {
  std::vector<int> painted(logos::kBandWidth, -1);
  for (const logos::ColumnCopy& copy : logos::BandCopies(offset)) {
    EXPECT_GE(copy.width, 0);
    EXPECT_GE(copy.sourceX, 0);
    EXPECT_LE(copy.sourceX + copy.width, logos::kBandWidth);
    for (int i = 0; i < copy.width; ++i) {
      int& column = painted.at(static_cast<size_t>(copy.destX + i));
      column = column == -1 ? copy.sourceX + i : -2;
    }
  }
  return painted;
}

TEST(BandAnimation, OffsetAdvancesAndWrapsAt640) {
  EXPECT_EQ(logos::NextBandOffset(0), 1);
  EXPECT_EQ(logos::NextBandOffset(638), 639);
  EXPECT_EQ(logos::NextBandOffset(639), 0);
  int offset = 0;
  for (int tick = 0; tick < 640; ++tick) offset = logos::NextBandOffset(offset);
  EXPECT_EQ(offset, 0) << "a full turn takes 640 ticks";
}

TEST(BandAnimation, EveryColumnOnceTurnedRightByTheOffset) {
  for (int offset = 0; offset < logos::kBandWidth; ++offset) {
    const std::vector<int> painted = PaintedSources(offset);
    for (int x = 0; x < logos::kBandWidth; ++x)
      ASSERT_EQ(painted[x], (x - offset + logos::kBandWidth) % logos::kBandWidth)
          << "offset " << offset << ", box column " << x;
  }
}

TEST(BandAnimation, CopiesAtTheEdges) {
  struct Case {
    int offset;
    logos::ColumnCopy right;
    logos::ColumnCopy left;
  };
  const Case cases[] = {
      {0, {0, 0, 640}, {640, 0, 0}},   {1, {0, 1, 639}, {639, 0, 1}},
      {639, {0, 639, 1}, {1, 0, 639}}, {640, {0, 0, 640}, {640, 0, 0}},
      {-1, {0, 639, 1}, {1, 0, 639}},
  };
  for (const Case& c : cases) {
    const auto copies = logos::BandCopies(c.offset);
    for (int i = 0; i < 2; ++i) {
      const logos::ColumnCopy& want = i == 0 ? c.right : c.left;
      EXPECT_EQ(copies[i].sourceX, want.sourceX) << "offset " << c.offset << " copy " << i;
      EXPECT_EQ(copies[i].destX, want.destX) << "offset " << c.offset << " copy " << i;
      EXPECT_EQ(copies[i].width, want.width) << "offset " << c.offset << " copy " << i;
    }
  }
}

TEST(XpBarAnimation, StepsRunFromMinusOneTo18ThenFrom0) {
  std::vector<int> steps = {logos::kXpBarFirstStep};
  for (int tick = 0; tick < 21; ++tick) steps.push_back(logos::NextXpBarStep(steps.back()));
  const std::vector<int> expected = {-1, 0,  1,  2,  3,  4,  5,  6,  7,  8, 9,
                                     10, 11, 12, 13, 14, 15, 16, 17, 18, 0, 1};
  EXPECT_EQ(steps, expected);
}

// The blocks' rows as lists: which rows take c1, c2 and c3.
struct BlockRows {
  XpBlock block;
  std::set<int> c1, c2, c3;
};
const BlockRows kBlockRows[] = {
    {XpBlock::kA, {0, 5, 6, 7, 8}, {1, 4}, {2, 3}},
    {XpBlock::kB, {0, 6, 7, 8}, {1, 4, 5}, {2, 3}},
    {XpBlock::kC, {0, 7, 8}, {1, 5, 6}, {2, 3, 4}},
};

TEST(XpBarAnimation, BlockRows) {
  for (const BlockRows& b : kBlockRows) {
    for (int row = 0; row < logos::kXpBarHeight; ++row) {
      const int expected = b.c1.count(row) ? 1 : b.c2.count(row) ? 2 : b.c3.count(row) ? 3 : 0;
      EXPECT_EQ(logos::XpBlockRowColour(b.block, row), expected)
          << "block " << static_cast<int>(b.block) << " row " << row;
    }
  }
  EXPECT_EQ(logos::XpBlockRowColour(XpBlock::kNone, 0), 0);
}

// The blocks a step shows, cell by cell (only cells holding one).
std::vector<std::pair<int, XpBlock>> Blocks(int step) {
  std::vector<std::pair<int, XpBlock>> blocks;
  for (int cell = -3; cell < logos::kXpBarCells + 3; ++cell)
    if (logos::XpBarCellBlock(step, cell) != XpBlock::kNone)
      blocks.emplace_back(cell, logos::XpBarCellBlock(step, cell));
  return blocks;
}

// Columns of the box that show anything but the background.
std::set<int> LitColumns(int step) {
  std::set<int> columns;
  for (int x = -2; x < logos::kXpBarWidth + 10; ++x)
    for (int y = -1; y <= logos::kXpBarHeight; ++y)
      if (logos::XpBarPaletteEntry(step, 1, x, y) != 0) columns.insert(x);
  return columns;
}

std::set<int> Columns(int from, int to) {
  std::set<int> columns;
  for (int x = from; x <= to; ++x) columns.insert(x);
  return columns;
}

TEST(XpBarAnimation, BlocksEnterAndLeave) {
  using Cells = std::vector<std::pair<int, XpBlock>>;
  EXPECT_EQ(Blocks(-1), Cells{});
  EXPECT_EQ(Blocks(0), (Cells{{0, XpBlock::kC}}));
  EXPECT_EQ(Blocks(1), (Cells{{0, XpBlock::kB}, {1, XpBlock::kC}}));
  EXPECT_EQ(Blocks(5), (Cells{{3, XpBlock::kA}, {4, XpBlock::kB}, {5, XpBlock::kC}}));
  EXPECT_EQ(Blocks(16), (Cells{{14, XpBlock::kA}, {15, XpBlock::kB}}));
  EXPECT_EQ(Blocks(17), (Cells{{15, XpBlock::kA}}));
  EXPECT_EQ(Blocks(18), Cells{}) << "the last block has left after step 17";

  EXPECT_EQ(LitColumns(-1), std::set<int>{});
  EXPECT_EQ(LitColumns(0), Columns(0, 5));
  std::set<int> step5 = Columns(24, 29);
  for (int x : Columns(32, 37)) step5.insert(x);
  for (int x : Columns(40, 45)) step5.insert(x);
  EXPECT_EQ(LitColumns(5), step5);
  EXPECT_EQ(LitColumns(16), Columns(112, 117)) << "cell 15 starts at x = 120, past the box";
  EXPECT_EQ(LitColumns(17), std::set<int>{});
}

TEST(XpBarAnimation, ColoursByEdition) {
  struct Case {
    int edition;
    int c1, c2, c3;
  };
  for (const Case& c : {Case{1, 4, 7, 11}, Case{2, 3, 8, 10}}) {
    EXPECT_EQ(logos::XpBarColourEntries(c.edition), (std::array<int, 3>{c.c1, c.c2, c.c3}));
    // Step 0 shows block C in cell 0: rows 0, 1 and 2 are c1, c2, c3.
    EXPECT_EQ(logos::XpBarPaletteEntry(0, c.edition, 3, 0), c.c1) << c.edition;
    EXPECT_EQ(logos::XpBarPaletteEntry(0, c.edition, 3, 1), c.c2) << c.edition;
    EXPECT_EQ(logos::XpBarPaletteEntry(0, c.edition, 3, 4), c.c3) << c.edition;
    EXPECT_EQ(logos::XpBarPaletteEntry(0, c.edition, 6, 4), 0) << "gap between cells";
    EXPECT_EQ(logos::XpBarPaletteEntry(0, c.edition, 8, 4), 0) << "cell 1 is empty";
  }
}

}  // namespace
