#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "resedit/ByteSpan.h"

namespace resedit {

// The standard PE image checksum of `file`: the 16-bit one's-complement sum
// of its little-endian words (an odd last byte is the low byte of a final
// word), with the optional header's CheckSum field counted as zero, plus the
// file length. A file that is not a PE image is summed whole.
uint32_t PeImageChecksum(ByteSpan file);

// The checksum of the file on disk; 0 when it cannot be read. On Windows
// through IMAGEHLP's CheckSumMappedFile, computed directly when IMAGEHLP.DLL
// or its export is missing.
uint32_t ComputeImageChecksum(const std::string& fileName);

// The same checksum computed by this library on every platform.
uint32_t ComputePortableImageChecksum(const std::string& fileName);

// Stores checksum in the CheckSum field of a PE file on disk, through a
// temporary file that replaces it when complete. False, with the file
// unchanged, when it is missing, not a PE image or cannot be rewritten.
bool WriteImageChecksum(const std::string& fileName, uint32_t checksum);

// Where the CheckSum field lies, if `file` is a PE image that holds it.
std::optional<uint64_t> ChecksumFieldOffset(ByteSpan file);

}  // namespace resedit
