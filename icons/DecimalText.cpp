#include "icons/DecimalText.h"

#include <limits>

namespace icons {

bool ReadSignedDecimal(const std::string& text, int32_t* value) {
  size_t position = 0;
  bool negative = false;
  if (position < text.size() && (text[position] == '-' || text[position] == '+')) {
    negative = text[position] == '-';
    ++position;
  }
  if (position == text.size()) return false;
  constexpr int64_t kLargestMagnitude = int64_t(std::numeric_limits<int32_t>::max()) + 1;
  int64_t magnitude = 0;
  for (; position < text.size(); ++position) {
    const char c = text[position];
    if (c < '0' || c > '9') return false;
    magnitude = magnitude * 10 + (c - '0');
    // Checked per digit, so a long run of digits cannot overflow the sum.
    if (magnitude > kLargestMagnitude) return false;
  }
  const int64_t result = negative ? -magnitude : magnitude;
  if (result > std::numeric_limits<int32_t>::max()) return false;
  *value = static_cast<int32_t>(result);
  return true;
}

}  // namespace icons
