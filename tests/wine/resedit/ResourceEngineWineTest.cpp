// The engine's output as Windows itself reads it: rebuilt copies of the
// synthetic shell, kernel and logon library load as data files and give the
// new strings and bitmaps; IMAGEHLP's checksum equals ours.

#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <vector>

#include "resedit/Checksum.h"
#include "resedit/ResourceUpdate.h"
#include "resedit/StringBlock.h"
#include "tests/wine/WinePaths.h"

namespace {

using CheckSumMappedFileFn = PIMAGE_NT_HEADERS(WINAPI*)(PVOID, DWORD, PDWORD, PDWORD);

std::string Fixture(const std::string& name) {
  return winetest::WindowsPath(winetest::EnvironmentOr("QUORLO_FIXTURES", ".")) + "\\" + name;
}

std::string TempFile(const std::string& name) {
  char directory[MAX_PATH];
  GetTempPathA(MAX_PATH, directory);
  return std::string(directory) + "quorlo-resedit-" + name;
}

std::vector<uint8_t> ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A 24-bit DIB without file header, as RT_BITMAP holds it.
std::vector<uint8_t> Dib(int width, int height) {
  BITMAPINFOHEADER info = {};
  info.biSize = sizeof(info);
  info.biWidth = width;
  info.biHeight = height;
  info.biPlanes = 1;
  info.biBitCount = 24;
  const size_t stride = (width * 3 + 3) & ~3;
  std::vector<uint8_t> dib(sizeof(info) + stride * height, 0x80);
  memcpy(dib.data(), &info, sizeof(info));
  return dib;
}

uint32_t ImagehlpChecksum(const std::vector<uint8_t>& bytes) {
  HMODULE imagehlp = LoadLibraryA("IMAGEHLP.DLL");
  EXPECT_NE(imagehlp, nullptr);
  if (!imagehlp) return 0;
  auto checkSum = reinterpret_cast<CheckSumMappedFileFn>(
      reinterpret_cast<void (*)()>(GetProcAddress(imagehlp, "CheckSumMappedFile")));
  EXPECT_NE(checkSum, nullptr);
  DWORD header = 0, sum = 0;
  if (checkSum)
    checkSum(const_cast<uint8_t*>(bytes.data()), static_cast<DWORD>(bytes.size()), &header, &sum);
  FreeLibrary(imagehlp);
  return sum;
}

struct SystemFile {
  const char* name;
  const char* extension;
  int bitmapId;
  int stringId;  // 0: the file has no string table
};

const SystemFile kFiles[] = {
    {"Explorer.exe", ".exe", 143, 578},
    {"ntoskrnl.exe", ".exe", 1, 0},
    {"MSGINA.DLL", ".dll", 101, 0},
};

TEST(ResourceEngineUnderWindows, RebuiltFilesLoadWithTheNewData) {
  for (const SystemFile& file : kFiles) {
    const std::string in = Fixture(file.name);
    const std::string out = TempFile(std::string("rebuilt-") + file.name);
    ASSERT_EQ(resedit::BeginResourceUpdate(in), resedit::ResourceStatus::kSuccess) << in;
    std::vector<uint8_t> bitmap = Dib(37, 23);
    ASSERT_TRUE(resedit::UpdateResourceEntry(2, file.bitmapId, 0, bitmap.data(), bitmap.size()))
        << file.name;
    if (file.stringId != 0) {
      uint32_t block = resedit::StringBlockOf(file.stringId);
      auto strings = resedit::ReadStringBlock(in, block);
      ASSERT_TRUE(strings) << file.name;
      (*strings)[file.stringId % 16] = u"Quorlo Start";
      auto encoded = resedit::EncodeStringBlock(*strings);
      ASSERT_TRUE(resedit::UpdateResourceEntry(6, block, 0, encoded->data(), encoded->size()));
    }
    ASSERT_EQ(resedit::EndResourceUpdate(out), resedit::ResourceStatus::kSuccess) << out;
    ASSERT_TRUE(resedit::WriteImageChecksum(out, resedit::ComputeImageChecksum(out)));

    HMODULE module = LoadLibraryExA(out.c_str(), nullptr,
                                    LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (!module) module = LoadLibraryExA(out.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(module, nullptr) << out << " error " << GetLastError();
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(file.bitmapId), MAKEINTRESOURCEA(2));
    ASSERT_NE(found, nullptr) << file.name;
    EXPECT_EQ(SizeofResource(module, found), bitmap.size()) << file.name;
    const void* data = LockResource(LoadResource(module, found));
    ASSERT_NE(data, nullptr) << file.name;
    EXPECT_EQ(memcmp(data, bitmap.data(), bitmap.size()), 0) << file.name;
    HBITMAP loaded = LoadBitmapA(module, MAKEINTRESOURCEA(file.bitmapId));
    ASSERT_NE(loaded, nullptr) << file.name;
    BITMAP info = {};
    GetObjectA(loaded, sizeof(info), &info);
    EXPECT_EQ(info.bmWidth, 37) << file.name;
    EXPECT_EQ(info.bmHeight, 23) << file.name;
    DeleteObject(loaded);
    if (file.stringId != 0) {
      char text[64] = {};
      EXPECT_EQ(LoadStringA(module, file.stringId, text, sizeof(text)), 12) << file.name;
      EXPECT_STREQ(text, "Quorlo Start") << file.name;
    }
    FreeLibrary(module);
    DeleteFileA(out.c_str());
  }
}

TEST(ResourceEngineUnderWindows, ImagehlpChecksumEqualsOurs) {
  std::vector<std::string> files;
  for (const SystemFile& file : kFiles) files.push_back(Fixture(file.name));
  // A rebuilt file and one of odd length as well.
  const std::string rebuilt = TempFile("checksum.exe");
  ASSERT_EQ(resedit::BeginResourceUpdate(Fixture("Explorer.exe")),
            resedit::ResourceStatus::kSuccess);
  std::vector<uint8_t> bitmap = Dib(5, 3);
  ASSERT_TRUE(resedit::UpdateResourceEntry(2, 143, 0, bitmap.data(), bitmap.size()));
  ASSERT_EQ(resedit::EndResourceUpdate(rebuilt), resedit::ResourceStatus::kSuccess);
  files.push_back(rebuilt);
  const std::string odd = TempFile("odd.exe");
  {
    std::vector<uint8_t> bytes = ReadBytes(Fixture("ntoskrnl.exe"));
    bytes.push_back(0xC3);
    std::ofstream(odd, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  }
  files.push_back(odd);
  for (const std::string& path : files) {
    std::vector<uint8_t> bytes = ReadBytes(path);
    ASSERT_FALSE(bytes.empty()) << path;
    uint32_t ours = resedit::PeImageChecksum(resedit::ByteSpan(bytes.data(), bytes.size()));
    EXPECT_EQ(ImagehlpChecksum(bytes), ours) << path;
    EXPECT_EQ(resedit::ComputeImageChecksum(path), ours) << path;
    EXPECT_EQ(resedit::ComputePortableImageChecksum(path), ours) << path;
  }
  DeleteFileA(rebuilt.c_str());
  DeleteFileA(odd.c_str());
}

// A file whose words, without the CheckSum field, sum to exactly 0xFFFF
// (made by setting one word of the DOS stub): the one case where IMAGEHLP's
// result depends on the value in the field. Ours must follow it for every
// field value, and the value we store must verify afterwards.
TEST(ResourceEngineUnderWindows, ChecksumWhenTheSumFoldsToAllOnes) {
  std::vector<uint8_t> bytes = ReadBytes(Fixture("ntoskrnl.exe"));
  ASSERT_GT(bytes.size(), 0x100u);
  const size_t word = 0x40;
  uint32_t lfanew;
  memcpy(&lfanew, &bytes[0x3C], 4);
  const size_t field = lfanew + 24 + 64;
  memset(&bytes[field], 0, 4);
  bytes[word] = bytes[word + 1] = 0;
  uint32_t withoutWord =
      resedit::PeImageChecksum(resedit::ByteSpan(bytes.data(), bytes.size())) - bytes.size();
  uint16_t fill = static_cast<uint16_t>(0xFFFF - withoutWord);
  memcpy(&bytes[word], &fill, 2);
  ASSERT_EQ(resedit::PeImageChecksum(resedit::ByteSpan(bytes.data(), bytes.size())),
            0xFFFFu + bytes.size());
  for (uint32_t stored : {0u, 0x0000FFFFu, 0x12345678u, 0xFFFFFFFFu}) {
    std::vector<uint8_t> copy = bytes;
    memcpy(&copy[field], &stored, 4);
    EXPECT_EQ(ImagehlpChecksum(copy),
              resedit::PeImageChecksum(resedit::ByteSpan(copy.data(), copy.size())))
        << "field 0x" << std::hex << stored;
  }
  const std::string path = TempFile("allones.exe");
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  uint32_t toStore = resedit::ComputeImageChecksum(path);
  EXPECT_EQ(toStore, resedit::ComputePortableImageChecksum(path));
  ASSERT_TRUE(resedit::WriteImageChecksum(path, toStore));
  EXPECT_EQ(ImagehlpChecksum(ReadBytes(path)), toStore) << "the stored checksum verifies";
  DeleteFileA(path.c_str());
}

}  // namespace
