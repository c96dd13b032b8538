#pragma once

#include <cstdint>
#include <vector>

#include "resedit/ResourceSection.h"
#include "resedit/ResourceUpdateState.h"

namespace resedit {

struct RebuildPlan {
  std::vector<uint8_t> headers;  // SizeOfHeaders rounded up to FileAlignment, corrected
  BuiltSection resources;
  struct Piece {
    ByteSpan bytes;
    uint64_t zeros = 0;  // written after bytes
  };
  std::vector<Piece> pieces;  // everything after the headers, in file order
  uint64_t fileSize = 0;
};

// Decides the new image: rebuilt resource section, sections laid out back to
// back in the file, headers and directories corrected. The virtual layout of
// every section up to the resource section is kept; sections after it move
// by the resource section's change in aligned size (Growth). Refused with
// kUnsupportedImage, before anything is changed, when Growth is not zero and
// a section after the resource section would move although it is not
// discardable or holds a data directory other than base relocations and
// debug (moving code or data changes addresses the program uses), or when a
// size would not fit in 32 bits. Corrects in the source image the debug
// records it finds, so the state must not be reused afterwards.
ResourceStatus PlanRebuild(ResourceUpdateState& state, RebuildPlan& plan);

// The whole new image, in file order.
void WritePlan(const RebuildPlan& plan, std::vector<uint8_t>& out);

}  // namespace resedit
