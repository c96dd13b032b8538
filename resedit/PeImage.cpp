#include <algorithm>

#include "resedit/ResourceTree.h"
#include "resedit/ResourceUpdateState.h"

namespace resedit {

namespace {

constexpr uint16_t kDosMagic = 0x5A4D;
constexpr uint32_t kPeSignature = 0x00004550;
constexpr uint16_t kPe32Magic = 0x10B;
constexpr uint16_t kPe32PlusMagic = 0x20B;
constexpr uint32_t kPe32FixedOptionalHeader = 96;
constexpr uint32_t kMaxDataDirectories = 16;
// The Windows loader refuses images with more sections than this.
constexpr uint32_t kMaxSections = 96;

SectionHeader ReadSectionHeader(ByteSpan header) {
  SectionHeader h;
  for (int i = 0; i < 8; ++i) h.name[i] = header.Data()[i];
  h.virtualSize = *header.U32(8);
  h.virtualAddress = *header.U32(12);
  h.sizeOfRawData = *header.U32(16);
  h.pointerToRawData = *header.U32(20);
  h.pointerToRelocations = *header.U32(24);
  h.pointerToLinenumbers = *header.U32(28);
  h.numberOfRelocations = *header.U16(32);
  h.numberOfLinenumbers = *header.U16(34);
  h.characteristics = *header.U32(36);
  return h;
}

bool IsResourceSectionName(const uint8_t (&name)[8]) {
  static const uint8_t kName[8] = {'.', 'r', 's', 'r', 'c', 0, 0, 0};
  return std::equal(name, name + 8, kName);
}

ResourceStatus ReadGeometry(ByteSpan image, PeGeometry& g, uint32_t& sectionCount) {
  if (image.U16(0) != kDosMagic) return ResourceStatus::kNotPeImage;
  auto lfanew = image.U32(0x3C);
  if (!lfanew || image.U32(*lfanew) != kPeSignature) return ResourceStatus::kNotPeImage;
  g.ntHeaders = *lfanew;
  g.optionalHeader = g.ntHeaders + 24;  // cannot wrap: the signature fitted in the file
  auto fileHeader = image.Sub(uint64_t{g.ntHeaders} + 4, 20);
  auto magic = image.U16(g.optionalHeader);
  if (!fileHeader || !magic) return ResourceStatus::kMalformedImage;
  // Offsets in a PE32+ optional header differ; editing one as PE32 would
  // corrupt it, so it is refused before anything else is read from it.
  if (*magic == kPe32PlusMagic) return ResourceStatus::kUnsupportedImage;
  if (*magic != kPe32Magic) return ResourceStatus::kMalformedImage;
  sectionCount = *fileHeader->U16(2);
  uint32_t optionalSize = *fileHeader->U16(16);
  auto optional = image.Sub(g.optionalHeader, kPe32FixedOptionalHeader);
  if (!optional || optionalSize < kPe32FixedOptionalHeader) return ResourceStatus::kMalformedImage;
  g.sectionAlignment = *optional->U32(32);
  g.fileAlignment = *optional->U32(36);
  g.sizeOfHeaders = *optional->U32(60);
  g.dataDirectoryCount = std::min(*optional->U32(92), kMaxDataDirectories);
  if (kPe32FixedOptionalHeader + 8 * g.dataDirectoryCount > optionalSize ||
      !image.Contains(g.optionalHeader, kPe32FixedOptionalHeader + 8 * g.dataDirectoryCount))
    return ResourceStatus::kMalformedImage;
  // Alignments are 16-bit quantities to the rebuild; zero would make
  // every rounding meaningless.
  if (g.fileAlignment == 0 || g.fileAlignment > 0xFFFF || g.sectionAlignment == 0 ||
      g.sectionAlignment > 0xFFFF)
    return ResourceStatus::kUnsupportedImage;
  // The section table follows the optional header as the file header sizes
  // it, which for every PE32 linker output is 224 bytes.
  g.sectionTable = g.optionalHeader + optionalSize;
  uint64_t tableEnd = uint64_t{g.sectionTable} + uint64_t{sectionCount} * kSectionHeaderSize;
  if (sectionCount > kMaxSections || tableEnd > image.Size() || tableEnd > g.sizeOfHeaders ||
      g.sizeOfHeaders > image.Size())
    return ResourceStatus::kMalformedImage;
  return ResourceStatus::kSuccess;
}

}  // namespace

ResourceStatus ReadImageTables(ResourceUpdateState& state) {
  ByteSpan image = state.Image();
  PeGeometry& g = state.geometry;
  uint32_t sectionCount = 0;
  ResourceStatus status = ReadGeometry(image, g, sectionCount);
  if (status != ResourceStatus::kSuccess) return status;

  // A section may end past the file only by the rounding to FileAlignment
  // that the file omitted; the missing bytes are written as zeros.
  uint64_t roundedFileSize = RoundUp(image.Size(), g.fileAlignment);
  bool haveResources = false;
  state.overlayStart = g.sizeOfHeaders;
  for (uint32_t i = 0; i < sectionCount; ++i) {
    SectionRecord record;
    record.header = ReadSectionHeader(*image.Sub(g.sectionTable + uint64_t{i} * 40, 40));
    const SectionHeader& h = record.header;
    if (h.sizeOfRawData != 0) {
      uint64_t end = uint64_t{h.pointerToRawData} + h.sizeOfRawData;
      if (h.pointerToRawData == 0 || end > roundedFileSize) return ResourceStatus::kMalformedImage;
      state.overlayStart = std::max(state.overlayStart, std::min<uint64_t>(end, image.Size()));
    }
    record.data = image.Clamp(h.pointerToRawData, h.sizeOfRawData);
    record.dataSize = h.sizeOfRawData;
    if (IsResourceSectionName(h.name)) {
      // Two resource sections leave it unclear which one the loader uses.
      if (haveResources) return ResourceStatus::kUnsupportedImage;
      haveResources = true;
      state.resourceSectionIndex = i;
      state.resourceBase = h.pointerToRawData;
      state.resourceRva = h.virtualAddress;
    }
    state.sections.push_back(record);
  }
  state.overlaySize = static_cast<int64_t>(image.Size()) - static_cast<int64_t>(state.overlayStart);

  if (!haveResources) return ResourceStatus::kSuccess;
  // The loader finds resources through data directory 2; a section name that
  // disagrees with it would make us rewrite the wrong bytes.
  if (g.dataDirectoryCount <= kResourceDirectoryIndex ||
      image.U32(g.optionalHeader + 96 + 8 * kResourceDirectoryIndex) != state.resourceRva)
    return ResourceStatus::kMalformedImage;
  const SectionRecord& resources = state.sections[state.resourceSectionIndex];
  status = ReadResourceTree(resources.data, state.resourceRva, state.rootHeader, state.names,
                            state.entries);
  if (status != ResourceStatus::kSuccess) return status;
  state.updateOpen = true;
  return ResourceStatus::kSuccess;
}

}  // namespace resedit
