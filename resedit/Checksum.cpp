#include "resedit/Checksum.h"

#include <vector>

#include "core/FileIo.h"

namespace resedit {

namespace {

constexpr uint64_t kMaxChecksumFile = 0xFFFFFFFF;

// The one's-complement sum of the little-endian words of bytes (an odd last
// byte is the low byte of a final word), folded to 16 bits. The carries are
// folded once at the end: the result is the same as folding after every
// word (0 only when every word is 0), and a loop over eight bytes at a time
// keeps whole images quick to sum.
uint32_t SumWords(ByteSpan bytes) {
  const uint8_t* data = bytes.Data();
  const size_t size = bytes.Size();
  uint64_t sum = 0;
  size_t i = 0;
  for (; size - i >= 8; i += 8) {
    sum += (data[i] | uint32_t{data[i + 1]} << 8) + (data[i + 2] | uint32_t{data[i + 3]} << 8) +
           (data[i + 4] | uint32_t{data[i + 5]} << 8) + (data[i + 6] | uint32_t{data[i + 7]} << 8);
  }
  for (; i < size; i += 2) sum += data[i] | (i + 1 < size ? uint32_t{data[i + 1]} << 8 : 0);
  while (sum >> 16) sum = (sum & 0xFFFF) + (sum >> 16);
  return static_cast<uint32_t>(sum);
}

}  // namespace

std::optional<uint64_t> ChecksumFieldOffset(ByteSpan file) {
  if (file.U16(0) != 0x5A4D) return std::nullopt;
  auto lfanew = file.U32(0x3C);
  if (!lfanew || file.U32(*lfanew) != 0x00004550) return std::nullopt;
  uint64_t field = uint64_t{*lfanew} + 24 + 64;
  if (!file.Contains(field, 4)) return std::nullopt;
  return field;
}

uint32_t PeImageChecksum(ByteSpan file) {
  uint32_t sum = SumWords(file);
  // Windows sums the field with the rest and takes its two words out again
  // with a borrow, rather than skipping it. The results differ only when the
  // rest sums to all ones: then a non-zero field gives 0 where skipping
  // gives 0xFFFF. The loader checks a kernel this way, so we do the same.
  if (auto field = ChecksumFieldOffset(file)) {
    for (uint64_t half : {*field, *field + 2}) {
      uint32_t word = *file.U16(half);
      sum -= sum < word ? 1 : 0;
      sum -= word;
      sum &= 0xFFFF;
    }
  }
  return static_cast<uint32_t>((sum & 0xFFFF) + file.Size());
}

uint32_t StorableChecksum(ByteSpan file, uint32_t computed) {
  auto field = ChecksumFieldOffset(file);
  if (!field || file.U32(*field) == computed) return computed;
  std::vector<uint8_t> copy(file.Data(), file.Data() + file.Size());
  ByteWriter(copy.data(), copy.size()).PutU32(*field, computed);
  return PeImageChecksum(ByteSpan(copy.data(), copy.size()));
}

uint32_t ComputePortableImageChecksum(const std::string& fileName) {
  std::vector<uint8_t> bytes;
  if (core::ReadWholeFile(fileName, kMaxChecksumFile, bytes) != core::ReadResult::kOk) return 0;
  ByteSpan file(bytes.data(), bytes.size());
  return StorableChecksum(file, PeImageChecksum(file));
}

bool StoreImageChecksum(std::vector<uint8_t>& image) {
  ByteSpan file(image.data(), image.size());
  auto field = ChecksumFieldOffset(file);
  if (!field) return false;
  const uint32_t checksum = StorableChecksum(file, PeImageChecksum(file));
  ByteWriter(image.data(), image.size()).PutU32(*field, checksum);
  return true;
}

bool WriteImageChecksum(const std::string& fileName, uint32_t checksum) {
  std::vector<uint8_t> bytes;
  if (core::ReadWholeFile(fileName, kMaxChecksumFile, bytes) != core::ReadResult::kOk) return false;
  auto field = ChecksumFieldOffset(ByteSpan(bytes.data(), bytes.size()));
  if (!field) return false;
  ByteWriter(bytes.data(), bytes.size()).PutU32(*field, checksum);
  return core::WriteFileReplacing(fileName, bytes) == core::WriteResult::kOk;
}

}  // namespace resedit
