#include "resedit/Checksum.h"

namespace resedit {

uint32_t ComputeImageChecksum(const std::string& fileName) {
  return ComputePortableImageChecksum(fileName);
}

}  // namespace resedit
