#include "icons/IconLocation.h"

#include "icons/DecimalText.h"

namespace icons {

bool operator==(const IconEntry& a, const IconEntry& b) {
  return a.file == b.file && a.index == b.index && a.unreadable == b.unreadable;
}

std::string FormatIconLocation(const IconEntry& entry) {
  return entry.file + "," + std::to_string(entry.index);
}

IconEntry ParseIconLocation(const std::string& text) {
  IconEntry entry;
  const size_t comma = text.find(',');
  if (comma == std::string::npos || comma + 1 == text.size()) {
    entry.file = text;
    return entry;
  }
  entry.file = text.substr(0, comma);
  std::string number;
  for (size_t i = comma + 1; i < text.size(); ++i) {
    if (text[i] != ' ') number += text[i];
  }
  int32_t index = 0;
  if (ReadSignedDecimal(number, &index)) entry.index = index;
  return entry;
}

}  // namespace icons
