#include "logos/BootAnimation.h"

#include <cstddef>

namespace logos {

namespace {

int Wrap(int value, int period) {
  const int rest = value % period;
  return rest < 0 ? rest + period : rest;
}

}  // namespace

int NextBandOffset(int offset) {
  return Wrap(offset + 1, kBandWidth);
}

std::array<ColumnCopy, 2> BandCopies(int offset) {
  const int shift = Wrap(offset, kBandWidth);
  // The left copy is as wide as the shift: one column narrower would leave
  // a column of the previous frame standing at x = shift - 1.
  return {ColumnCopy{0, shift, kBandWidth - shift}, ColumnCopy{kBandWidth - shift, 0, shift}};
}

int NextXpBarStep(int step) {
  const int next = step + 1;
  return next >= kXpBarSteps || next < 0 ? 0 : next;
}

XpBlock XpBarCellBlock(int step, int cell) {
  if (cell < 0 || cell >= kXpBarCells) return XpBlock::kNone;
  if (cell == step - 2) return XpBlock::kA;
  if (cell == step - 1) return XpBlock::kB;
  if (cell == step) return XpBlock::kC;
  return XpBlock::kNone;
}

std::array<int, 3> XpBarColourEntries(int xpEdition) {
  if (xpEdition == 1) return {4, 7, 11};
  return {3, 8, 10};
}

int XpBlockRowColour(XpBlock block, int row) {
  // Rows of c1 at the top and bottom, c2 next in, c3 in the middle: the
  // middle band widens from A to C.
  static constexpr int kRows[3][kXpBarHeight] = {
      {1, 2, 3, 3, 2, 1, 1, 1, 1},  // A
      {1, 2, 3, 3, 2, 2, 1, 1, 1},  // B
      {1, 2, 3, 3, 3, 2, 2, 1, 1},  // C
  };
  if (block == XpBlock::kNone || row < 0 || row >= kXpBarHeight) return 0;
  return kRows[static_cast<int>(block) - 1][row];
}

int XpBarPaletteEntry(int step, int xpEdition, int x, int y) {
  if (x < 0 || x >= kXpBarWidth || y < 0 || y >= kXpBarHeight) return 0;
  if (x % kXpBarCellPitch >= kXpBlockWidth) return 0;
  const int colour = XpBlockRowColour(XpBarCellBlock(step, x / kXpBarCellPitch), y);
  if (colour == 0) return 0;
  return XpBarColourEntries(xpEdition)[static_cast<size_t>(colour - 1)];
}

}  // namespace logos
