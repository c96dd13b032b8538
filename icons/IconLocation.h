#pragma once
// An icon location as the shell's registry values hold it: a file, one
// comma, and an icon index ("C:\WINDOWS\SYSTEM\shell32.dll,15"). Negative
// indexes are resource identifiers and are kept as they are. Locations are
// never expanded here: environment references stay as written, so a value is
// written back with the same text it was read with.

#include <cstdint>
#include <string>

namespace icons {

struct IconEntry {
  std::string file;  // empty: the entry has no setting
  int32_t index = 0;
  // The registry holds a value for this entry that is not a string. The entry
  // shows as having no setting, and Apply leaves that value alone until the
  // user gives the entry a new icon (which replaces the whole entry).
  bool unreadable = false;
};

bool operator==(const IconEntry& a, const IconEntry& b);
inline bool operator!=(const IconEntry& a, const IconEntry& b) {
  return !(a == b);
}

// File, comma, decimal index with a minus sign when negative; no spaces.
std::string FormatIconLocation(const IconEntry& entry);

// Splits at the first comma. Without a comma, or with the comma as the last
// character, the whole text is the file and the index 0. Otherwise every
// space of the index part is dropped and the rest read as a signed decimal
// number; anything else (letters, overflow, nothing left) reads as index 0.
// The file part is neither trimmed nor expanded.
IconEntry ParseIconLocation(const std::string& text);

}  // namespace icons
