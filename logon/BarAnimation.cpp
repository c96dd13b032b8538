#include "logon/BarAnimation.h"

namespace logon {

int NextBarOffset(int barOffset, int barWidth) {
  // Compared before adding, so that no offset can overflow.
  if (barOffset < 0 || barOffset >= barWidth / 2 - 1) return 0;
  return barOffset + 1;
}

std::array<BarCopy, 2> BarCopies(int barOffset, int barWidth) {
  if (barWidth <= 0) return {};
  // Widened so that a phase near the int range cannot overflow when doubled.
  long long shift = (static_cast<long long>(barOffset) * kBarStep) % barWidth;
  if (shift < 0) shift += barWidth;
  const int d = static_cast<int>(shift);
  return {BarCopy{0, d, barWidth - d}, BarCopy{barWidth - d, 0, d}};
}

}  // namespace logon
