#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "resedit/ByteSpan.h"
#include "resedit/ResourceStatus.h"

namespace resedit {

constexpr uint32_t kNameFlag = 0x80000000u;  // identifier is a NameTable offset
constexpr uint32_t kSectionHeaderSize = 40;
constexpr uint32_t kDirectoryHeaderSize = 16;
constexpr uint32_t kDirectoryEntrySize = 8;
constexpr uint32_t kDataEntrySize = 16;
constexpr uint32_t kResourceDirectoryIndex = 2;
constexpr uint32_t kCertificateDirectoryIndex = 4;
constexpr uint32_t kBaseRelocationDirectoryIndex = 5;
constexpr uint32_t kDebugDirectoryIndex = 6;

struct SectionHeader {
  uint8_t name[8] = {};
  uint32_t virtualSize = 0;
  uint32_t virtualAddress = 0;
  uint32_t sizeOfRawData = 0;
  uint32_t pointerToRawData = 0;
  uint32_t pointerToRelocations = 0;
  uint32_t pointerToLinenumbers = 0;
  uint16_t numberOfRelocations = 0;
  uint16_t numberOfLinenumbers = 0;
  uint32_t characteristics = 0;
};

struct SectionRecord {
  SectionHeader header;
  ByteSpan data;          // the section's raw bytes that the file really holds
  uint32_t dataSize = 0;  // SizeOfRawData; may exceed data.Size() when the file is cut short
};

// Resource names copied from the file: a 16-bit length, that many UTF-16
// units, no terminator; records back to back, each stored once.
using NameTable = std::vector<uint8_t>;

struct ResourceEntry {
  uint32_t typeId = 0;
  uint32_t nameId = 0;
  uint32_t nameDirOffset = 0;
  uint32_t languageId = 0;
  uint32_t languageDirOffset = 0;
  uint32_t dataEntryOffset = 0;
  ByteSpan data;
  uint32_t dataSize = 0;
  uint32_t offsetToData = 0;
  uint32_t size = 0;
  uint32_t codePage = 0;
  uint32_t reserved = 0;
};

struct DirectoryHeader {
  uint32_t characteristics = 0;
  uint32_t timeDateStamp = 0;
  uint16_t majorVersion = 0;
  uint16_t minorVersion = 0;
};

// Where the headers of the open image are and the values the rebuild needs.
struct PeGeometry {
  uint32_t ntHeaders = 0;       // e_lfanew
  uint32_t optionalHeader = 0;  // ntHeaders + 24
  uint32_t sectionTable = 0;    // optionalHeader + SizeOfOptionalHeader
  uint32_t fileAlignment = 0;
  uint32_t sectionAlignment = 0;
  uint32_t sizeOfHeaders = 0;
  uint32_t dataDirectoryCount = 0;  // NumberOfRvaAndSizes, at most 16
};

struct ResourceUpdateState {
  bool updateOpen = false;
  std::vector<uint8_t> image;
  PeGeometry geometry;
  std::vector<SectionRecord> sections;
  size_t resourceSectionIndex = 0;
  uint32_t resourceBase = 0;
  uint32_t resourceRva = 0;
  DirectoryHeader rootHeader;
  NameTable names;
  std::vector<ResourceEntry> entries;
  std::vector<std::vector<uint8_t>> replacements;
  uint64_t overlayStart = 0;  // end of the furthest section's raw data
  int64_t overlaySize = 0;

  ByteSpan Image() const { return ByteSpan(image.data(), image.size()); }
};

// Fills geometry, sections, overlay and, when the image has a ".rsrc"
// section, the resource tables of a state whose image is loaded.
ResourceStatus ReadImageTables(ResourceUpdateState& state);

// The open update of BeginResourceUpdate, for inspection (tests, tools).
const ResourceUpdateState& CurrentResourceUpdate();

}  // namespace resedit
