#include <gtest/gtest.h>

#include "resedit/Checksum.h"
#include "tests/unit/resedit/PeBuilder.h"

namespace resedit::test {
namespace {

// A second, plain reading of the definition: add every little-endian word
// (CheckSum field as zero, an odd last byte as a low byte) in 64 bits, fold
// the carries down to 16 bits at the end, add the length. It agrees with
// Windows except when the words sum to all ones (see below).
uint32_t ReferenceChecksum(std::vector<uint8_t> file, bool isPe) {
  if (isPe) WriteU32(file, ReadU32(file, 0x3C) + 88, 0);
  uint64_t sum = 0;
  for (size_t i = 0; i < file.size(); i += 2)
    sum += file[i] | (i + 1 < file.size() ? file[i + 1] << 8 : 0);
  while (sum >> 16) sum = (sum & 0xFFFF) + (sum >> 16);
  return static_cast<uint32_t>(sum + file.size());
}

TEST(PeImageChecksum, AgreesWithThePlainDefinition) {
  std::vector<uint8_t> pe = BuildImage(ResourceOnlyImage({{6, 1, 1033, Bytes("strings")}})).bytes;
  std::vector<uint8_t> withField = pe;
  WriteU32(withField, ReadU32(pe, 0x3C) + 88, 0xDEADBEEF);
  std::vector<uint8_t> odd = pe;
  odd.push_back(0xFF);
  // Words that add up to exactly 0xFFFF, and ones that carry many times.
  std::vector<uint8_t> allOnes(4096, 0xFF);
  struct Case {
    const char* what;
    std::vector<uint8_t> file;
    bool isPe;
  };
  const Case cases[] = {
      {"empty", {}, false},
      {"one byte", {0x7F}, false},
      {"not a PE", Bytes("MZ but nothing else"), false},
      {"PE32", pe, true},
      {"CheckSum field is not counted", withField, true},
      {"odd length", odd, true},
      {"sum of 0xFFFF", {0xFF, 0xFF}, false},
      {"all ones", allOnes, false},
  };
  for (const Case& c : cases) {
    ByteSpan span(c.file.data(), c.file.size());
    EXPECT_EQ(PeImageChecksum(span), ReferenceChecksum(c.file, c.isPe)) << c.what;
  }
  EXPECT_EQ(PeImageChecksum(ByteSpan(withField.data(), withField.size())),
            PeImageChecksum(ByteSpan(pe.data(), pe.size())));
}

// When the words outside the field sum to all ones, Windows gives 0 for a
// non-zero field and 0xFFFF for a zero one; the value to store is the one
// that verifies once it is in the field.
TEST(PeImageChecksum, SumOfAllOnesFollowsWindows) {
  std::vector<uint8_t> pe = BuildImage(ResourceOnlyImage({{6, 1, 1033, Bytes("strings")}})).bytes;
  const size_t field = ReadU32(pe, 0x3C) + 88;
  WriteU16(pe, 0x40, 0);
  uint32_t rest = ReferenceChecksum(pe, true) - static_cast<uint32_t>(pe.size());
  WriteU16(pe, 0x40, static_cast<uint16_t>(0xFFFF - rest));
  const uint32_t length = static_cast<uint32_t>(pe.size());
  ASSERT_EQ(ReferenceChecksum(pe, true), 0xFFFF + length);
  ByteSpan span(pe.data(), pe.size());
  EXPECT_EQ(PeImageChecksum(span), 0xFFFF + length) << "zero field";
  EXPECT_EQ(StorableChecksum(span, PeImageChecksum(span)), length);
  for (uint32_t stored : {length, 0x12345678u, 0xFFFFFFFFu}) {
    WriteU32(pe, field, stored);
    EXPECT_EQ(PeImageChecksum(ByteSpan(pe.data(), pe.size())), length) << std::hex << stored;
  }
}

TEST(WriteImageChecksum, StoresTheFieldOnlyInPeFiles) {
  std::string dir = TestDirectory("checksum-write");
  std::vector<uint8_t> pe = BuildImage(ResourceOnlyImage({{6, 1, 1033, Bytes("strings")}})).bytes;
  WriteFileBytes(dir + "/a.exe", pe);
  uint32_t sum = ComputeImageChecksum(dir + "/a.exe");
  EXPECT_EQ(sum, ReferenceChecksum(pe, true));
  ASSERT_TRUE(WriteImageChecksum(dir + "/a.exe", sum));
  std::vector<uint8_t> written = ReadFileBytes(dir + "/a.exe");
  ASSERT_EQ(written.size(), pe.size());
  EXPECT_EQ(ReadU32(written, ReadU32(pe, 0x3C) + 88), sum);
  WriteU32(written, ReadU32(pe, 0x3C) + 88, 0);
  EXPECT_EQ(written, pe) << "only the CheckSum field may change";
  EXPECT_EQ(ComputeImageChecksum(dir + "/a.exe"), sum) << "the field itself is not summed";

  WriteFileBytes(dir + "/text.exe", Bytes("no PE here"));
  EXPECT_FALSE(WriteImageChecksum(dir + "/text.exe", 1234));
  EXPECT_EQ(ReadFileBytes(dir + "/text.exe"), Bytes("no PE here"));
  EXPECT_FALSE(WriteImageChecksum(dir + "/missing.exe", 1234));
  EXPECT_EQ(ComputeImageChecksum(dir + "/missing.exe"), 0u);
}

}  // namespace
}  // namespace resedit::test
