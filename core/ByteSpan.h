#pragma once
// The one bounded reader for bytes that came from a file (PE images,
// bitmaps, icons, metafiles). Every read says whether it fitted, so a read
// past the end is a refusal and never a zero that looks like data. Offsets
// and lengths are 64-bit so that an offset read from the file plus a length
// read from the file cannot wrap around, even in 32-bit builds.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>

namespace core {

class ByteSpan {
 public:
  ByteSpan() = default;
  ByteSpan(const uint8_t* data, size_t size) : data_(data), size_(size) {}

  size_t Size() const { return size_; }
  bool Empty() const { return size_ == 0; }
  const uint8_t* Data() const { return data_; }

  // Written as a subtraction from the size so that no sum can overflow.
  bool Contains(uint64_t offset, uint64_t length) const {
    return offset <= size_ && length <= size_ - offset;
  }

  std::optional<ByteSpan> Sub(uint64_t offset, uint64_t length) const {
    if (!Contains(offset, length)) return std::nullopt;
    return ByteSpan(data_ + offset, static_cast<size_t>(length));
  }

  // The part of [offset, offset + length) that lies inside the view.
  ByteSpan Clamp(uint64_t offset, uint64_t length) const {
    if (offset >= size_) return ByteSpan();
    uint64_t available = size_ - offset;
    return ByteSpan(data_ + offset, static_cast<size_t>(length < available ? length : available));
  }

  std::optional<uint8_t> U8(uint64_t offset) const {
    if (!Contains(offset, 1)) return std::nullopt;
    return data_[offset];
  }

  std::optional<uint16_t> U16(uint64_t offset) const {
    if (!Contains(offset, 2)) return std::nullopt;
    return static_cast<uint16_t>(data_[offset] | (data_[offset + 1] << 8));
  }

  std::optional<uint32_t> U32(uint64_t offset) const {
    if (!Contains(offset, 4)) return std::nullopt;
    return static_cast<uint32_t>(data_[offset]) | (static_cast<uint32_t>(data_[offset + 1]) << 8) |
           (static_cast<uint32_t>(data_[offset + 2]) << 16) |
           (static_cast<uint32_t>(data_[offset + 3]) << 24);
  }

  // Two's complement of the stored word; memcpy keeps the conversion defined
  // for every bit pattern.
  std::optional<int32_t> I32(uint64_t offset) const {
    const std::optional<uint32_t> word = U32(offset);
    if (!word) return std::nullopt;
    int32_t value;
    std::memcpy(&value, &*word, sizeof(value));
    return value;
  }

  // Copies [offset, offset + length) to target; leaves target untouched and
  // returns false when the range does not fit.
  bool CopyTo(uint64_t offset, uint64_t length, void* target) const {
    if (!Contains(offset, length)) return false;
    if (length != 0) std::memcpy(target, data_ + offset, static_cast<size_t>(length));
    return true;
  }

  bool Equals(ByteSpan other) const {
    return size_ == other.size_ && (size_ == 0 || std::memcmp(data_, other.data_, size_) == 0);
  }

 private:
  const uint8_t* data_ = nullptr;
  size_t size_ = 0;
};

// Bounded little-endian stores into a buffer the caller owns.
class ByteWriter {
 public:
  ByteWriter(uint8_t* data, size_t size) : data_(data), size_(size) {}

  bool PutU16(uint64_t offset, uint16_t value) { return Put(offset, value, 2); }
  bool PutU32(uint64_t offset, uint32_t value) { return Put(offset, value, 4); }
  bool PutBytes(uint64_t offset, ByteSpan bytes) {
    if (offset > size_ || bytes.Size() > size_ - offset) return false;
    if (!bytes.Empty()) std::memcpy(data_ + offset, bytes.Data(), bytes.Size());
    return true;
  }

 private:
  bool Put(uint64_t offset, uint32_t value, unsigned width) {
    if (offset > size_ || width > size_ - offset) return false;
    for (unsigned i = 0; i < width; ++i) data_[offset + i] = static_cast<uint8_t>(value >> (8 * i));
    return true;
  }

  uint8_t* data_;
  size_t size_;
};

inline uint64_t RoundUp(uint64_t value, uint64_t alignment) {
  if (alignment == 0 || value % alignment == 0) return value;
  return (value / alignment + 1) * alignment;
}

}  // namespace core
