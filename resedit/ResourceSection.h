#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "resedit/ResourceUpdateState.h"

namespace resedit {

struct BuiltSection {
  std::vector<uint8_t> bytes;  // sectionSize rounded up to the file alignment, gaps zero
  uint32_t sectionSize = 0;
};

// Lays out a resource section afresh from the entry table, in the entries'
// order: root directory; one name-level directory per run of one type;
// one language-level directory per run of one name within it; data
// entries; the NameTable; the data, each piece 8-aligned. A name with
// several languages stands once in its name-level directory and leads to
// one directory listing all its languages, so the loader's binary search
// finds every language. Fills each entry's directory and data-entry offsets,
// OffsetToData and Size. Empty when the section would not fit in 32 bits.
std::optional<BuiltSection> BuildResourceSection(std::vector<ResourceEntry>& entries,
                                                 const NameTable& names,
                                                 const DirectoryHeader& header, uint32_t sectionRva,
                                                 uint32_t fileAlignment);

}  // namespace resedit
