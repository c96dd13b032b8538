#include <gtest/gtest.h>

#include <functional>

#include "resedit/ResourceUpdate.h"
#include "resedit/ResourceUpdateState.h"
#include "tests/unit/resedit/PeBuilder.h"
#include "tests/unit/resedit/StatusPrinter.h"

namespace resedit::test {
namespace {

std::vector<TestResource> SmallTree() {
  return {{2, 1, 1033, Bytes("bitmap one")}, {6, 1, 1033, Bytes("strings")}};
}

TEST(BeginResourceUpdate, FileNamesAndFileKinds) {
  std::string dir = TestDirectory("begin-names");
  BuiltImage good = BuildImage(ResourceOnlyImage(SmallTree()));
  struct Case {
    std::string file;
    std::vector<uint8_t> bytes;  // not written when empty and writeIt is false
    bool writeIt;
    ResourceStatus status;
    bool open;
  };
  const Case cases[] = {
      {"a.exe", good.bytes, true, ResourceStatus::kSuccess, true},
      {"b.EXE", good.bytes, true, ResourceStatus::kSuccess, true},
      {"c.Dll", good.bytes, true, ResourceStatus::kSuccess, true},
      {"d.txt", good.bytes, true, ResourceStatus::kExtensionNotAccepted, false},
      {"noextension", good.bytes, true, ResourceStatus::kExtensionNotAccepted, false},
      {"dotted.exe.d/file", good.bytes, false, ResourceStatus::kExtensionNotAccepted, false},
      {"missing.exe", {}, false, ResourceStatus::kFileNotAccessible, false},
      {"empty.exe", {}, true, ResourceStatus::kNotPeImage, false},
      {"text.exe", Bytes("just some text, no MZ\n"), true, ResourceStatus::kNotPeImage, false},
      {"mzonly.exe", Bytes("MZ"), true, ResourceStatus::kNotPeImage, false},
  };
  for (const Case& c : cases) {
    std::string path = dir + "/" + c.file;
    if (c.writeIt) WriteFileBytes(path, c.bytes);
    EXPECT_EQ(BeginResourceUpdate(path), c.status) << c.file;
    EXPECT_EQ(ResourceUpdateOpen(), c.open) << c.file;
  }
}

TEST(BeginResourceUpdate, ImageWithoutResourceSectionOpensNothing) {
  std::string dir = TestDirectory("begin-norsrc");
  for (const char* name : {".RSRC", "rsrc", ".rsrc2", ".data"}) {
    TestImage image = ResourceOnlyImage(SmallTree());
    image.sections[0].name = name;
    std::string path = dir + "/plain.exe";
    WriteFileBytes(path, BuildImage(image).bytes);
    EXPECT_EQ(BeginResourceUpdate(path), ResourceStatus::kSuccess) << name;
    EXPECT_FALSE(ResourceUpdateOpen()) << name;
    uint8_t data[] = {1, 2, 3};
    EXPECT_FALSE(UpdateResourceEntry(2, 1, 0, data, sizeof(data))) << name;
    EXPECT_EQ(EndResourceUpdate(dir + "/out.exe"), ResourceStatus::kNoOpenUpdate) << name;
  }
}

// Each case breaks one thing in an otherwise good image and names the status
// the engine must give; none may crash, hang or write.
TEST(BeginResourceUpdate, RefusesMalformedImages) {
  std::string dir = TestDirectory("begin-malformed");
  TestImage base = ResourceOnlyImage({{u"NAMED", 1, 1033, Bytes("named type")},
                                      {2, 1, 1033, Bytes("bitmap one")},
                                      {6, 1, 1033, Bytes("strings")}});
  BuiltImage good = BuildImage(base);
  const uint32_t opt = good.optionalHeader;
  const uint32_t table = good.sectionTable;
  const uint32_t rsrc = good.sectionPointer[0];
  using Mutate = std::function<void(std::vector<uint8_t>&)>;
  struct Case {
    const char* what;
    Mutate mutate;
    ResourceStatus status;
  };
  const Case cases[] = {
      {"e_lfanew past the end", [](auto& b) { WriteU32(b, 0x3C, 0x7FFFFFF0); },
       ResourceStatus::kNotPeImage},
      {"no PE signature", [&](auto& b) { b[good.lfanew + 1] = 'X'; }, ResourceStatus::kNotPeImage},
      {"cut inside the file header", [&](auto& b) { b.resize(good.lfanew + 10); },
       ResourceStatus::kMalformedImage},
      {"cut inside the optional header", [&](auto& b) { b.resize(opt + 50); },
       ResourceStatus::kMalformedImage},
      {"PE32+ image", [&](auto& b) { WriteU16(b, opt, 0x20B); }, ResourceStatus::kUnsupportedImage},
      {"unknown optional header magic", [&](auto& b) { WriteU16(b, opt, 0x107); },
       ResourceStatus::kMalformedImage},
      {"optional header too small", [&](auto& b) { WriteU16(b, good.lfanew + 20, 64); },
       ResourceStatus::kMalformedImage},
      {"file alignment 65536", [&](auto& b) { WriteU32(b, opt + 36, 0x10000); },
       ResourceStatus::kUnsupportedImage},
      {"section alignment 0", [&](auto& b) { WriteU32(b, opt + 32, 0); },
       ResourceStatus::kUnsupportedImage},
      {"section table past the headers", [&](auto& b) { WriteU16(b, good.lfanew + 6, 60); },
       ResourceStatus::kMalformedImage},
      {"absurd section count", [&](auto& b) { WriteU16(b, good.lfanew + 6, 0xFFFF); },
       ResourceStatus::kMalformedImage},
      {"SizeOfHeaders past the file", [&](auto& b) { WriteU32(b, opt + 60, 0x7FFFFFFF); },
       ResourceStatus::kMalformedImage},
      {"section data past the file", [&](auto& b) { WriteU32(b, table + 16, 0x100000); },
       ResourceStatus::kMalformedImage},
      {"resource directory elsewhere", [&](auto& b) { WriteU32(b, opt + 96 + 16, 0x5000); },
       ResourceStatus::kMalformedImage},
      {"root count past the section", [&](auto& b) { WriteU16(b, rsrc + 14, 0xFFFF); },
       ResourceStatus::kMalformedImage},
      {"type directory outside the section",
       [&](auto& b) { WriteU32(b, rsrc + 16 + 4, 0x80000000u | 0x7FFF0000u); },
       ResourceStatus::kMalformedImage},
      {"type entry pointing back to the root",
       [&](auto& b) { WriteU32(b, rsrc + 16 + 4, 0x80000000u); }, ResourceStatus::kMalformedImage},
      {"type entry pointing at a data entry", [&](auto& b) { WriteU32(b, rsrc + 16 + 4, 0x40); },
       ResourceStatus::kMalformedImage},
      {"named slot with a numeric name", [&](auto& b) { WriteU32(b, rsrc + 16, 5); },
       ResourceStatus::kMalformedImage},
      {"numbered slot with a name offset", [&](auto& b) { WriteU32(b, rsrc + 24, 0x80000010u); },
       ResourceStatus::kMalformedImage},
      {"name string outside the section", [&](auto& b) { WriteU32(b, rsrc + 16, 0x8000FFF0u); },
       ResourceStatus::kMalformedImage},
      {"one type id twice in a directory", [&](auto& b) { WriteU32(b, rsrc + 32, 2); },
       ResourceStatus::kMalformedImage},
  };
  for (const Case& c : cases) {
    std::vector<uint8_t> bytes = good.bytes;
    c.mutate(bytes);
    std::string path = dir + "/broken.exe";
    WriteFileBytes(path, bytes);
    EXPECT_EQ(BeginResourceUpdate(path), c.status) << c.what;
    EXPECT_FALSE(ResourceUpdateOpen()) << c.what;
    EXPECT_EQ(EndResourceUpdate(dir + "/out.exe"), ResourceStatus::kNoOpenUpdate) << c.what;
  }
}

// Trees that are well-formed except at the leaves: a fourth level, data
// outside the section, or a shared language directory.
TEST(BeginResourceUpdate, RefusesBadLeaves) {
  std::string dir = TestDirectory("begin-leaves");
  BuiltImage good = BuildImage(ResourceOnlyImage({{2, 1, 1033, Bytes("bitmap one")}}));
  const uint32_t rsrc = good.sectionPointer[0];
  const uint32_t rva = good.sectionRva[0];
  // Depth-first layout: root (type level) 0..24, name level 24..48,
  // language level 48..72 with its one entry at 64.
  const uint32_t languageEntry = rsrc + 48 + 16;
  const uint32_t dataEntry = ReadU32(good.bytes, languageEntry + 4);
  using Mutate = std::function<void(std::vector<uint8_t>&)>;
  const std::pair<const char*, Mutate> cases[] = {
      {"language entry leading to a directory",
       [&](auto& b) { WriteU32(b, languageEntry + 4, 0x80000000u | 24); }},
      {"data before the section", [&](auto& b) { WriteU32(b, rsrc + dataEntry, rva - 4); }},
      {"data past the section", [&](auto& b) { WriteU32(b, rsrc + dataEntry + 4, 0x10000); }},
      {"data entry outside the section",
       [&](auto& b) { WriteU32(b, languageEntry + 4, 0xFFFFFFF0u & 0x7FFFFFF0u); }},
      {"name directory shared with the type level",
       [&](auto& b) { WriteU32(b, rsrc + 24 + 16 + 4, 0x80000000u | 24); }},
  };
  for (const auto& [what, mutate] : cases) {
    std::vector<uint8_t> bytes = good.bytes;
    mutate(bytes);
    std::string path = dir + "/broken.exe";
    WriteFileBytes(path, bytes);
    EXPECT_EQ(BeginResourceUpdate(path), ResourceStatus::kMalformedImage) << what;
    EXPECT_FALSE(ResourceUpdateOpen()) << what;
  }
}

TEST(BeginResourceUpdate, EqualNamesShareOneRecordAndOrderIsKept) {
  std::string dir = TestDirectory("begin-names-shared");
  std::vector<TestResource> resources = {
      {u"SKIN", u"SKIN", 1033, Bytes("same text as its type")},
      {u"SKIN", u"Skin", 1033, Bytes("differs in case")},
      {u"SKIN", 7, 1033, Bytes("numbered")},
      {u"OTHER", u"SKIN", 1033, Bytes("again")},
      {2, u"SKIN", 1033, Bytes("bitmap named like the type")},
      {3, 1, 1033, Bytes("icon")},
  };
  std::string path = dir + "/names.exe";
  WriteFileBytes(path, BuildImage(ResourceOnlyImage(resources)).bytes);
  ASSERT_EQ(BeginResourceUpdate(path), ResourceStatus::kSuccess);
  const ResourceUpdateState& state = CurrentResourceUpdate();
  ASSERT_EQ(state.entries.size(), resources.size());
  // "SKIN" (10 bytes), "Skin" (10), "OTHER" (12), each stored once.
  EXPECT_EQ(state.names.size(), 32u);
  const uint32_t skin = kNameFlag | 0, skinLower = kNameFlag | 10, other = kNameFlag | 20;
  const std::pair<uint32_t, uint32_t> expected[] = {{skin, skin},  {skin, skinLower}, {skin, 7},
                                                    {other, skin}, {2, skin},         {3, 1}};
  for (size_t i = 0; i < resources.size(); ++i) {
    EXPECT_EQ(state.entries[i].typeId, expected[i].first) << "entry " << i;
    EXPECT_EQ(state.entries[i].nameId, expected[i].second) << "entry " << i;
  }
}

TEST(BeginResourceUpdate, OverlaySize) {
  std::string dir = TestDirectory("begin-overlay");
  for (size_t overlay : {0u, 1u, 517u}) {
    TestImage image = ResourceOnlyImage(SmallTree());
    image.overlay.assign(overlay, 0xAB);
    std::string path = dir + "/overlay.exe";
    WriteFileBytes(path, BuildImage(image).bytes);
    ASSERT_EQ(BeginResourceUpdate(path), ResourceStatus::kSuccess);
    EXPECT_EQ(CurrentResourceUpdate().overlaySize, static_cast<int64_t>(overlay));
  }
}

}  // namespace
}  // namespace resedit::test
