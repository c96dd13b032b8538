#pragma once
// Bounded little-endian reads over bytes that came from a file. Every read
// checks what is left before touching memory and reports failure; callers
// never see a zero that was not in the data.

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace quorlo::imaging {

class ByteReader {
 public:
  ByteReader() = default;
  ByteReader(const uint8_t* data, size_t size) : data_(data), size_(size) {}

  size_t Size() const { return size_; }

  // A view of [offset, offset + length); empty and false when it does not fit.
  bool Sub(size_t offset, size_t length, ByteReader& out) const {
    if (offset > size_ || length > size_ - offset) return false;
    out = ByteReader(data_ + offset, length);
    return true;
  }

  bool U8(size_t offset, uint8_t& out) const {
    if (offset >= size_) return false;
    out = data_[offset];
    return true;
  }
  bool U16(size_t offset, uint16_t& out) const {
    if (!Fits(offset, 2)) return false;
    out = uint16_t(data_[offset] | (data_[offset + 1] << 8));
    return true;
  }
  bool U32(size_t offset, uint32_t& out) const {
    if (!Fits(offset, 4)) return false;
    out = uint32_t(data_[offset]) | (uint32_t(data_[offset + 1]) << 8) |
          (uint32_t(data_[offset + 2]) << 16) | (uint32_t(data_[offset + 3]) << 24);
    return true;
  }
  bool I32(size_t offset, int32_t& out) const {
    uint32_t value;
    if (!U32(offset, value)) return false;
    std::memcpy(&out, &value, 4);
    return true;
  }
  bool Copy(size_t offset, size_t length, void* target) const {
    if (!Fits(offset, length)) return false;
    if (length != 0) std::memcpy(target, data_ + offset, length);
    return true;
  }

 private:
  bool Fits(size_t offset, size_t length) const {
    return offset <= size_ && length <= size_ - offset;
  }

  const uint8_t* data_ = nullptr;
  size_t size_ = 0;
};

}  // namespace quorlo::imaging
