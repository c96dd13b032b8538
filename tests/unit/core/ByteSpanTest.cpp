// Every bounded read at the last place it fits, one past it, and at offsets
// and lengths so large that a sum would wrap around.

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <vector>

#include "core/ByteSpan.h"

namespace core::test {
namespace {

constexpr uint64_t kMax = UINT64_MAX;

// Eight bytes whose little-endian words are easy to read in a failure.
const uint8_t kBytes[] = {0x01, 0x02, 0x03, 0x04, 0xFF, 0xFF, 0xFF, 0xFF};
constexpr uint64_t kSize = sizeof(kBytes);

ByteSpan Span() {
  return ByteSpan(kBytes, sizeof(kBytes));
}

enum class Reader { kU8, kU16, kU32, kI32 };

const char* NameOf(Reader reader) {
  switch (reader) {
    case Reader::kU8:
      return "U8";
    case Reader::kU16:
      return "U16";
    case Reader::kU32:
      return "U32";
    case Reader::kI32:
      return "I32";
  }
  return "?";
}

// The value widened to 64 bits so that one table holds every reader's
// answers; I32 keeps its sign.
std::optional<int64_t> Read(ByteSpan span, Reader reader, uint64_t offset) {
  switch (reader) {
    case Reader::kU8:
      if (auto v = span.U8(offset)) return *v;
      return std::nullopt;
    case Reader::kU16:
      if (auto v = span.U16(offset)) return *v;
      return std::nullopt;
    case Reader::kU32:
      if (auto v = span.U32(offset)) return *v;
      return std::nullopt;
    case Reader::kI32:
      if (auto v = span.I32(offset)) return *v;
      return std::nullopt;
  }
  return std::nullopt;
}

std::string Show(const std::optional<int64_t>& value) {
  return value ? std::to_string(*value) : std::string("nothing");
}

TEST(ByteSpan, ReadsAtTheEdges) {
  struct Case {
    Reader reader;
    uint64_t offset;
    std::optional<int64_t> expected;
  };
  const Case cases[] = {
      {Reader::kU8, 0, 0x01},
      {Reader::kU8, kSize - 1, 0xFF},
      {Reader::kU8, kSize, std::nullopt},
      {Reader::kU8, kMax, std::nullopt},
      {Reader::kU16, 0, 0x0201},
      {Reader::kU16, kSize - 2, 0xFFFF},
      {Reader::kU16, kSize - 1, std::nullopt},
      {Reader::kU16, kSize, std::nullopt},
      {Reader::kU16, kMax, std::nullopt},
      {Reader::kU16, kMax - 1, std::nullopt},
      {Reader::kU32, 0, 0x04030201},
      {Reader::kU32, kSize - 4, 0xFFFFFFFF},
      {Reader::kU32, kSize - 3, std::nullopt},
      {Reader::kU32, kSize, std::nullopt},
      {Reader::kU32, kMax - 3, std::nullopt},
      {Reader::kU32, kMax - 2, std::nullopt},
      {Reader::kU32, kMax, std::nullopt},
      {Reader::kI32, 0, 0x04030201},
      {Reader::kI32, kSize - 4, -1},
      {Reader::kI32, kSize - 3, std::nullopt},
      {Reader::kI32, kMax - 3, std::nullopt},
  };
  for (const Case& c : cases) {
    const std::optional<int64_t> got = Read(Span(), c.reader, c.offset);
    EXPECT_EQ(got, c.expected) << NameOf(c.reader) << " at " << c.offset << ": got " << Show(got)
                               << ", expected " << Show(c.expected);
  }
}

TEST(ByteSpan, SignedWordsKeepEveryBitPattern) {
  struct Case {
    std::vector<uint8_t> bytes;
    int32_t expected;
  };
  const Case cases[] = {
      {{0xFF, 0xFF, 0xFF, 0xFF}, -1},
      {{0x00, 0x00, 0x00, 0x80}, INT32_MIN},
      {{0xFF, 0xFF, 0xFF, 0x7F}, INT32_MAX},
      {{0x00, 0x00, 0x00, 0x00}, 0},
  };
  for (const Case& c : cases) {
    const std::optional<int32_t> got = ByteSpan(c.bytes.data(), c.bytes.size()).I32(0);
    ASSERT_TRUE(got.has_value());
    EXPECT_EQ(*got, c.expected);
  }
}

TEST(ByteSpan, EmptyViewRefusesEveryRead) {
  const ByteSpan empty;
  for (Reader reader : {Reader::kU8, Reader::kU16, Reader::kU32, Reader::kI32}) {
    EXPECT_EQ(Read(empty, reader, 0), std::nullopt) << NameOf(reader);
  }
  EXPECT_TRUE(empty.Contains(0, 0));
  EXPECT_FALSE(empty.Contains(0, 1));
  EXPECT_FALSE(empty.Contains(1, 0));
}

TEST(ByteSpan, SubFitsOrRefuses) {
  struct Case {
    uint64_t offset;
    uint64_t length;
    bool fits;
  };
  const Case cases[] = {
      {0, kSize, true},      {0, 0, true},        {kSize, 0, true},      {kSize - 1, 1, true},
      {kSize - 1, 2, false}, {kSize, 1, false},   {kSize + 1, 0, false}, {1, kSize, false},
      {0, kSize + 1, false}, {kMax, 0, false},    {kMax, 1, false},      {1, kMax, false},
      {0, kMax, false},      {kMax, kMax, false}, {kSize, kMax, false},
  };
  for (const Case& c : cases) {
    const std::optional<ByteSpan> sub = Span().Sub(c.offset, c.length);
    EXPECT_EQ(Span().Contains(c.offset, c.length), c.fits) << c.offset << "+" << c.length;
    ASSERT_EQ(sub.has_value(), c.fits) << c.offset << "+" << c.length;
    if (!sub) continue;
    EXPECT_EQ(sub->Size(), c.length) << c.offset << "+" << c.length;
    EXPECT_EQ(sub->Data(), kBytes + c.offset) << c.offset << "+" << c.length;
  }
}

TEST(ByteSpan, ClampKeepsThePartInside) {
  struct Case {
    uint64_t offset;
    uint64_t length;
    size_t size;  // of the result, which starts at offset when not empty
  };
  const Case cases[] = {
      {0, kMax, kSize}, {2, 3, 3},       {kSize - 1, kMax, 1}, {kSize - 1, 1, 1},
      {kSize, 5, 0},    {kMax, kMax, 0}, {kMax, 1, 0},         {0, 0, 0},
  };
  for (const Case& c : cases) {
    const ByteSpan clamped = Span().Clamp(c.offset, c.length);
    EXPECT_EQ(clamped.Size(), c.size) << c.offset << "+" << c.length;
    if (c.size != 0) {
      EXPECT_EQ(clamped.Data(), kBytes + c.offset) << c.offset << "+" << c.length;
    }
  }
}

TEST(ByteSpan, CopyToCopiesOrLeavesTheTargetAlone) {
  struct Case {
    uint64_t offset;
    uint64_t length;
    bool fits;
  };
  const Case cases[] = {
      {0, kSize, true},      {kSize - 2, 2, true}, {kSize, 0, true},     {kSize - 2, 3, false},
      {kSize + 1, 0, false}, {kMax, 2, false},     {2, kMax - 1, false}, {kMax - 1, 4, false},
  };
  for (const Case& c : cases) {
    std::vector<uint8_t> target(kSize + 1, 0xEE);
    const std::vector<uint8_t> untouched = target;
    EXPECT_EQ(Span().CopyTo(c.offset, c.length, target.data()), c.fits)
        << c.offset << "+" << c.length;
    if (!c.fits) {
      EXPECT_EQ(target, untouched) << c.offset << "+" << c.length;
      continue;
    }
    for (uint64_t i = 0; i < c.length; ++i) {
      EXPECT_EQ(target[i], kBytes[c.offset + i]) << c.offset << "+" << c.length << " byte " << i;
    }
    EXPECT_EQ(target[c.length], 0xEE) << c.offset << "+" << c.length << " wrote past the end";
  }
}

TEST(ByteWriter, StoresFitOrRefuse) {
  struct Case {
    unsigned width;
    uint64_t offset;
    bool fits;
  };
  const Case cases[] = {
      {2, kSize - 2, true}, {2, kSize - 1, false}, {2, kMax, false},     {2, kMax - 1, false},
      {4, kSize - 4, true}, {4, kSize - 3, false}, {4, kMax - 3, false}, {4, kSize, false},
  };
  for (const Case& c : cases) {
    std::vector<uint8_t> buffer(kSize, 0);
    ByteWriter writer(buffer.data(), buffer.size());
    const bool stored =
        c.width == 2 ? writer.PutU16(c.offset, 0xBEEF) : writer.PutU32(c.offset, 0xDEADBEEF);
    EXPECT_EQ(stored, c.fits) << "width " << c.width << " at " << c.offset;
    const ByteSpan view(buffer.data(), buffer.size());
    if (c.fits) {
      const std::optional<int64_t> back =
          Read(view, c.width == 2 ? Reader::kU16 : Reader::kU32, c.offset);
      EXPECT_EQ(back, c.width == 2 ? int64_t{0xBEEF} : int64_t{0xDEADBEEF})
          << "width " << c.width << " at " << c.offset << ": " << Show(back);
    } else {
      EXPECT_EQ(buffer, std::vector<uint8_t>(kSize, 0))
          << "width " << c.width << " at " << c.offset;
    }
  }
  std::vector<uint8_t> buffer(kSize, 0);
  ByteWriter writer(buffer.data(), buffer.size());
  EXPECT_TRUE(writer.PutBytes(kSize, ByteSpan()));
  EXPECT_FALSE(writer.PutBytes(kSize - 1, Span().Clamp(0, 2)));
  EXPECT_FALSE(writer.PutBytes(kMax, Span().Clamp(0, 1)));
}

TEST(RoundUp, AlignsAndLeavesAlignedValues) {
  struct Case {
    uint64_t value, alignment, expected;
  };
  const Case cases[] = {
      {0, 512, 0}, {1, 512, 512}, {512, 512, 512}, {513, 512, 1024}, {7, 0, 7}, {7, 1, 7},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(RoundUp(c.value, c.alignment), c.expected) << c.value << " to " << c.alignment;
  }
}

}  // namespace
}  // namespace core::test
