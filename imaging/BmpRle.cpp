#include "imaging/BmpRle.h"

#include <optional>

namespace imaging {

namespace {

class RowWriter {
 public:
  RowWriter(TFastDIB& dib, bool fourBit) : dib_(dib), fourBit_(fourBit) {}

  bool Done() const { return row_ >= dib_.AbsHeight; }
  void Put(uint8_t index) {
    if (Done() || x_ >= dib_.Width()) {
      ++x_;
      return;
    }
    uint8_t* row = dib_.Row(row_);
    if (!fourBit_) {
      row[x_] = index;
    } else if (x_ & 1) {
      row[x_ / 2] = uint8_t((row[x_ / 2] & 0xF0) | (index & 0x0F));
    } else {
      row[x_ / 2] = uint8_t((row[x_ / 2] & 0x0F) | (index << 4));
    }
    ++x_;
  }
  void EndLine() {
    ++row_;
    x_ = 0;
  }
  void Move(uint8_t dx, uint8_t dy) {
    x_ += dx;
    row_ += dy;
  }

 private:
  TFastDIB& dib_;
  bool fourBit_;
  int32_t row_ = 0;
  int64_t x_ = 0;
};

}  // namespace

BmpStatus DecodeRunLength(core::ByteSpan stream, bool fourBit, TFastDIB& dib) {
  RowWriter out(dib, fourBit);
  size_t at = 0;
  while (!out.Done()) {
    const std::optional<uint8_t> countByte = stream.U8(at), valueByte = stream.U8(at + 1);
    if (!countByte || !valueByte) return BmpStatus::kBadRunLength;
    const uint8_t count = *countByte, value = *valueByte;
    at += 2;
    if (count > 0) {
      for (int i = 0; i < count; ++i) {
        out.Put(fourBit ? uint8_t((i & 1) ? value & 0x0F : value >> 4) : value);
      }
      continue;
    }
    switch (value) {
      case 0:
        out.EndLine();
        break;
      case 1:
        return BmpStatus::kOk;
      case 2: {
        const std::optional<uint8_t> dx = stream.U8(at), dy = stream.U8(at + 1);
        if (!dx || !dy) return BmpStatus::kBadRunLength;
        at += 2;
        out.Move(*dx, *dy);
        break;
      }
      default: {
        const size_t dataBytes = fourBit ? (size_t(value) + 1) / 2 : value;
        const std::optional<core::ByteSpan> literal = stream.Sub(at, dataBytes);
        if (!literal) return BmpStatus::kBadRunLength;
        for (int i = 0; i < value; ++i) {
          const std::optional<uint8_t> byte = literal->U8(fourBit ? size_t(i) / 2 : size_t(i));
          if (!byte) return BmpStatus::kBadRunLength;
          out.Put(fourBit ? uint8_t((i & 1) ? *byte & 0x0F : *byte >> 4) : *byte);
        }
        // Literal runs are padded to a 16-bit boundary in the stream.
        at += dataBytes + (dataBytes & 1);
        break;
      }
    }
  }
  return BmpStatus::kOk;
}

}  // namespace imaging
