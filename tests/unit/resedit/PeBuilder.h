#pragma once

// Builds small PE32 images in memory from tables, for tests that need an
// exact layout or a precisely broken file.

#include <cstdint>
#include <string>
#include <vector>

namespace resedit::test {

struct TestId {
  TestId(uint32_t value) : number(value) {}
  TestId(int value) : number(static_cast<uint32_t>(value)) {}
  TestId(const char16_t* value) : isText(true), text(value) {}
  bool isText = false;
  uint32_t number = 0;
  std::u16string text;
};

struct TestResource {
  TestId type;
  TestId name;
  uint32_t language = 1033;
  std::vector<uint8_t> data;
  uint32_t codePage = 0;
};

struct TestSection {
  std::string name;
  uint32_t characteristics = 0x40000040;  // initialised, readable data
  std::vector<uint8_t> data;              // raw data; its size is VirtualSize
  bool resources = false;                 // data is replaced by the resource tree
};

struct TestImage {
  uint32_t fileAlignment = 0x200;
  uint32_t sectionAlignment = 0x1000;
  std::vector<TestSection> sections;
  std::vector<TestResource> resources;  // consecutive per type, then per name
  std::vector<uint8_t> overlay;
  // Data directories set as {index, rva, size}; the resource directory is set
  // from the resource section.
  struct Directory {
    uint32_t index, rva, size;
  };
  std::vector<Directory> directories;
};

// Where things landed in the built image.
struct BuiltImage {
  std::vector<uint8_t> bytes;
  uint32_t lfanew = 0;
  uint32_t optionalHeader = 0;
  uint32_t sectionTable = 0;
  std::vector<uint32_t> sectionRva;
  std::vector<uint32_t> sectionPointer;
};

// The resource section is laid out depth-first (each directory followed by
// its subdirectories), unlike the engine's canonical layout.
BuiltImage BuildImage(const TestImage& image);

// A one-section image with these resources and nothing else.
TestImage ResourceOnlyImage(std::vector<TestResource> resources);

std::vector<uint8_t> Bytes(const std::string& text);
uint32_t ReadU32(const std::vector<uint8_t>& bytes, size_t at);
uint16_t ReadU16(const std::vector<uint8_t>& bytes, size_t at);
void WriteU32(std::vector<uint8_t>& bytes, size_t at, uint32_t value);
void WriteU16(std::vector<uint8_t>& bytes, size_t at, uint16_t value);

std::vector<uint8_t> ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::vector<uint8_t>& bytes);

// A fresh empty directory for one test.
std::string TestDirectory(const std::string& name);

}  // namespace resedit::test
