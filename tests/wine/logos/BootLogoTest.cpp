// The 2000/XP start-up logo on the machine: the kernel copy with the new
// logo, overlay, boot palette and checksum, the boot entry pointing at it,
// the way back, and every failure leaving boot.ini as it was.

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "core/Text.h"
#include "deploy/BootIniText.h"
#include "logos/BootLogo_win.h"
#include "logos/KernelBitmaps.h"
#include "resedit/Checksum.h"
#include "resedit/ResourceReader.h"
#include "tests/wine/deploy/DeployTestSupport.h"
#include "tests/wine/logos/LogosTestSupport.h"
#include "win/SystemFacts.h"

namespace logos::test {
namespace {

constexpr char kVitalKernel[] =
    "Error: The vital system file 'ntoskrnl.exe' was not found!\r\nThis means you are not "
    "running Quorlo on a Windows 2000/XP Operating System.\r\n\r\nPlease contact the author to "
    "fix the problem.";
constexpr char kVitalBootIni[] =
    "Error: The vital system file 'boot.ini' was not found!\r\nThis means you are not running "
    "Quorlo on a Windows 2000/XP Operating System.\r\n\r\nPlease contact the author to fix the "
    "problem.";
constexpr char kUnsupported[] =
    "Quorlo does not support this version of Window's startup logo.\r\nPlease contact the "
    "author to get a new version of Quorlo compatible\r\nwith your computer.";

using logos::test::Get32;

struct PeChecksum {
  DWORD stored = 0;
  DWORD computed = 0;
};

// IMAGEHLP's own view of a file's checksum.
PeChecksum ImagehlpChecksum(const std::string& path) {
  PeChecksum sums;
  using CheckSumFn = PIMAGE_NT_HEADERS(WINAPI*)(PVOID, DWORD, PDWORD, PDWORD);
  HMODULE imagehlp = LoadLibraryA("imagehlp.dll");
  if (imagehlp == nullptr) return sums;
  const auto checkSum = reinterpret_cast<CheckSumFn>(
      reinterpret_cast<void*>(GetProcAddress(imagehlp, "CheckSumMappedFile")));
  Bytes bytes = ReadBytes(path);
  if (checkSum != nullptr && !bytes.empty())
    checkSum(bytes.data(), DWORD(bytes.size()), &sums.stored, &sums.computed);
  FreeLibrary(imagehlp);
  return sums;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  for (const deploy::BootIniLine& line : deploy::SplitBootIniLines(text))
    lines.push_back(line.content + line.ending);
  return lines;
}

class BootLogo : public testing::TestWithParam<int> {
 protected:
  static void SetUpTestSuite() { bootIni_ = deploy::test::ReadFileText("C:\\boot.ini"); }

  void SetUp() override {
    ASSERT_FALSE(deploy::test::Is9x()) << deploy::test::Version();
    ASSERT_FALSE(bootIni_.empty()) << "the machine's boot.ini";
    machine_ = logos::ThisBootLogoMachine(GetParam());
    ASSERT_TRUE(machine_.windowsVersion == win::kWindows2000 ||
                machine_.windowsVersion == win::kWindowsXP);
    SetFileAttributesA("C:\\boot.ini", FILE_ATTRIBUTE_NORMAL);
    ASSERT_TRUE(deploy::test::WriteFileText("C:\\boot.ini", bootIni_));
    for (const char* name : {"Kernl1.exe", "Kernl2.exe", "~Kernl1.exe", "~Kernl2.exe"}) {
      const std::string path = machine_.systemDirectory + name;
      SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
      RemoveDirectoryA(path.c_str());
      DeleteFileA(path.c_str());
    }
    logoFile_ = win::GetTempDir() + "_tempbmp.bmp";
    logo_ = logos::test::PalettedBitmap(640, 480, 4, GetParam());
    ASSERT_TRUE(logos::test::WriteBytes(logoFile_, logo_));
    const logos::BootEntriesRead read = logos::ReadBootEntries(machine_);
    ASSERT_TRUE(read.outcome.ok) << read.outcome.message;
    entries_ = read.ini.Entries();
    ASSERT_EQ(entries_.size(), 2u);
  }

  bool IsXP() const { return machine_.windowsVersion == win::kWindowsXP; }
  logos::BootLogoChange Change(int entry) const {
    return {entry, entries_[size_t(entry) - 1].description, logoFile_};
  }
  std::string Kernel(const char* name) const { return machine_.systemDirectory + name; }

  // boot.ini is as the machine had it, and no copy is left.
  void ExpectNothingWritten() {
    EXPECT_EQ(deploy::test::ReadFileText("C:\\boot.ini"), bootIni_);
    EXPECT_FALSE(deploy::test::Exists(Kernel("~Kernl1.exe")));
  }

  static std::string bootIni_;
  logos::BootLogoMachine machine_;
  std::string logoFile_;
  Bytes logo_;
  std::vector<logos::BootEntry> entries_;
};

std::string BootLogo::bootIni_;

TEST_P(BootLogo, CopyCarriesTheNewLogoAndTheEntryStartsIt) {
  for (int entry : {1, 2}) {
    SCOPED_TRACE("entry " + std::to_string(entry));
    ASSERT_TRUE(deploy::test::WriteFileText("C:\\boot.ini", bootIni_));
    const std::string name = logos::KernelCopyName(entry);
    const std::string copy = Kernel(name.c_str());
    const core::Outcome written = logos::WriteBootLogo(machine_, Change(entry));
    ASSERT_TRUE(written.ok) << written.message;
    EXPECT_FALSE(deploy::test::Exists(machine_.systemDirectory + "~" + name));

    const int logoId = logos::BootLogoBitmapId(machine_.windowsVersion, GetParam());
    EXPECT_EQ(resedit::ReadResourceData(copy, 2, logoId),
              logos::ResourceFromBitmapFile(core::ByteSpan(logo_.data(), logo_.size())));
    const Bytes kernel = ReadBytes(copy);
    if (IsXP()) {
      const auto overlay =
          resedit::ReadResourceData(copy, 2, logos::EditionOverlayBitmapId(GetParam()));
      ASSERT_TRUE(overlay.has_value());
      EXPECT_EQ(Get32(*overlay, 4), 1u);
      EXPECT_EQ(Get32(*overlay, 8), 1u);
      const logos::KernelPaletteSearch search = logos::FindKernelBootPalette(machine_);
      ASSERT_TRUE(search.outcome.ok) << search.outcome.message;
      ASSERT_GE(kernel.size(), search.offset + 64);
      EXPECT_EQ(
          Bytes(kernel.begin() + long(search.offset), kernel.begin() + long(search.offset) + 64),
          Bytes(logo_.begin() + 54, logo_.begin() + 118));
    }
    const PeChecksum sums = ImagehlpChecksum(copy);
    EXPECT_NE(sums.stored, 0u);
    EXPECT_EQ(sums.stored, sums.computed) << "IMAGEHLP";
    EXPECT_EQ(sums.stored, resedit::ComputePortableImageChecksum(copy));

    const std::string now = deploy::test::ReadFileText("C:\\boot.ini");
    const std::vector<std::string> before = Lines(bootIni_);
    const std::vector<std::string> after = Lines(now);
    ASSERT_EQ(after.size(), before.size());
    const size_t changed = entries_[size_t(entry) - 1].lineIndex;
    for (size_t i = 0; i < before.size(); ++i) {
      if (i == changed)
        EXPECT_EQ(after[i],
                  logos::RewriteBootLine(before[i].substr(0, before[i].size() - 2), name) + "\r\n");
      else
        EXPECT_EQ(after[i], before[i]) << "line " << i;
    }
    EXPECT_NE(after[changed].find("/kernel=" + name + "\r\n"), std::string::npos);
    EXPECT_EQ(deploy::test::ReadFileText("C:\\backup.ini"), bootIni_);
    EXPECT_FALSE(deploy::test::Exists("C:\\temp.ini"));

    // The entry now starts the copy, and shows the new logo exactly: the
    // 1 x 1 overlay holds the logo's own pixel.
    const logos::BootEntriesRead reread = logos::ReadBootEntries(machine_);
    ASSERT_TRUE(reread.outcome.ok);
    const logos::BootEntry* current = reread.ini.Entry(entry);
    ASSERT_NE(current, nullptr);
    EXPECT_EQ(current->kernel, name);
    const std::string picture = logos::BootLogoPicturePath();
    const logos::BootLogoPicture shown = logos::LoadBootLogo(machine_, *current, picture);
    ASSERT_TRUE(shown.outcome.ok) << shown.outcome.message;
    EXPECT_EQ(ReadBytes(picture), logo_);

    const core::Outcome restored = logos::RestoreBootLogo(machine_, entry);
    ASSERT_TRUE(restored.ok) << restored.message;
    const std::vector<std::string> back = Lines(deploy::test::ReadFileText("C:\\boot.ini"));
    ASSERT_EQ(back.size(), before.size());
    for (size_t i = 0; i < before.size(); ++i) {
      if (i == changed)
        EXPECT_EQ(back[i],
                  logos::RewriteBootLine(before[i].substr(0, before[i].size() - 2), "") + "\r\n");
      else
        EXPECT_EQ(back[i], before[i]) << "line " << i;
    }
    EXPECT_EQ(back[changed].find("/kernel="), std::string::npos);
    EXPECT_TRUE(deploy::test::Exists(copy)) << "the copy stays on disk";
  }
}

TEST_P(BootLogo, RestoreOfAnEntryWithoutSwitchWritesNothing) {
  DeleteFileA("C:\\backup.ini");
  const core::Outcome restored = logos::RestoreBootLogo(machine_, 1);
  ASSERT_TRUE(restored.ok) << restored.message;
  EXPECT_EQ(deploy::test::ReadFileText("C:\\boot.ini"), bootIni_);
}

TEST_P(BootLogo, ShownLogoOfWindowsOwnKernel) {
  const std::string picture = logos::BootLogoPicturePath();
  DeleteFileA(picture.c_str());
  const logos::BootLogoPicture shown = logos::LoadBootLogo(machine_, entries_[0], picture);
  ASSERT_TRUE(shown.outcome.ok) << shown.outcome.message;
  const Bytes file = ReadBytes(picture);
  ASSERT_GE(file.size(), 118u);
  EXPECT_EQ(Get32(file, 18), 640u);
  EXPECT_EQ(Get32(file, 22), 480u);
  const std::string kernel = Kernel("ntoskrnl.exe");
  const int logoId = logos::BootLogoBitmapId(machine_.windowsVersion, GetParam());
  const auto resource = resedit::ReadResourceData(kernel, 2, logoId);
  ASSERT_TRUE(resource.has_value());
  if (!IsXP()) {
    EXPECT_EQ(file,
              logos::BitmapFileFromResource(core::ByteSpan(resource->data(), resource->size())));
    return;
  }
  const auto signature = logos::BootPaletteBytes(logos::BootPaletteSignature());
  EXPECT_EQ(Bytes(file.begin() + 54, file.begin() + 118),
            Bytes(signature.begin(), signature.end()));
  EXPECT_EQ(logos::BootPaletteBytes(shown.palette), signature);
  // The overlay's rows differ from the bare logo; rows above it do not.
  const auto bare = logos::BitmapFileFromResource(
      core::ByteSpan(resource->data(), resource->size()), &logos::BootPaletteSignature());
  ASSERT_TRUE(bare.has_value());
  ASSERT_EQ(bare->size(), file.size());
  const size_t stride = 320;
  const auto row = [&](const Bytes& bytes, int y) {
    const size_t at = 118 + size_t(479 - y) * stride;
    return Bytes(bytes.begin() + long(at), bytes.begin() + long(at + stride));
  };
  EXPECT_EQ(row(file, 100), row(*bare, 100));
  EXPECT_EQ(row(file, 271), row(*bare, 271));
  bool overlayDrawn = false;
  for (int y = 272; y < 292; ++y) overlayDrawn = overlayDrawn || row(file, y) != row(*bare, y);
  EXPECT_TRUE(overlayDrawn);
  EXPECT_EQ(row(file, 292), row(*bare, 292));
}

TEST_P(BootLogo, KernelWithoutBootPaletteIsRefused) {
  if (!IsXP()) GTEST_SKIP() << "Windows 2000 has no boot palette";
  // A system directory of the test's own whose kernel lacks the table.
  Bytes kernel = ReadBytes(Kernel("ntoskrnl.exe"));
  const logos::KernelPaletteSearch found = logos::FindKernelBootPalette(machine_);
  ASSERT_TRUE(found.outcome.ok);
  kernel[found.offset + 5] ^= 0x01;
  machine_.systemDirectory = logos::test::FreshFolder("logos-system");
  ASSERT_TRUE(logos::test::WriteBytes(Kernel("ntoskrnl.exe"), kernel));

  const logos::KernelPaletteSearch search = logos::FindKernelBootPalette(machine_);
  EXPECT_FALSE(search.outcome.ok);
  EXPECT_EQ(search.outcome.message, kUnsupported);
  const logos::BootLogoPicture shown =
      logos::LoadBootLogo(machine_, entries_[0], logos::BootLogoPicturePath());
  EXPECT_EQ(shown.outcome.message, kUnsupported);
  const core::Outcome written = logos::WriteBootLogo(machine_, Change(1));
  EXPECT_FALSE(written.ok);
  EXPECT_EQ(written.message, kUnsupported);
  EXPECT_FALSE(deploy::test::Exists(Kernel("Kernl1.exe")));
  EXPECT_FALSE(deploy::test::Exists(Kernel("~Kernl1.exe")));
  EXPECT_EQ(deploy::test::ReadFileText("C:\\boot.ini"), bootIni_);
}

TEST_P(BootLogo, MissingSystemFilesAreNamed) {
  EXPECT_TRUE(logos::MissingSystemFileMessages(machine_).empty());

  logos::BootLogoMachine noKernel = machine_;
  noKernel.systemDirectory = logos::test::FreshFolder("logos-empty-system");
  EXPECT_EQ(logos::MissingSystemFileMessages(noKernel), std::vector<std::string>{kVitalKernel});
  const core::Outcome written = logos::WriteBootLogo(noKernel, Change(1));
  EXPECT_EQ(written.message, kVitalKernel);
  ExpectNothingWritten();

  logos::BootLogoMachine noBootIni = machine_;
  noBootIni.bootIni = logos::test::FreshFolder("logos-no-boot") + "boot.ini";
  EXPECT_EQ(logos::MissingSystemFileMessages(noBootIni), std::vector<std::string>{kVitalBootIni});
  EXPECT_EQ(logos::ReadBootEntries(noBootIni).outcome.message, kVitalBootIni);
  EXPECT_EQ(logos::WriteBootLogo(noBootIni, Change(1)).message, kVitalBootIni);
  EXPECT_EQ(logos::RestoreBootLogo(noBootIni, 1).message, kVitalBootIni);
  EXPECT_FALSE(deploy::test::Exists(Kernel("Kernl1.exe")));

  noKernel.bootIni = noBootIni.bootIni;
  EXPECT_EQ(logos::MissingSystemFileMessages(noKernel),
            (std::vector<std::string>{kVitalKernel, kVitalBootIni}));
}

TEST_P(BootLogo, MissingLogoFileIsNamed) {
  DeleteFileA(logoFile_.c_str());
  const core::Outcome written = logos::WriteBootLogo(machine_, Change(1));
  EXPECT_EQ(written.message,
            "File '" + logoFile_ + "' does not exist!\r\nUnable to customise startup logo");
  ExpectNothingWritten();
}

// Whatever keeps the copy from being written whole, or from taking its
// name, the entry is not pointed at it.
TEST_P(BootLogo, CopyThatCannotBeWrittenLeavesBootIniAsItWas) {
  const std::string copy = Kernel("Kernl1.exe");
  const std::string work = Kernel("~Kernl1.exe");
  struct Case {
    const char* what;
    std::function<void()> block;
    std::function<void()> unblock;
  };
  const Case cases[] = {
      {"a folder in place of the copy", [&] { ASSERT_TRUE(logos::test::BlockWithFolder(copy)); },
       [&] { RemoveDirectoryA(copy.c_str()); }},
      {"a folder in place of the work name",
       [&] { ASSERT_TRUE(logos::test::BlockWithFolder(work)); },
       [&] { RemoveDirectoryA(work.c_str()); }},
      {"a read-only earlier copy",
       [&] {
         ASSERT_TRUE(logos::test::WriteBytes(copy, Bytes{'o', 'l', 'd'}));
         SetFileAttributesA(copy.c_str(), FILE_ATTRIBUTE_READONLY);
       },
       [&] {
         EXPECT_EQ(ReadBytes(copy), (Bytes{'o', 'l', 'd'}));
         SetFileAttributesA(copy.c_str(), FILE_ATTRIBUTE_NORMAL);
         DeleteFileA(copy.c_str());
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    c.block();
    const core::Outcome written = logos::WriteBootLogo(machine_, Change(1));
    EXPECT_FALSE(written.ok);
    EXPECT_FALSE(written.message.empty());
    EXPECT_EQ(deploy::test::ReadFileText("C:\\boot.ini"), bootIni_);
    if (std::string(c.what) != "a folder in place of the work name") {
      EXPECT_FALSE(deploy::test::Exists(work));
    }
    c.unblock();
  }
}

TEST_P(BootLogo, BootIniThatCannotBeRewrittenStaysAsItWas) {
  ASSERT_TRUE(logos::test::BlockWithFolder("C:\\temp.ini"));
  const core::Outcome written = logos::WriteBootLogo(machine_, Change(1));
  RemoveDirectoryA("C:\\temp.ini");
  EXPECT_FALSE(written.ok);
  EXPECT_NE(written.message.find("C:\\boot.ini was not changed"), std::string::npos)
      << written.message;
  EXPECT_EQ(deploy::test::ReadFileText("C:\\boot.ini"), bootIni_);
}

TEST_P(BootLogo, BootIniChangedMeanwhileIsNotRewritten) {
  logos::BootLogoChange change = Change(1);
  change.description = "\"Another system\"";
  const core::Outcome written = logos::WriteBootLogo(machine_, change);
  EXPECT_FALSE(written.ok);
  ExpectNothingWritten();
  EXPECT_FALSE(deploy::test::Exists(Kernel("Kernl1.exe")));
}

// XP Home and Professional; 2000 Professional and a server edition.
INSTANTIATE_TEST_SUITE_P(Editions, BootLogo,
                         testing::ValuesIn(win::WindowsVersion() == win::kWindowsXP
                                               ? std::vector<int>{1, 2}
                                               : std::vector<int>{3, 4}));

}  // namespace
}  // namespace logos::test
