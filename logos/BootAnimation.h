#pragma once
// The frames of the two boot screen previews, computed without a window:
// the preview windows paint what these say from a window timer, and tests
// compare captured pixels with them.
//
// Windows 2000: the 640 x 10 band of the logo at y = 416 turns to the right,
// one pixel a tick. XP: three blocks (A, B, C) run along a 118 x 9 bar at
// (259, 354), one 8-pixel cell a step, in three colours of the boot palette.

#include <array>

namespace logos {

// One copy of a horizontal run of columns from a strip to the box that
// shows it; a width of 0 copies nothing.
struct ColumnCopy {
  int sourceX = 0;
  int destX = 0;
  int width = 0;
};

// --- Windows 2000 band ---
inline constexpr int kBandTop = 416;
inline constexpr int kBandWidth = 640;
inline constexpr int kBandHeight = 10;

// The offset after one tick: one more, 0 again at 640.
int NextBandOffset(int offset);
// The strip shifted right by offset, wrapping around: its columns up to
// 640 - offset at x = offset, the rest at the box's left edge. Together the
// two copies paint every column of the box once. An offset outside 0..639
// is taken modulo 640.
std::array<ColumnCopy, 2> BandCopies(int offset);

// --- XP progress bar ---
inline constexpr int kXpBarX = 259;
inline constexpr int kXpBarY = 354;
inline constexpr int kXpBarWidth = 118;
inline constexpr int kXpBarHeight = 9;
inline constexpr int kXpBarCells = 16;
inline constexpr int kXpBarCellPitch = 8;
inline constexpr int kXpBlockWidth = 6;
// The step a preview starts at: no block shown yet.
inline constexpr int kXpBarFirstStep = -1;
// Steps run to 18, then start again at 0.
inline constexpr int kXpBarSteps = 19;
// Timer interval of the XP preview; the 2000 band ticks as fast as it can.
inline constexpr int kXpBarTickMs = 100;
inline constexpr int kBandTickMs = 1;

enum class XpBlock { kNone, kA, kB, kC };

// The step after one tick: one more, 0 again at 19.
int NextXpBarStep(int step);
// Which block cell 0..15 shows at a step: A in cell step - 2, B in
// step - 1, C in step. Cell 15 lies past the bar's right edge (x = 120),
// so the box clips it away.
XpBlock XpBarCellBlock(int step, int cell);
// The boot palette entries of the three block colours c1, c2, c3: 4, 7, 11
// for XP Home (edition 1), 3, 8, 10 for Professional.
std::array<int, 3> XpBarColourEntries(int xpEdition);
// Which of c1, c2, c3 (1 to 3) a block's row 0..8 is painted in.
int XpBlockRowColour(XpBlock block, int row);
// The boot palette entry the bar shows at (x, y) of its box; entry 0, the
// background, between and around the blocks and outside the box.
int XpBarPaletteEntry(int step, int xpEdition, int x, int y);

}  // namespace logos
