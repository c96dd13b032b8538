#include "resedit/ImageRebuild.h"

#include <algorithm>
#include <optional>

namespace resedit {

namespace {

constexpr uint32_t kContainsCode = 0x00000020;
constexpr uint32_t kInitializedData = 0x00000040;
constexpr uint32_t kUninitializedData = 0x00000080;
constexpr uint32_t kDiscardable = 0x02000000;
constexpr uint32_t kDebugRecordSize = 28;
constexpr uint64_t kMaxOffset = 0xFFFFFFFFu;

// The loader maps VirtualSize bytes, or SizeOfRawData when VirtualSize is 0.
uint64_t VirtualSpan(const SectionHeader& h) {
  return h.virtualSize != 0 ? h.virtualSize : h.sizeOfRawData;
}

struct Layout {
  uint64_t oldResourceEnd = 0;  // first RVA past the old resource section
  int64_t growth = 0;
  std::vector<uint64_t> newPointer;  // new PointerToRawData per section
  std::vector<uint64_t> newRawSize;  // new SizeOfRawData per section
  uint64_t overlayStart = 0;         // new file offset of the overlay
};

bool IsAfterResources(const ResourceUpdateState& s, const SectionHeader& h) {
  return h.virtualAddress > s.resourceRva;
}

// A file offset of the source in the new file: inside a copied section or
// inside the overlay; empty for offsets whose bytes are not copied.
std::optional<uint64_t> MapFileOffset(const ResourceUpdateState& s, const Layout& layout,
                                      uint64_t offset) {
  for (size_t i = 0; i < s.sections.size(); ++i) {
    const SectionHeader& h = s.sections[i].header;
    if (i == s.resourceSectionIndex || h.sizeOfRawData == 0) continue;
    if (offset >= h.pointerToRawData && offset - h.pointerToRawData < h.sizeOfRawData)
      return layout.newPointer[i] + (offset - h.pointerToRawData);
  }
  if (s.overlaySize > 0 && offset >= s.overlayStart && offset <= s.image.size())
    return layout.overlayStart + (offset - s.overlayStart);
  return std::nullopt;
}

std::optional<uint64_t> MapRva(const Layout& layout, uint64_t rva) {
  if (rva < layout.oldResourceEnd) return rva;
  int64_t moved = static_cast<int64_t>(rva) + layout.growth;
  if (moved < 0 || static_cast<uint64_t>(moved) > kMaxOffset) return std::nullopt;
  return static_cast<uint64_t>(moved);
}

// True when the RVA range of data directory `index` lies in section `h`.
bool DirectoryInSection(ByteSpan image, const PeGeometry& g, uint32_t index, const SectionHeader& h,
                        uint32_t sectionAlignment) {
  uint32_t rva = *image.U32(g.optionalHeader + 96 + 8 * index);
  if (rva == 0 || index == kCertificateDirectoryIndex) return false;
  return rva >= h.virtualAddress &&
         rva - h.virtualAddress < RoundUp(VirtualSpan(h), sectionAlignment);
}

// Where the bytes of RVA range [rva, rva + size) lie in the source file.
std::optional<uint64_t> RvaToFileOffset(const ResourceUpdateState& s, uint64_t rva, uint64_t size) {
  if (rva + size <= s.geometry.sizeOfHeaders) return rva;
  for (size_t i = 0; i < s.sections.size(); ++i) {
    const SectionHeader& h = s.sections[i].header;
    if (rva >= h.virtualAddress && rva - h.virtualAddress + size <= s.sections[i].data.Size())
      return h.pointerToRawData + (rva - h.virtualAddress);
  }
  return std::nullopt;
}

void CorrectDebugRecords(ResourceUpdateState& s, const Layout& layout) {
  const PeGeometry& g = s.geometry;
  if (g.dataDirectoryCount <= kDebugDirectoryIndex) return;
  ByteSpan image = s.Image();
  uint32_t rva = *image.U32(g.optionalHeader + 96 + 8 * kDebugDirectoryIndex);
  uint32_t size = *image.U32(g.optionalHeader + 96 + 8 * kDebugDirectoryIndex + 4);
  if (rva == 0 || size == 0) return;
  auto at = RvaToFileOffset(s, rva, size);
  // Records inside the resource section are not carried over; there is
  // nothing to correct then. Records said to lie in the headers are no
  // linker's: "correcting" them would write into the DOS and NT headers
  // (e_lfanew among them), so they are left as they are.
  const SectionHeader& resources = s.sections[s.resourceSectionIndex].header;
  if (!at || (rva >= resources.virtualAddress && rva < layout.oldResourceEnd)) return;
  if (*at < s.geometry.sizeOfHeaders) return;
  ByteWriter out(s.image.data(), s.image.size());
  for (uint64_t record = 0; record + kDebugRecordSize <= size; record += kDebugRecordSize) {
    uint64_t base = *at + record;
    uint32_t addressOfRawData = *image.U32(base + 20);
    uint32_t pointerToRawData = *image.U32(base + 24);
    if (addressOfRawData != 0) {
      auto moved = MapRva(layout, addressOfRawData);
      out.PutU32(base + 20, moved ? static_cast<uint32_t>(*moved) : 0);
    }
    if (pointerToRawData != 0) {
      auto moved = MapFileOffset(s, layout, pointerToRawData);
      out.PutU32(base + 24, moved ? static_cast<uint32_t>(*moved) : 0);
    }
  }
}

}  // namespace

ResourceStatus PlanRebuild(ResourceUpdateState& s, RebuildPlan& plan) {
  const PeGeometry& g = s.geometry;
  ByteSpan image = s.Image();
  SectionRecord& resources = s.sections[s.resourceSectionIndex];
  auto built =
      BuildResourceSection(s.entries, s.names, s.rootHeader, s.resourceRva, g.fileAlignment);
  if (!built) return ResourceStatus::kUnsupportedImage;
  plan.resources = std::move(*built);

  Layout layout;
  uint64_t oldSpan = RoundUp(VirtualSpan(resources.header), g.sectionAlignment);
  uint64_t newSpan = RoundUp(plan.resources.sectionSize, g.sectionAlignment);
  layout.oldResourceEnd = s.resourceRva + oldSpan;
  layout.growth = static_cast<int64_t>(newSpan) - static_cast<int64_t>(oldSpan);

  uint64_t sizeOfImage = RoundUp(g.sizeOfHeaders, g.sectionAlignment);
  uint64_t oldSizeOfImage = sizeOfImage;  // the same sum over the source layout
  for (const SectionRecord& section : s.sections) {
    const SectionHeader& h = section.header;
    bool isResources = &section == &resources;
    bool after = !isResources && IsAfterResources(s, h);
    if (after && layout.growth != 0) {
      if (h.virtualAddress < layout.oldResourceEnd) return ResourceStatus::kMalformedImage;
      if (!(h.characteristics & kDiscardable) ||
          h.virtualAddress + layout.growth + VirtualSpan(h) > kMaxOffset)
        return ResourceStatus::kUnsupportedImage;
      for (uint32_t d = 0; d < g.dataDirectoryCount; ++d) {
        if (d != kBaseRelocationDirectoryIndex && d != kDebugDirectoryIndex &&
            DirectoryInSection(image, g, d, h, g.sectionAlignment))
          return ResourceStatus::kUnsupportedImage;
      }
    }
    uint64_t va =
        after ? static_cast<uint64_t>(h.virtualAddress + layout.growth) : h.virtualAddress;
    uint64_t span = isResources ? plan.resources.sectionSize : VirtualSpan(h);
    sizeOfImage =
        std::max(sizeOfImage, RoundUp(va + std::max<uint64_t>(span, 1), g.sectionAlignment));
    oldSizeOfImage = std::max(
        oldSizeOfImage, RoundUp(uint64_t{h.virtualAddress} + std::max<uint64_t>(VirtualSpan(h), 1),
                                g.sectionAlignment));
  }
  if (sizeOfImage > kMaxOffset) return ResourceStatus::kUnsupportedImage;

  // File layout: headers, then every section's raw data back to back. A
  // section without raw data (.bss) keeps its PointerToRawData: tools take
  // a non-zero pointer for contents.
  uint64_t rawPos = RoundUp(g.sizeOfHeaders, g.fileAlignment);
  int64_t codeChange = 0, initializedChange = 0, uninitializedChange = 0;
  for (size_t i = 0; i < s.sections.size(); ++i) {
    const SectionHeader& h = s.sections[i].header;
    uint64_t rawSize = i == s.resourceSectionIndex ? plan.resources.bytes.size()
                                                   : RoundUp(h.sizeOfRawData, g.fileAlignment);
    layout.newPointer.push_back(rawSize != 0 ? rawPos : h.pointerToRawData);
    layout.newRawSize.push_back(rawSize);
    rawPos += rawSize;
    const int64_t change = static_cast<int64_t>(rawSize) - static_cast<int64_t>(h.sizeOfRawData);
    if (h.characteristics & kContainsCode) codeChange += change;
    if (h.characteristics & kInitializedData) initializedChange += change;
    if (h.characteristics & kUninitializedData) uninitializedChange += change;
  }
  layout.overlayStart = rawPos;
  uint64_t overlaySize = s.overlaySize > 0 ? static_cast<uint64_t>(s.overlaySize) : 0;
  if (rawPos > kMaxOffset) return ResourceStatus::kUnsupportedImage;

  for (uint32_t d = 0; d < g.dataDirectoryCount; ++d) {
    uint32_t rva = *image.U32(g.optionalHeader + 96 + 8 * d);
    if (d != kResourceDirectoryIndex && d != kCertificateDirectoryIndex && rva != 0 &&
        !MapRva(layout, rva))
      return ResourceStatus::kUnsupportedImage;
  }

  // Every refusal is behind us; from here on the source image is corrected.
  CorrectDebugRecords(s, layout);

  plan.headers.assign(RoundUp(g.sizeOfHeaders, g.fileAlignment), 0);
  std::copy(s.image.begin(), s.image.begin() + g.sizeOfHeaders, plan.headers.begin());
  ByteWriter out(plan.headers.data(), plan.headers.size());
  ByteSpan headers(plan.headers.data(), plan.headers.size());
  const uint64_t opt = g.optionalHeader;
  // The size fields move by what the layout changed, so a linker's own way
  // of counting them (MinGW counts .bss by its virtual size) survives.
  const auto adjust = [&](uint64_t at, int64_t change) {
    const int64_t value = static_cast<int64_t>(*headers.U32(at)) + change;
    out.PutU32(at, static_cast<uint32_t>(std::clamp<int64_t>(value, 0, kMaxOffset)));
  };
  adjust(opt + 4, codeChange);
  adjust(opt + 8, initializedChange);
  adjust(opt + 12, uninitializedChange);
  adjust(opt + 56, static_cast<int64_t>(sizeOfImage) - static_cast<int64_t>(oldSizeOfImage));
  if (*headers.U32(opt + 56) < sizeOfImage)
    out.PutU32(opt + 56, static_cast<uint32_t>(sizeOfImage));

  for (uint32_t d = 0; d < g.dataDirectoryCount; ++d) {
    uint64_t at = opt + 96 + 8 * d;
    uint32_t rva = *headers.U32(at);
    if (d == kResourceDirectoryIndex) {
      out.PutU32(at + 4, plan.resources.sectionSize);
    } else if (d == kCertificateDirectoryIndex) {
      // A file offset, not an RVA. The signature no longer matches the
      // edited file, but its bytes are kept with the overlay.
      auto moved = rva != 0 ? MapFileOffset(s, layout, rva) : std::nullopt;
      out.PutU32(at, moved ? static_cast<uint32_t>(*moved) : 0);
      if (!moved) out.PutU32(at + 4, 0);
    } else if (rva != 0) {
      out.PutU32(at, static_cast<uint32_t>(*MapRva(layout, rva)));
    }
  }

  // The COFF symbol table (MinGW keeps long section names there) is a file
  // offset too; it usually travels with the overlay.
  const uint64_t fileHeader = g.ntHeaders + 4;
  uint32_t symbols = *headers.U32(fileHeader + 8);
  if (symbols != 0) {
    auto moved = MapFileOffset(s, layout, symbols);
    out.PutU32(fileHeader + 8, moved ? static_cast<uint32_t>(*moved) : 0);
    if (!moved) out.PutU32(fileHeader + 12, 0);
  }

  for (size_t i = 0; i < s.sections.size(); ++i) {
    const SectionRecord& section = s.sections[i];
    const SectionHeader& h = section.header;
    uint64_t at = g.sectionTable + kSectionHeaderSize * i;
    bool isResources = i == s.resourceSectionIndex;
    uint64_t va = IsAfterResources(s, h) && !isResources ? h.virtualAddress + layout.growth
                                                         : h.virtualAddress;
    if (isResources) out.PutU32(at + 8, plan.resources.sectionSize);
    out.PutU32(at + 12, static_cast<uint32_t>(va));
    out.PutU32(at + 16, static_cast<uint32_t>(layout.newRawSize[i]));
    out.PutU32(at + 20, static_cast<uint32_t>(layout.newPointer[i]));
    if (isResources) {
      plan.pieces.push_back(
          {ByteSpan(plan.resources.bytes.data(), plan.resources.bytes.size()), 0});
    } else if (layout.newRawSize[i] != 0) {
      // The rounding to FileAlignment takes the source's following bytes,
      // as the loader would; past the end of the file it is zeros.
      ByteSpan bytes = image.Clamp(h.pointerToRawData, layout.newRawSize[i]);
      plan.pieces.push_back({bytes, layout.newRawSize[i] - bytes.Size()});
    }
  }
  if (overlaySize > 0) plan.pieces.push_back({image.Clamp(s.overlayStart, overlaySize), 0});
  plan.fileSize = layout.overlayStart + overlaySize;
  return ResourceStatus::kSuccess;
}

void WritePlan(const RebuildPlan& plan, std::vector<uint8_t>& out) {
  out.clear();
  out.reserve(static_cast<size_t>(plan.fileSize));
  out.insert(out.end(), plan.headers.begin(), plan.headers.end());
  for (const RebuildPlan::Piece& piece : plan.pieces) {
    out.insert(out.end(), piece.bytes.Data(), piece.bytes.Data() + piece.bytes.Size());
    out.resize(out.size() + static_cast<size_t>(piece.zeros));
  }
}

}  // namespace resedit
