#pragma once
// Hints are "short|long": tooltips show the short part, the hint line of a
// window the long part. Portable.

#include <string>

namespace ui {

// The part after the first "|", or the whole hint when it has none.
inline std::string LongHint(const std::string& hint) {
  const std::string::size_type bar = hint.find('|');
  return bar == std::string::npos ? hint : hint.substr(bar + 1);
}

inline std::string ShortHint(const std::string& hint) {
  return hint.substr(0, hint.find('|'));
}

}  // namespace ui
