#include "tests/wine/logon/LogonTestSupport.h"

#include <gtest/gtest.h>

#include "core/FileIo.h"
#include "deploy/Activation.h"
#include "resedit/Checksum.h"
#include "resedit/ResourceReader.h"
#include "tests/robot/ImageFiles.h"
#include "tests/wine/WinePaths.h"
#include "tests/wine/deploy/DeployTestSupport.h"
#include "win/ProgramIdentity.h"
#include "win/SystemFacts.h"

namespace logon::test {

using deploy::test::Exists;

std::string SystemFile(const std::string& name) {
  return win::GetSystemDir() + name;
}
std::string Gina(int n) {
  return SystemFile("Gina" + std::to_string(n) + ".dll");
}
std::string Msgina() {
  return SystemFile("MSGINA.DLL");
}
// MSGINA.DLL is moved here while a test needs it missing.
std::string MsginaAside() {
  return SystemFile("MSGINA.aside");
}

std::string GinaDllSetting() {
  return deploy::test::RegistryString(HKEY_LOCAL_MACHINE, deploy::kWinlogonKey, "GinaDLL");
}
bool GinaDllSet() {
  return deploy::test::RegistryValueExists(HKEY_LOCAL_MACHINE, deploy::kWinlogonKey, "GinaDLL");
}
std::string ShellValue() {
  return deploy::test::RegistryString(HKEY_LOCAL_MACHINE, deploy::kWinlogonKey, "Shell");
}

void StoreEdition(int edition) {
  HKEY key;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, &win::ProgramRegistryKey[1], 0, nullptr, 0,
                            KEY_ALL_ACCESS, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  const DWORD value = static_cast<DWORD>(edition);
  const char* name = deploy::test::IsXP() ? "XP Edition" : "2k Edition";
  RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
  RegCloseKey(key);
}

Bytes ReadBytes(const std::string& path) {
  Bytes bytes;
  core::ReadWholeFile(path, 64u << 20, bytes);
  return bytes;
}

// The fixture's own drawing of a bitmap, as the build made it.
Bytes FixtureBitmapFile(int id) {
  const std::string dir = winetest::WindowsPath(winetest::EnvironmentOr("QUORLO_FIXTURES", "."));
  return ReadBytes(dir + "\\work\\pictures\\gina_" + std::to_string(id) + ".bmp");
}

Bytes ResourceOf(const std::string& file, int id) {
  return resedit::ReadResourceData(file, kBitmapType, id).value_or(Bytes{});
}

// A 24-bit bitmap file of the given size, every pixel from the seed.
Bytes Bitmap24(int width, int height, uint32_t seed) {
  std::vector<uint32_t> pixels(size_t(width) * height);
  for (size_t i = 0; i < pixels.size(); ++i)
    pixels[i] = (seed * 2654435761u + uint32_t(i) * 40503u) & 0xFFFFFF;
  return robot::EncodeBmp(width, height, pixels);
}

// An 8-bit bitmap file with a 16-colour table, written out by hand.
Bytes Bitmap8(int width, int height, uint8_t seed) {
  const uint32_t colours = 16;
  const uint32_t rowBytes = (uint32_t(width) + 3) & ~3u;
  const uint32_t bitsOffset = 14 + 40 + 4 * colours;
  Bytes file(bitsOffset + rowBytes * height, 0);
  auto put = [&file](size_t at, uint32_t value, int width) {
    for (int i = 0; i < width; ++i) file[at + i] = uint8_t(value >> (8 * i));
  };
  put(0, 0x4D42, 2);
  put(2, uint32_t(file.size()), 4);
  put(10, bitsOffset, 4);
  put(14, 40, 4);
  put(18, uint32_t(width), 4);
  put(22, uint32_t(height), 4);
  put(26, 1, 2);
  put(28, 8, 2);
  put(34, rowBytes * height, 4);
  put(46, colours, 4);
  for (uint32_t c = 0; c < colours; ++c) put(54 + 4 * c, (c * 0x102030u + seed) & 0xFFFFFF, 4);
  for (size_t i = bitsOffset; i < file.size(); ++i) file[i] = uint8_t((i * 5 + seed) % colours);
  return file;
}

std::string WriteTestFile(const std::string& name, const Bytes& bytes) {
  const std::string path = win::GetTempDir() + name;
  EXPECT_TRUE(robot::WriteImageFile(path, bytes)) << path;
  return path;
}

// The library's resources are those of `source` except the replaced
// bitmaps, which hold exactly the given data.
void ExpectResources(const std::string& source, const std::string& copy,
                     const std::vector<std::pair<int, Bytes>>& replaced) {
  resedit::ResourceFile before;
  resedit::ResourceFile after;
  ASSERT_EQ(before.Open(source), resedit::ResourceStatus::kSuccess);
  ASSERT_EQ(after.Open(copy), resedit::ResourceStatus::kSuccess);
  const auto listing = before.List();
  ASSERT_EQ(listing.size(), after.List().size());
  for (const resedit::ResourceListing& entry : listing) {
    const auto old = before.Find(entry.type, entry.name);
    const auto now = after.Find(entry.type, entry.name);
    ASSERT_TRUE(old && now) << "resource " << entry.name.number;
    const Bytes* expected = &*old;
    for (const auto& [id, data] : replaced)
      if (entry.type.number == kBitmapType && entry.name.number == uint32_t(id)) expected = &data;
    EXPECT_TRUE(*now == *expected) << "resource " << entry.type.number << "/" << entry.name.number;
  }
}

// Renumbers bitmap `from` of a PE32 file to `to`, in place; `to` must keep
// the bitmap directory in ascending order. The test's own walk of the
// resource tree, independent of the engine.
bool RenumberBitmap(const std::string& path, WORD from, WORD to) {
  Bytes file = ReadBytes(path);
  if (file.size() < sizeof(IMAGE_DOS_HEADER)) return false;
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(file.data());
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS32*>(file.data() + dos->e_lfanew);
  const DWORD rva = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_RESOURCE].VirtualAddress;
  const auto* sections = reinterpret_cast<const IMAGE_SECTION_HEADER*>(
      reinterpret_cast<const uint8_t*>(&nt->OptionalHeader) + nt->FileHeader.SizeOfOptionalHeader);
  size_t base = 0;
  for (int i = 0; i < nt->FileHeader.NumberOfSections; ++i) {
    const IMAGE_SECTION_HEADER& s = sections[i];
    if (rva >= s.VirtualAddress && rva < s.VirtualAddress + s.Misc.VirtualSize)
      base = s.PointerToRawData + (rva - s.VirtualAddress);
  }
  if (base == 0) return false;
  auto entries = [&](size_t at) {
    const auto* dir = reinterpret_cast<const IMAGE_RESOURCE_DIRECTORY*>(file.data() + at);
    return std::make_pair(reinterpret_cast<IMAGE_RESOURCE_DIRECTORY_ENTRY*>(
                              file.data() + at + sizeof(IMAGE_RESOURCE_DIRECTORY)),
                          dir->NumberOfNamedEntries + dir->NumberOfIdEntries);
  };
  const auto [types, typeCount] = entries(base);
  for (int t = 0; t < typeCount; ++t) {
    if (types[t].NameIsString || types[t].Id != kBitmapType) continue;
    const auto [names, nameCount] = entries(base + types[t].OffsetToDirectory);
    for (int n = 0; n < nameCount; ++n) {
      if (names[n].NameIsString || names[n].Id != from) continue;
      names[n].Id = to;
      return robot::WriteImageFile(path, file);
    }
  }
  return false;
}

// The PE checksum as IMAGEHLP and as our own code see it.
void ExpectChecksumVerifies(const std::string& file) {
  HMODULE imagehlp = LoadLibraryA("imagehlp.dll");
  ASSERT_NE(imagehlp, nullptr);
  using MapFileAndCheckSum = DWORD(WINAPI*)(PCSTR, PDWORD, PDWORD);
  auto map = reinterpret_cast<MapFileAndCheckSum>(
      reinterpret_cast<void*>(GetProcAddress(imagehlp, "MapFileAndCheckSumA")));
  ASSERT_NE(map, nullptr);
  DWORD stored = 0;
  DWORD computed = 0;
  ASSERT_EQ(map(file.c_str(), &stored, &computed), 0u) << file;
  FreeLibrary(imagehlp);
  EXPECT_NE(stored, 0u);
  EXPECT_EQ(stored, computed) << file;
  EXPECT_EQ(stored, resedit::ComputePortableImageChecksum(file)) << file;
}

void ResetLogonState() {
  if (Exists(MsginaAside())) MoveFileA(MsginaAside().c_str(), Msgina().c_str());
  deploy::SetGinaDll("");
  for (int n = 1; n <= 9; ++n) {
    const std::string path = Gina(n);
    for (const std::string& p : {path, path + core::kTemporarySuffix}) {
      SetFileAttributesA(p.c_str(), FILE_ATTRIBUTE_NORMAL);
      DeleteFileA(p.c_str());
      RemoveDirectoryA(p.c_str());
    }
  }
  deploy::SetShell(win::GetWindowsDir() + "Explorer.exe");
  StoreEdition(deploy::test::IsXP() ? 2 : 3);
}

}  // namespace logon::test
