#pragma once
// The logon bar as the "Animation" tab shows it: the bar picture turning to
// the right by 2 pixels a tick and wrapping around. The window's timer
// calls Tick and paints the copies; when the timer stops the phase stays
// where it is, and the next tick goes on from there.

#include <array>

namespace logon {

// Ticks of the bar's window timer.
inline constexpr int kBarTickMs = 1;
// Pixels the bar moves a tick.
inline constexpr int kBarStep = 2;

// One run of columns copied from the bar picture to the paint box, full
// height; a width of 0 copies nothing.
struct BarCopy {
  int sourceX = 0;
  int destX = 0;
  int width = 0;
};

// BarOffset after one tick: one more, 0 again once it reaches half the bar
// width (so a 10-pixel bar starts again every 5 ticks).
int NextBarOffset(int barOffset, int barWidth);

// The picture shifted right by d = 2 x barOffset: columns 0 .. W - d - 1
// at x = d, columns W - d .. W - 1 at x = 0. Every column of the box is
// painted once; a shift of W or more (an offset kept from a wider bar) is
// taken modulo W, and a bar without width paints nothing.
std::array<BarCopy, 2> BarCopies(int barOffset, int barWidth);

// The animation phase, kept while the window lives.
class BarAnimation {
 public:
  int Offset() const { return offset_; }
  // A new bar picture starts at the beginning.
  void Restart() { offset_ = 0; }
  void Tick(int barWidth) { offset_ = NextBarOffset(offset_, barWidth); }
  std::array<BarCopy, 2> Copies(int barWidth) const { return BarCopies(offset_, barWidth); }

 private:
  int offset_ = 0;
};

}  // namespace logon
