#include "logon/LogonPictures.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

core::ByteSpan Span(const Bytes& bytes) {
  return core::ByteSpan(bytes.data(), bytes.size());
}

void Put(Bytes& bytes, size_t at, uint32_t value, int width) {
  for (int i = 0; i < width; ++i) bytes[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

// A packed bitmap: header of headerSize bytes, then `extra` bytes of masks
// and colour table, then pixelBytes of rows.
Bytes Packed(uint32_t headerSize, int bitCount, uint32_t compression, uint32_t coloursUsed,
             size_t extra, size_t pixelBytes) {
  Bytes bytes(headerSize + extra + pixelBytes);
  for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<uint8_t>(i * 7 + 1);
  Put(bytes, 0, headerSize, 4);
  if (headerSize == 12) {
    Put(bytes, 4, 3, 2);
    Put(bytes, 6, 2, 2);
    Put(bytes, 8, 1, 2);
    Put(bytes, 10, bitCount, 2);
    return bytes;
  }
  Put(bytes, 4, 3, 4);
  Put(bytes, 8, 2, 4);
  Put(bytes, 12, 1, 2);
  Put(bytes, 14, bitCount, 2);
  Put(bytes, 16, compression, 4);
  Put(bytes, 32, coloursUsed, 4);
  return bytes;
}

TEST(LogonPictures, BitsOffsetForEveryKindOfHeader) {
  struct Case {
    const char* what;
    uint32_t headerSize;
    int bitCount;
    uint32_t compression;
    uint32_t coloursUsed;
    size_t extra;
    uint32_t expected;
  };
  const Case cases[] = {
      {"8-bit, full table", 40, 8, 0, 0, 1024, 40 + 1024},
      {"8-bit, 20 colours used", 40, 8, 0, 20, 80, 40 + 80},
      {"8-bit, more used than it can have", 40, 8, 0, 300, 1024, 40 + 1024},
      {"4-bit", 40, 4, 0, 0, 64, 40 + 64},
      {"1-bit", 40, 1, 0, 0, 8, 40 + 8},
      {"24-bit, no table", 40, 24, 0, 0, 0, 40},
      {"24-bit with an optimisation table", 40, 24, 0, 2, 8, 40 + 8},
      {"16-bit bit fields after the header", 40, 16, 3, 0, 12, 40 + 12},
      {"32-bit alpha bit fields", 40, 32, 6, 0, 16, 40 + 16},
      {"V4 header keeps its masks inside", 108, 32, 3, 0, 0, 108},
      {"V5 header, 8-bit", 124, 8, 0, 0, 1024, 124 + 1024},
      {"core header, 8-bit, 3-byte colours", 12, 8, 0, 0, 768, 12 + 768},
      {"core header, 24-bit", 12, 24, 0, 0, 0, 12},
  };
  for (const Case& c : cases) {
    const Bytes packed = Packed(c.headerSize, c.bitCount, c.compression, c.coloursUsed, c.extra, 6);
    const std::optional<uint32_t> offset = logon::PackedBitmapBitsOffset(Span(packed));
    ASSERT_TRUE(offset.has_value()) << c.what;
    EXPECT_EQ(*offset, c.expected) << c.what;
  }
}

TEST(LogonPictures, RefusesWhatIsNoBitmap) {
  struct Case {
    const char* what;
    Bytes bytes;
  };
  Bytes unknownHeader = Packed(40, 8, 0, 0, 1024, 4);
  Put(unknownHeader, 0, 64, 4);
  Bytes shortHeader = Packed(40, 24, 0, 0, 0, 0);
  shortHeader.resize(30);
  const Case cases[] = {
      {"empty", {}},
      {"header cut short", shortHeader},
      {"colour table cut short", Packed(40, 8, 0, 0, 100, 0)},
      {"unknown header size", unknownHeader},
      {"24-bit announcing a huge table", Packed(40, 24, 0, 100000, 0, 0)},
  };
  for (const Case& c : cases) {
    EXPECT_FALSE(logon::PackedBitmapBitsOffset(Span(c.bytes)).has_value()) << c.what;
    EXPECT_TRUE(logon::BitmapFileFromResource(Span(c.bytes)).empty()) << c.what;
  }
}

TEST(LogonPictures, ResourceAndFileTurnIntoEachOther) {
  const Bytes resource = Packed(40, 8, 0, 16, 64, 3 * 4 * 2);
  const Bytes file = logon::BitmapFileFromResource(Span(resource));
  ASSERT_EQ(file.size(), resource.size() + 14);
  EXPECT_EQ(file[0], 'B');
  EXPECT_EQ(file[1], 'M');
  EXPECT_EQ(*Span(file).U32(2), file.size());
  EXPECT_EQ(*Span(file).U32(6), 0u);
  EXPECT_EQ(*Span(file).U32(10), 14u + 40 + 64);
  EXPECT_EQ(Bytes(file.begin() + 14, file.end()), resource);

  const logon::BitmapResource back = logon::ResourceFromBitmapFile(Span(file));
  EXPECT_TRUE(back.problem.empty()) << back.problem;
  EXPECT_EQ(back.data, resource);
}

TEST(LogonPictures, FilesThatCannotBeStored) {
  const Bytes good = logon::BitmapFileFromResource(Span(Packed(40, 24, 0, 0, 0, 12)));
  Bytes notBm = good;
  notBm[0] = 'X';
  Bytes gap = good;
  gap.insert(gap.begin() + 54, {0, 0, 0, 0});
  Put(gap, 10, 58, 4);
  Bytes damaged = good;
  Put(damaged, 14, 7, 4);
  const struct {
    const char* what;
    Bytes file;
  } cases[] = {
      {"no BM", notBm},
      {"header only", Bytes(good.begin(), good.begin() + 14)},
      {"pixels apart from the table", gap},
      {"damaged bitmap header", damaged},
  };
  for (const auto& c : cases) {
    const logon::BitmapResource resource = logon::ResourceFromBitmapFile(Span(c.file));
    EXPECT_TRUE(resource.data.empty()) << c.what;
    EXPECT_FALSE(resource.problem.empty()) << c.what;
  }
}

}  // namespace
