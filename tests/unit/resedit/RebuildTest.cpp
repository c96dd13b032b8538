#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>

#include <sys/resource.h>

#include "resedit/ImageUpdate.h"
#include "resedit/ResourceReader.h"
#include "resedit/ResourceUpdate.h"
#include "tests/unit/resedit/PeBuilder.h"
#include "tests/unit/resedit/StatusPrinter.h"

namespace resedit::test {
namespace {

struct Section {
  uint32_t virtualSize, rva, rawSize, pointer, characteristics;
};

Section SectionAt(const std::vector<uint8_t>& file, size_t index) {
  uint32_t lfanew = ReadU32(file, 0x3C);
  size_t at = lfanew + 24 + ReadU16(file, lfanew + 20) + 40 * index;
  return {ReadU32(file, at + 8), ReadU32(file, at + 12), ReadU32(file, at + 16),
          ReadU32(file, at + 20), ReadU32(file, at + 36)};
}

uint32_t OptionalField(const std::vector<uint8_t>& file, size_t offset) {
  return ReadU32(file, ReadU32(file, 0x3C) + 24 + offset);
}

std::vector<uint8_t> Pattern(size_t size, uint8_t seed) {
  std::vector<uint8_t> bytes(size);
  for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<uint8_t>(seed + i * 13);
  return bytes;
}

// Writes `image`, replaces (type, name) with `data` and returns the status of
// EndResourceUpdate; the output is dir/out.exe.
ResourceStatus Rebuild(const std::string& dir, const std::vector<uint8_t>& image, ResourceId type,
                       ResourceId name, const std::vector<uint8_t>& data) {
  WriteFileBytes(dir + "/in.exe", image);
  EXPECT_EQ(BeginResourceUpdate(dir + "/in.exe"), ResourceStatus::kSuccess);
  EXPECT_TRUE(UpdateResourceEntry(type, name, 0, data.data(), data.size()));
  return EndResourceUpdate(dir + "/out.exe");
}

TEST(EndResourceUpdate, CanonicalLayoutOfTheWorkedExample) {
  std::string dir = TestDirectory("layout-example");
  BuiltImage source = BuildImage(ResourceOnlyImage({{2, 1, 1033, Pattern(100, 1)},
                                                    {2, 2, 1033, Pattern(50, 2)},
                                                    {4, 204, 1033, Pattern(30, 3)}}));
  // Directory headers take the root's fields.
  WriteU32(source.bytes, source.sectionPointer[0] + 4, 0x12345678);
  WriteFileBytes(dir + "/in.exe", source.bytes);
  ASSERT_EQ(BeginResourceUpdate(dir + "/in.exe"), ResourceStatus::kSuccess);
  ASSERT_EQ(EndResourceUpdate(dir + "/out.exe"), ResourceStatus::kSuccess);
  std::vector<uint8_t> out = ReadFileBytes(dir + "/out.exe");
  Section rsrc = SectionAt(out, 0);
  const uint32_t rva = source.sectionRva[0];
  ASSERT_EQ(rsrc.virtualSize, 400u);
  ASSERT_EQ(rsrc.rawSize, 512u);

  std::vector<uint8_t> expected(512, 0);
  auto directory = [&](uint32_t at, uint16_t ids) {
    WriteU32(expected, at + 4, 0x12345678);
    WriteU16(expected, at + 14, ids);
  };
  auto entry = [&](uint32_t at, uint32_t id, uint32_t target) {
    WriteU32(expected, at, id);
    WriteU32(expected, at + 4, target);
  };
  directory(0, 2);
  entry(16, 2, 0x80000000u | 32);
  entry(24, 4, 0x80000000u | 64);
  directory(32, 2);
  entry(48, 1, 0x80000000u | 88);
  entry(56, 2, 0x80000000u | 112);
  directory(64, 1);
  entry(80, 204, 0x80000000u | 136);
  const uint32_t languageDirs[] = {88, 112, 136}, dataEntries[] = {160, 176, 192},
                 dataAt[] = {208, 312, 368}, sizes[] = {100, 50, 30};
  for (int i = 0; i < 3; ++i) {
    directory(languageDirs[i], 1);
    entry(languageDirs[i] + 16, 1033, dataEntries[i]);
    WriteU32(expected, dataEntries[i], rva + dataAt[i]);
    WriteU32(expected, dataEntries[i] + 4, sizes[i]);
    std::vector<uint8_t> data = Pattern(sizes[i], static_cast<uint8_t>(i + 1));
    std::copy(data.begin(), data.end(), expected.begin() + dataAt[i]);
  }
  std::vector<uint8_t> actual(out.begin() + rsrc.pointer, out.begin() + rsrc.pointer + 512);
  for (size_t i = 0; i < expected.size(); ++i)
    ASSERT_EQ(actual[i], expected[i]) << "first difference at section offset " << i;
  EXPECT_EQ(OptionalField(out, 96 + 16), rva);
  EXPECT_EQ(OptionalField(out, 96 + 20), 400u);
}

// .text, .rsrc, .reloc: the relocations move with the resource section's
// aligned size, up when it grows and back down when it shrinks.
TEST(EndResourceUpdate, RelocationsAfterResourcesMoveBothWays) {
  std::string dir = TestDirectory("reloc-after");
  TestImage image;
  image.sections = {{".text", 0x60000020, Pattern(0x300, 9)},
                    {".rsrc", 0x40000040, {}, true},
                    {".reloc", 0x42000040, Pattern(0x20, 7)}};
  image.resources = {{2, 143, 1033, Pattern(64, 1)}, {6, 1, 1033, Pattern(32, 2)}};
  BuiltImage built = BuildImage(image);
  const uint32_t relocRva = built.sectionRva[2];
  WriteU32(built.bytes, built.optionalHeader + 96 + 40, relocRva);
  WriteU32(built.bytes, built.optionalHeader + 96 + 44, 0x20);

  struct Step {
    size_t size;
    int32_t relocMove;  // in pages, against the original layout
  };
  const Step steps[] = {{5000, 1}, {9000, 2}, {100, 0}, {0x1F00, 1}};
  std::vector<uint8_t> current = built.bytes;
  for (const Step& step : steps) {
    ASSERT_EQ(Rebuild(dir, current, 2, 143, Pattern(step.size, 5)), ResourceStatus::kSuccess)
        << "size " << step.size;
    current = ReadFileBytes(dir + "/out.exe");
    Section text = SectionAt(current, 0), rsrc = SectionAt(current, 1),
            reloc = SectionAt(current, 2);
    uint32_t expectedReloc = relocRva + 0x1000 * step.relocMove;
    EXPECT_EQ(text.rva, built.sectionRva[0]) << "size " << step.size;
    EXPECT_EQ(rsrc.rva, built.sectionRva[1]) << "size " << step.size;
    EXPECT_EQ(reloc.rva, expectedReloc) << "size " << step.size;
    EXPECT_EQ(OptionalField(current, 96 + 40), expectedReloc) << "size " << step.size;
    EXPECT_EQ(OptionalField(current, 56), expectedReloc + 0x1000) << "size " << step.size;
    EXPECT_EQ(reloc.pointer, rsrc.pointer + rsrc.rawSize) << "size " << step.size;
    std::vector<uint8_t> relocBytes(current.begin() + reloc.pointer,
                                    current.begin() + reloc.pointer + 0x20);
    EXPECT_EQ(relocBytes, Pattern(0x20, 7)) << "size " << step.size;
    EXPECT_EQ(ReadResourceData(dir + "/out.exe", 2, 143), Pattern(step.size, 5));
    EXPECT_EQ(ReadResourceData(dir + "/out.exe", 6, 1), Pattern(32, 2));
  }
}

TEST(EndResourceUpdate, OverlayAfterLastResourceSectionIsKept) {
  std::string dir = TestDirectory("overlay");
  TestImage image = ResourceOnlyImage({{2, 1, 1033, Pattern(40, 1)}, {6, 1, 1033, Pattern(20, 2)}});
  image.overlay = Pattern(777, 3);
  std::vector<uint8_t> source = BuildImage(image).bytes;
  for (size_t size : {size_t{10}, size_t{3000}, size_t{70000}}) {
    ASSERT_EQ(Rebuild(dir, source, 6, 1, Pattern(size, 4)), ResourceStatus::kSuccess);
    std::vector<uint8_t> out = ReadFileBytes(dir + "/out.exe");
    Section rsrc = SectionAt(out, 0);
    ASSERT_EQ(out.size(), rsrc.pointer + rsrc.rawSize + 777u) << "size " << size;
    EXPECT_TRUE(std::equal(image.overlay.begin(), image.overlay.end(), out.end() - 777))
        << "size " << size;
    EXPECT_EQ(OptionalField(out, 56), rsrc.rva + (rsrc.virtualSize + 0xFFFu) / 0x1000 * 0x1000);
  }
}

TEST(EndResourceUpdate, RefusesToMoveCodeOrDataAfterResources) {
  std::string dir = TestDirectory("immovable");
  for (uint32_t characteristics : {0xC0000040u, 0x60000020u, 0x42000040u}) {
    TestImage image;
    image.sections = {{".rsrc", 0x40000040, {}, true}, {".after", characteristics, Pattern(16, 1)}};
    image.resources = {{6, 1, 1033, Pattern(32, 2)}};
    BuiltImage built = BuildImage(image);
    // A discardable section is movable unless a directory other than
    // relocations and debug lies in it.
    bool holdsImports = characteristics == 0x42000040u;
    if (holdsImports) WriteU32(built.bytes, built.optionalHeader + 96 + 8, built.sectionRva[1]);
    std::filesystem::remove(dir + "/out.exe");
    EXPECT_EQ(Rebuild(dir, built.bytes, 6, 1, Pattern(8000, 3)), ResourceStatus::kUnsupportedImage)
        << std::hex << characteristics;
    EXPECT_FALSE(std::filesystem::exists(dir + "/out.exe"));
    // Within the same aligned size nothing moves, so the edit is allowed.
    EXPECT_EQ(Rebuild(dir, built.bytes, 6, 1, Pattern(300, 3)), ResourceStatus::kSuccess);
    EXPECT_EQ(ReadResourceData(dir + "/out.exe", 6, 1), Pattern(300, 3));
  }
}

TEST(EndResourceUpdate, TwoLanguagesPerNameStayReachable) {
  std::string dir = TestDirectory("languages");
  std::vector<uint8_t> source = BuildImage(ResourceOnlyImage({{6, 1, 1031, Pattern(10, 1)},
                                                              {6, 1, 1033, Pattern(12, 2)},
                                                              {6, 2, 1031, Pattern(14, 3)},
                                                              {6, 2, 1033, Pattern(16, 4)}}))
                                    .bytes;
  ASSERT_EQ(Rebuild(dir, source, 6, 2, Pattern(40, 5)), ResourceStatus::kSuccess);
  std::vector<uint8_t> out = ReadFileBytes(dir + "/out.exe");
  size_t rsrc = SectionAt(out, 0).pointer;
  // Root: one type; its name directory at 24 lists names 1 and 2 once each,
  // and each leads to a directory of two languages.
  EXPECT_EQ(ReadU16(out, rsrc + 14), 1);
  EXPECT_EQ(ReadU16(out, rsrc + 24 + 14), 2);
  for (int name = 0; name < 2; ++name) {
    uint32_t languages = ReadU32(out, rsrc + 24 + 16 + 8 * name + 4) & 0x7FFFFFFFu;
    EXPECT_EQ(ReadU16(out, rsrc + languages + 14), 2) << "name " << name + 1;
    EXPECT_EQ(ReadU32(out, rsrc + languages + 16), 1031u) << "name " << name + 1;
    EXPECT_EQ(ReadU32(out, rsrc + languages + 24), 1033u) << "name " << name + 1;
  }
  // The first entry of name 2 (German) was replaced; English is untouched.
  EXPECT_EQ(ReadResourceData(dir + "/out.exe", 6, 2, 1031), Pattern(40, 5));
  EXPECT_EQ(ReadResourceData(dir + "/out.exe", 6, 2, 1033), Pattern(16, 4));
  EXPECT_EQ(ReadResourceData(dir + "/out.exe", 6, 1, 1033), Pattern(12, 2));
}

TEST(UpdateResourceEntry, MatchesTypeNameAndCodePage) {
  std::string dir = TestDirectory("update-match");
  WriteFileBytes(dir + "/in.exe", BuildImage(ResourceOnlyImage({
                                                 {u"SKIN", u"LOGO", 1033, Pattern(8, 1)},
                                                 {2, 1, 1033, Pattern(8, 2), 1252},
                                                 {6, 1, 1033, Pattern(8, 3)},
                                                 {6, 9, 1033, Pattern(8, 4)},
                                             }))
                                      .bytes);
  uint8_t data[] = {42};
  struct Case {
    const char* what;
    ResourceId type, name;
    uint32_t codePage;
    bool replaced;
  };
  const Case cases[] = {
      {"code page 0 does not match 1252", 2, 1, 0, false},
      {"code page 1252 matches", 2, 1, 1252, true},
      {"text names of the file", "SKIN", "LOGO", 0, true},
      {"text name not in the file", "SKIN", "NOPE", 0, false},
      {"text name differing in case", "skin", "LOGO", 0, false},
      {"number with bit 31 set", 0x80000000u, 1, 0, false},
      {"last entry", 6, 9, 0, true},
      {"absent name", 6, 2, 0, false},
  };
  for (const Case& c : cases) {
    ASSERT_EQ(BeginResourceUpdate(dir + "/in.exe"), ResourceStatus::kSuccess);
    EXPECT_EQ(UpdateResourceEntry(c.type, c.name, c.codePage, data, 1), c.replaced) << c.what;
  }
}

TEST(UpdateResourceEntry, SecondReplacementWinsAndClosedUpdateRefuses) {
  std::string dir = TestDirectory("update-twice");
  WriteFileBytes(dir + "/in.exe",
                 BuildImage(ResourceOnlyImage({{6, 1, 1033, Pattern(8, 1)}})).bytes);
  ASSERT_EQ(BeginResourceUpdate(dir + "/in.exe"), ResourceStatus::kSuccess);
  std::vector<uint8_t> first = Pattern(20, 2), second = Pattern(30, 3);
  EXPECT_TRUE(UpdateResourceEntry(6, 1, 0, first.data(), first.size()));
  EXPECT_TRUE(UpdateResourceEntry(6, 1, 0, second.data(), second.size()));
  ASSERT_EQ(EndResourceUpdate(dir + "/out.exe"), ResourceStatus::kSuccess);
  EXPECT_EQ(ReadResourceData(dir + "/out.exe", 6, 1), second);
  EXPECT_FALSE(UpdateResourceEntry(6, 1, 0, first.data(), first.size()));
  EXPECT_EQ(EndResourceUpdate(dir + "/again.exe"), ResourceStatus::kNoOpenUpdate);
}

TEST(EndResourceUpdate, OutputNames) {
  std::string dir = TestDirectory("end-names");
  std::vector<uint8_t> source = BuildImage(ResourceOnlyImage({{6, 1, 1033, Pattern(8, 1)}})).bytes;
  struct Case {
    const char* in;
    std::string out;
    ResourceStatus status;
  };
  const Case cases[] = {
      {"in.EXE", dir + "/out.exe", ResourceStatus::kSuccess},
      {"in.exe", dir + "/out.DLL", ResourceStatus::kExtensionNotAccepted},
      {"in.dll", dir + "/out.exe", ResourceStatus::kExtensionNotAccepted},
      {"in.exe", dir + "/missing/out.exe", ResourceStatus::kFileNotAccessible},
      {"in.exe", dir + "/in.exe", ResourceStatus::kSuccess},
  };
  for (const Case& c : cases) {
    std::filesystem::remove(c.out);
    WriteFileBytes(dir + "/" + c.in, source);
    ASSERT_EQ(BeginResourceUpdate(dir + "/" + c.in), ResourceStatus::kSuccess) << c.out;
    uint8_t data[] = {1, 2, 3, 4, 5};
    ASSERT_TRUE(UpdateResourceEntry(6, 1, 0, data, sizeof(data)));
    EXPECT_EQ(EndResourceUpdate(c.out), c.status) << c.out;
    bool written = c.status == ResourceStatus::kSuccess;
    EXPECT_EQ(std::filesystem::exists(c.out), written) << c.out;
    if (written) {
      EXPECT_EQ(ReadResourceData(c.out, 6, 1)->size(), sizeof(data)) << c.out;
    }
    EXPECT_FALSE(std::filesystem::exists(c.out + ".quorlo-tmp")) << c.out;
  }
}

// The file-size limit makes the write fail as a full disk would.
TEST(EndResourceUpdate, FailedWriteLeavesNoFileAndKeepsTheOldOne) {
  std::string dir = TestDirectory("write-fails");
  std::vector<uint8_t> source = BuildImage(ResourceOnlyImage({{6, 1, 1033, Pattern(8, 1)}})).bytes;
  WriteFileBytes(dir + "/in.exe", source);
  WriteFileBytes(dir + "/old.exe", Bytes("previous contents"));
  std::vector<uint8_t> big = Pattern(200000, 2);
  for (std::string target : {dir + "/new.exe", dir + "/old.exe"}) {
    ASSERT_EQ(BeginResourceUpdate(dir + "/in.exe"), ResourceStatus::kSuccess);
    ASSERT_TRUE(UpdateResourceEntry(6, 1, 0, big.data(), big.size()));
    auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit previous{};
    getrlimit(RLIMIT_FSIZE, &previous);
    rlimit limited = previous;
    limited.rlim_cur = 100000;
    setrlimit(RLIMIT_FSIZE, &limited);
    ResourceStatus status = EndResourceUpdate(target);
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_EQ(status, ResourceStatus::kWriteFailed) << target;
    EXPECT_FALSE(std::filesystem::exists(target + ".quorlo-tmp")) << target;
  }
  EXPECT_FALSE(std::filesystem::exists(dir + "/new.exe"));
  EXPECT_EQ(ReadFileBytes(dir + "/old.exe"), Bytes("previous contents"));
}

// File offsets held in headers and debug records keep pointing at the same
// bytes after the overlay has moved.
TEST(EndResourceUpdate, FileOffsetsFollowTheirBytes) {
  std::string dir = TestDirectory("file-offsets");
  TestImage image;
  image.sections = {{".text", 0x60000020, Pattern(0x40, 1)}, {".rsrc", 0x40000040, {}, true}};
  image.resources = {{6, 1, 1033, Pattern(16, 2)}};
  image.overlay = Pattern(96, 3);
  BuiltImage built = BuildImage(image);
  const uint32_t overlay = static_cast<uint32_t>(built.bytes.size() - 96);
  const uint32_t opt = built.optionalHeader;
  WriteU32(built.bytes, opt + 96 + 32, overlay);  // certificate table: a file offset
  WriteU32(built.bytes, opt + 96 + 36, 16);
  WriteU32(built.bytes, built.lfanew + 4 + 8, overlay + 32);  // COFF symbol table
  WriteU32(built.bytes, built.lfanew + 4 + 12, 2);
  // One debug record at the start of .text, its data in the overlay.
  WriteU32(built.bytes, opt + 96 + 48, built.sectionRva[0]);
  WriteU32(built.bytes, opt + 96 + 52, 28);
  const uint32_t record = built.sectionPointer[0];
  std::fill(built.bytes.begin() + record, built.bytes.begin() + record + 28, 0);
  WriteU32(built.bytes, record + 16, 8);
  WriteU32(built.bytes, record + 24, overlay + 64);

  ASSERT_EQ(Rebuild(dir, built.bytes, 6, 1, Pattern(9000, 4)), ResourceStatus::kSuccess);
  std::vector<uint8_t> out = ReadFileBytes(dir + "/out.exe");
  const uint32_t newOverlay = static_cast<uint32_t>(out.size() - 96);
  ASSERT_NE(newOverlay, overlay);
  uint32_t newOpt = ReadU32(out, 0x3C) + 24;
  EXPECT_EQ(ReadU32(out, newOpt + 96 + 32), newOverlay);
  EXPECT_EQ(ReadU32(out, newOpt + 96 + 36), 16u);
  EXPECT_EQ(ReadU32(out, ReadU32(out, 0x3C) + 4 + 8), newOverlay + 32);
  EXPECT_EQ(ReadU32(out, ReadU32(out, 0x3C) + 4 + 12), 2u);
  EXPECT_EQ(ReadU32(out, SectionAt(out, 0).pointer + 24), newOverlay + 64);
}

// A debug directory that points into the headers (found by the fuzzer): its
// "records" overlap e_lfanew, which must come out as it went in.
TEST(EndResourceUpdate, DebugDirectoryInTheHeadersLeavesThemAlone) {
  std::string dir = TestDirectory("debug-in-headers");
  TestImage image;
  image.sections = {{".text", 0x60000020, Pattern(0x40, 1)}, {".rsrc", 0x40000040, {}, true}};
  image.resources = {{6, 1, 1033, Pattern(16, 2)}};
  BuiltImage built = BuildImage(image);
  const uint32_t opt = built.optionalHeader;
  WriteU32(built.bytes, opt + 96 + 48, 7);     // the second record's pointer covers 0x3B..0x3E
  WriteU32(built.bytes, opt + 96 + 52, 0xB2);

  ASSERT_EQ(Rebuild(dir, built.bytes, 6, 1, Pattern(9000, 4)), ResourceStatus::kSuccess);
  std::vector<uint8_t> out = ReadFileBytes(dir + "/out.exe");
  EXPECT_EQ(ReadU32(out, 0x3C), built.lfanew);
  EXPECT_TRUE(std::equal(out.begin(), out.begin() + built.lfanew, built.bytes.begin()));
  resedit::ResourceFile reread;
  EXPECT_EQ(reread.OpenBytes(resedit::ByteSpan(out.data(), out.size())), ResourceStatus::kSuccess);
}

// A rebuild touches only the header fields its layout requires: a section
// without raw data (.bss) keeps PointerToRawData 0, and the size fields keep
// the linker's way of counting, moving only by what changed in the file.
TEST(EndResourceUpdate, ChangesOnlyTheHeaderFieldsTheLayoutRequires) {
  std::string dir = TestDirectory("header-fields");
  TestImage image;
  image.sections = {{".text", 0x60000020, Pattern(0x300, 9)},
                    {".bss", 0xC0000080, {}},
                    {".rsrc", 0x40000040, {}, true},
                    {".reloc", 0x42000040, Pattern(0x20, 7)}};
  image.resources = {{2, 143, 1033, Pattern(64, 1)}, {6, 1, 1033, Pattern(32, 2)}};
  BuiltImage built = BuildImage(image);
  const uint32_t opt = built.optionalHeader;
  WriteU32(built.bytes, opt + 96 + 40, built.sectionRva[3]);
  WriteU32(built.bytes, opt + 96 + 44, 0x20);
  // MinGW counts .bss by its virtual size and the code by its exact size.
  WriteU32(built.bytes, opt + 4, 0x1234);
  WriteU32(built.bytes, opt + 8, 0x5000);
  WriteU32(built.bytes, opt + 12, 0x800);
  const Section sourceResources = SectionAt(built.bytes, 2);

  // Fields the layout may change: SizeOfInitializedData, SizeOfImage, the
  // resource and relocation directories, the resource section's VirtualSize
  // and SizeOfRawData, and where .reloc lies.
  const uint32_t resourceHeader = built.sectionTable + 2 * 40,
                 relocHeader = built.sectionTable + 3 * 40;
  const std::vector<uint32_t> mayChange = {
      opt + 8,          opt + 56,           opt + 96 + 20,
      opt + 96 + 40,    resourceHeader + 8, resourceHeader + 16,
      relocHeader + 12, relocHeader + 20};
  for (size_t size : {size_t{0}, size_t{64}, size_t{5000}, size_t{70000}}) {
    ASSERT_EQ(Rebuild(dir, built.bytes, 2, 143, Pattern(size, 5)), ResourceStatus::kSuccess)
        << "size " << size;
    std::vector<uint8_t> out = ReadFileBytes(dir + "/out.exe");
    Section bss = SectionAt(out, 1), resources = SectionAt(out, 2);
    EXPECT_EQ(bss.pointer, 0u) << "size " << size;
    EXPECT_EQ(bss.rawSize, 0u) << "size " << size;
    EXPECT_EQ(OptionalField(out, 4), 0x1234u) << "size " << size;
    EXPECT_EQ(OptionalField(out, 12), 0x800u) << "size " << size;
    EXPECT_EQ(OptionalField(out, 8), 0x5000u + resources.rawSize - sourceResources.rawSize)
        << "size " << size;
    const uint32_t headers = OptionalField(built.bytes, 60);
    ASSERT_GE(out.size(), headers);
    std::vector<uint8_t> sourceHeaders(built.bytes.begin(), built.bytes.begin() + headers);
    std::vector<uint8_t> outHeaders(out.begin(), out.begin() + headers);
    for (uint32_t field : mayChange) {
      for (uint32_t i = 0; i < 4; ++i) sourceHeaders[field + i] = outHeaders[field + i] = 0;
    }
    EXPECT_EQ(outHeaders, sourceHeaders) << "size " << size;
  }
}

// The file functions are a layer over the in-memory update: the file holds
// exactly the image the update rebuilds, and both refuse alike.
TEST(ImageUpdate, RebuildsInMemoryWhatTheFileFunctionsWrite) {
  std::string dir = TestDirectory("in-memory");
  TestImage image;
  image.sections = {{".text", 0x60000020, Pattern(0x300, 9)},
                    {".rsrc", 0x40000040, {}, true},
                    {".reloc", 0x42000040, Pattern(0x20, 7)}};
  image.resources = {{u"NAMED", 1, 1033, Pattern(32, 2)}, {2, 143, 1033, Pattern(64, 1)}};
  image.overlay = Pattern(77, 4);
  BuiltImage built = BuildImage(image);
  const std::vector<uint8_t> data = Pattern(6000, 3);

  ImageUpdate update;
  ASSERT_EQ(update.Open(built.bytes), ResourceStatus::kSuccess);
  ASSERT_TRUE(update.IsOpen());
  EXPECT_FALSE(update.Replace(std::u16string(u"MISSING"), 1, 0, data.data(), data.size()));
  ASSERT_TRUE(update.Replace(2, 143, 0, data.data(), data.size()));
  std::vector<uint8_t> inMemory;
  ASSERT_EQ(update.Rebuild(inMemory), ResourceStatus::kSuccess);
  EXPECT_FALSE(update.IsOpen());
  EXPECT_FALSE(update.Replace(2, 143, 0, data.data(), data.size()));
  std::vector<uint8_t> again = {1, 2, 3};
  EXPECT_EQ(update.Rebuild(again), ResourceStatus::kNoOpenUpdate);
  EXPECT_TRUE(again.empty());

  ASSERT_EQ(Rebuild(dir, built.bytes, 2, 143, data), ResourceStatus::kSuccess);
  EXPECT_EQ(ReadFileBytes(dir + "/out.exe"), inMemory);

  std::vector<uint8_t> broken = built.bytes;
  broken[0] = 'X';
  EXPECT_EQ(update.Open(broken), ResourceStatus::kNotPeImage);
  EXPECT_FALSE(update.IsOpen());
}

}  // namespace
}  // namespace resedit::test
