#pragma once
// The resource engine reads and writes through the project's one bounded
// reader; these names keep its code and its callers unchanged.

#include "core/ByteSpan.h"

namespace resedit {

using core::ByteSpan;
using core::ByteWriter;
using core::RoundUp;

}  // namespace resedit
