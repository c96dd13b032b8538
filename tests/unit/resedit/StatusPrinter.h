#pragma once

#include <ostream>

#include "resedit/ResourceStatus.h"

namespace resedit {

// Lets test failures show a status by number and meaning.
inline void PrintTo(ResourceStatus status, std::ostream* out) {
  *out << static_cast<int>(status) << " (" << DescribeResourceStatus(status) << ")";
}

}  // namespace resedit
