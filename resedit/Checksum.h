#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "resedit/ByteSpan.h"

namespace resedit {

// The PE image checksum of `file` as Windows computes it (IMAGEHLP's
// CheckSumMappedFile and the loader): the 16-bit one's-complement sum of its
// little-endian words (an odd last byte is the low byte of a final word),
// less the two words of the optional header's CheckSum field, plus the file
// length. A file that is not a PE image is summed whole.
uint32_t PeImageChecksum(ByteSpan file);

// The checksum to store in `file` given the one computed over its current
// contents: when the rest of the file sums to all ones, storing a value
// changes what Windows computes (0 instead of 0xFFFF), so the value that
// still verifies once stored is returned instead.
uint32_t StorableChecksum(ByteSpan file, uint32_t computed);

// The checksum to store in the file on disk, so that Windows finds it valid
// once written; 0 when the file cannot be read. On Windows through IMAGEHLP's
// CheckSumMappedFile, computed directly when IMAGEHLP.DLL or its export is
// missing.
uint32_t ComputeImageChecksum(const std::string& fileName);

// ComputeImageChecksum's result computed by this library on every platform.
uint32_t ComputePortableImageChecksum(const std::string& fileName);

// Stores checksum in the CheckSum field of a PE file on disk, through a
// temporary file that replaces it when complete. False, with the file
// unchanged, when it is missing, not a PE image or cannot be rewritten.
bool WriteImageChecksum(const std::string& fileName, uint32_t checksum);

// Stores in a PE image in memory the checksum Windows will find valid (the
// portable computation). False, with the image unchanged, when it is not a
// PE image.
bool StoreImageChecksum(std::vector<uint8_t>& image);

// Where the CheckSum field lies, if `file` is a PE image that holds it.
std::optional<uint64_t> ChecksumFieldOffset(ByteSpan file);

}  // namespace resedit
