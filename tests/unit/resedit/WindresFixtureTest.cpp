#include <gtest/gtest.h>

#include <filesystem>

#include "resedit/ResourceReader.h"
#include "resedit/ResourceUpdate.h"
#include "resedit/StringBlock.h"
#include "tests/unit/resedit/PeBuilder.h"
#include "tests/unit/resedit/StatusPrinter.h"

namespace resedit::test {
namespace {

const std::string kFixtures = QUORLO_RESEDIT_FIXTURES;

std::string Listing(const std::string& path) {
  ResourceFile file;
  EXPECT_EQ(file.Open(path), ResourceStatus::kSuccess) << path;
  std::string text;
  for (const ResourceListing& r : file.List()) {
    auto id = [](const ResourceId& i) {
      return i.isText ? Utf16ToUtf8(i.text) : std::to_string(i.number);
    };
    text += id(r.type) + "/" + id(r.name) + "/" + id(r.language) + " ";
  }
  return text;
}

// The linker-made files: named types first, then numbers in order; two
// languages of string block 1.
TEST(WindresFixtures, TreeAsTheResourceCompilerWroteIt) {
  for (const char* file : {"sample.exe", "sample.dll"}) {
    EXPECT_EQ(Listing(kFixtures + "/" + file),
              "SKIN/LOGO/1033 SKIN/SKIN/1033 SKIN/7/1033 2/143/1033 4/204/1033 6/1/1031 "
              "6/1/1033 6/2/1033 6/37/1033 ")
        << file;
  }
}

TEST(WindresFixtures, StringBlocksReplaceAndReadBack) {
  std::string dir = TestDirectory("windres-strings");
  for (const char* file : {"sample.exe", "sample.dll"}) {
    std::string in = kFixtures + "/" + file;
    std::string out = dir + "/" + file;
    auto block = ReadStringBlock(in, 37, 1033);
    ASSERT_TRUE(block) << file;
    EXPECT_EQ((*block)[2], u"Start") << file;  // string 578
    (*block)[2] = u"Quorlo was here";
    auto encoded = EncodeStringBlock(*block);
    ASSERT_EQ(BeginResourceUpdate(in), ResourceStatus::kSuccess) << file;
    ASSERT_TRUE(UpdateResourceEntry(6, 37, 0, encoded->data(), encoded->size())) << file;
    ASSERT_EQ(EndResourceUpdate(out), ResourceStatus::kSuccess) << file;
    EXPECT_EQ((*ReadStringBlock(out, 37))[2], u"Quorlo was here") << file;
    EXPECT_EQ((*ReadStringBlock(out, 1, 1031))[1], u"Start (de)") << file;
    EXPECT_EQ(Listing(out), Listing(in)) << file;
  }
}

TEST(WindresFixtures, DllWithOverlayKeepsIt) {
  std::string dir = TestDirectory("windres-overlay");
  std::vector<uint8_t> dll = ReadFileBytes(kFixtures + "/sample.dll");
  std::vector<uint8_t> overlay = Bytes("appended data, as a signature or installer payload");
  dll.insert(dll.end(), overlay.begin(), overlay.end());
  WriteFileBytes(dir + "/in.dll", dll);
  ASSERT_EQ(BeginResourceUpdate(dir + "/in.dll"), ResourceStatus::kSuccess);
  std::vector<uint8_t> bitmap(30000, 0x5A);
  ASSERT_TRUE(UpdateResourceEntry(2, 143, 0, bitmap.data(), bitmap.size()));
  ASSERT_EQ(EndResourceUpdate(dir + "/out.dll"), ResourceStatus::kSuccess);
  std::vector<uint8_t> out = ReadFileBytes(dir + "/out.dll");
  ASSERT_GT(out.size(), overlay.size());
  EXPECT_TRUE(std::equal(overlay.begin(), overlay.end(), out.end() - overlay.size()));
  EXPECT_EQ(ReadResourceData(dir + "/out.dll", 2, 143), bitmap);
}

}  // namespace
}  // namespace resedit::test
