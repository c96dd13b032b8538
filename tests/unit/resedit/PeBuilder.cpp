#include "tests/unit/resedit/PeBuilder.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>

#include <unistd.h>

namespace resedit::test {

namespace {

uint32_t Align(uint32_t value, uint32_t alignment) {
  return (value + alignment - 1) / alignment * alignment;
}

bool SameId(const TestId& a, const TestId& b) {
  return a.isText == b.isText && a.number == b.number && a.text == b.text;
}

struct TreeWriter {
  std::vector<uint8_t> out;
  std::vector<std::pair<size_t, const TestResource*>> dataEntryFixups;  // entry slot, resource
  std::vector<std::pair<size_t, std::u16string>> nameFixups;

  size_t Directory(size_t count, size_t named) {
    size_t at = out.size();
    out.resize(at + 16 + 8 * count);
    WriteU16(out, at + 12, static_cast<uint16_t>(named));
    WriteU16(out, at + 14, static_cast<uint16_t>(count - named));
    return at;
  }

  void SetEntryName(size_t slot, const TestId& id) {
    if (id.isText)
      nameFixups.emplace_back(slot, id.text);
    else
      WriteU32(out, slot, id.number);
  }
};

// Groups [first, last) by key in order of first appearance among consecutive runs.
template <typename Key>
std::vector<std::pair<size_t, size_t>> Groups(const std::vector<TestResource>& all, size_t first,
                                              size_t last, Key key) {
  std::vector<std::pair<size_t, size_t>> groups;
  for (size_t i = first; i < last; ++i) {
    if (groups.empty() || !SameId(key(all[groups.back().first]), key(all[i])))
      groups.emplace_back(i, i);
    groups.back().second = i + 1;
  }
  return groups;
}

size_t NamedCount(const std::vector<TestResource>& all,
                  const std::vector<std::pair<size_t, size_t>>& groups, bool byType) {
  size_t named = 0;
  for (auto& g : groups) named += (byType ? all[g.first].type : all[g.first].name).isText;
  return named;
}

std::vector<uint8_t> BuildResources(const std::vector<TestResource>& all, uint32_t rva) {
  TreeWriter w;
  auto types = Groups(all, 0, all.size(), [](const TestResource& r) { return r.type; });
  size_t root = w.Directory(types.size(), NamedCount(all, types, true));
  for (size_t t = 0; t < types.size(); ++t) {
    size_t slot = root + 16 + 8 * t;
    w.SetEntryName(slot, all[types[t].first].type);
    auto names =
        Groups(all, types[t].first, types[t].second, [](const TestResource& r) { return r.name; });
    size_t nameDir = w.Directory(names.size(), NamedCount(all, names, false));
    WriteU32(w.out, slot + 4, static_cast<uint32_t>(nameDir) | 0x80000000u);
    for (size_t n = 0; n < names.size(); ++n) {
      size_t nameSlot = nameDir + 16 + 8 * n;
      w.SetEntryName(nameSlot, all[names[n].first].name);
      size_t count = names[n].second - names[n].first;
      size_t languageDir = w.Directory(count, 0);
      WriteU32(w.out, nameSlot + 4, static_cast<uint32_t>(languageDir) | 0x80000000u);
      for (size_t l = 0; l < count; ++l) {
        size_t languageSlot = languageDir + 16 + 8 * l;
        WriteU32(w.out, languageSlot, all[names[n].first + l].language);
        w.dataEntryFixups.emplace_back(languageSlot, &all[names[n].first + l]);
      }
    }
  }
  // Data first, then data entries, then names: a different order from the
  // engine's, so a rebuild visibly changes the layout.
  std::map<const TestResource*, size_t> dataAt;
  for (auto& [slot, resource] : w.dataEntryFixups) {
    dataAt[resource] = w.out.size();
    w.out.insert(w.out.end(), resource->data.begin(), resource->data.end());
    w.out.resize(Align(static_cast<uint32_t>(w.out.size()), 4));
  }
  for (auto& [slot, resource] : w.dataEntryFixups) {
    size_t entry = w.out.size();
    w.out.resize(entry + 16);
    WriteU32(w.out, entry, rva + static_cast<uint32_t>(dataAt[resource]));
    WriteU32(w.out, entry + 4, static_cast<uint32_t>(resource->data.size()));
    WriteU32(w.out, entry + 8, resource->codePage);
    WriteU32(w.out, slot + 4, static_cast<uint32_t>(entry));
  }
  for (auto& [slot, text] : w.nameFixups) {
    size_t at = w.out.size();
    w.out.resize(at + 2 + 2 * text.size());
    WriteU16(w.out, at, static_cast<uint16_t>(text.size()));
    for (size_t i = 0; i < text.size(); ++i) WriteU16(w.out, at + 2 + 2 * i, text[i]);
    WriteU32(w.out, slot, static_cast<uint32_t>(at) | 0x80000000u);
  }
  return w.out;
}

}  // namespace

BuiltImage BuildImage(const TestImage& image) {
  BuiltImage built;
  built.lfanew = 0x80;
  built.optionalHeader = built.lfanew + 24;
  built.sectionTable = built.optionalHeader + 224;
  uint32_t headersEnd = built.sectionTable + 40 * static_cast<uint32_t>(image.sections.size());
  uint32_t sizeOfHeaders = Align(headersEnd, image.fileAlignment);
  std::vector<uint8_t>& out = built.bytes;
  out.assign(sizeOfHeaders, 0);
  out[0] = 'M';
  out[1] = 'Z';
  WriteU32(out, 0x3C, built.lfanew);
  WriteU32(out, built.lfanew, 0x00004550);
  WriteU16(out, built.lfanew + 4, 0x14C);
  WriteU16(out, built.lfanew + 6, static_cast<uint16_t>(image.sections.size()));
  WriteU16(out, built.lfanew + 20, 224);
  WriteU16(out, built.lfanew + 22, 0x0102);
  uint32_t opt = built.optionalHeader;
  WriteU16(out, opt, 0x10B);
  WriteU32(out, opt + 28, 0x400000);
  WriteU32(out, opt + 32, image.sectionAlignment);
  WriteU32(out, opt + 36, image.fileAlignment);
  WriteU16(out, opt + 40, 4);
  WriteU16(out, opt + 48, 4);
  WriteU32(out, opt + 60, sizeOfHeaders);
  WriteU16(out, opt + 68, 2);
  WriteU32(out, opt + 92, 16);

  uint32_t rva = Align(sizeOfHeaders, image.sectionAlignment);
  for (size_t i = 0; i < image.sections.size(); ++i) {
    const TestSection& s = image.sections[i];
    std::vector<uint8_t> data = s.resources ? BuildResources(image.resources, rva) : s.data;
    uint32_t pointer = data.empty() ? 0 : static_cast<uint32_t>(out.size());
    uint32_t rawSize = Align(static_cast<uint32_t>(data.size()), image.fileAlignment);
    uint32_t header = built.sectionTable + 40 * static_cast<uint32_t>(i);
    for (size_t c = 0; c < s.name.size() && c < 8; ++c) out[header + c] = s.name[c];
    uint32_t virtualSize = static_cast<uint32_t>(data.empty() ? 0x100 : data.size());
    WriteU32(out, header + 8, virtualSize);
    WriteU32(out, header + 12, rva);
    WriteU32(out, header + 16, rawSize);
    WriteU32(out, header + 20, pointer);
    WriteU32(out, header + 36, s.characteristics);
    if (s.resources) {
      WriteU32(out, opt + 96 + 16, rva);
      WriteU32(out, opt + 96 + 16 + 4, static_cast<uint32_t>(data.size()));
    }
    built.sectionRva.push_back(rva);
    built.sectionPointer.push_back(pointer);
    out.insert(out.end(), data.begin(), data.end());
    out.resize(out.size() + (rawSize - data.size()));
    rva += Align(virtualSize, image.sectionAlignment);
  }
  WriteU32(out, opt + 56, rva);
  for (const TestImage::Directory& d : image.directories) {
    WriteU32(out, opt + 96 + 8 * d.index, d.rva);
    WriteU32(out, opt + 96 + 8 * d.index + 4, d.size);
  }
  out.insert(out.end(), image.overlay.begin(), image.overlay.end());
  return built;
}

TestImage ResourceOnlyImage(std::vector<TestResource> resources) {
  TestImage image;
  TestSection rsrc;
  rsrc.name = ".rsrc";
  rsrc.resources = true;
  image.sections.push_back(rsrc);
  image.resources = std::move(resources);
  return image;
}

std::vector<uint8_t> Bytes(const std::string& text) {
  return {text.begin(), text.end()};
}

uint32_t ReadU32(const std::vector<uint8_t>& bytes, size_t at) {
  return bytes.at(at) | bytes.at(at + 1) << 8 | bytes.at(at + 2) << 16 |
         static_cast<uint32_t>(bytes.at(at + 3)) << 24;
}

uint16_t ReadU16(const std::vector<uint8_t>& bytes, size_t at) {
  return static_cast<uint16_t>(bytes.at(at) | bytes.at(at + 1) << 8);
}

void WriteU32(std::vector<uint8_t>& bytes, size_t at, uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes.at(at + i) = static_cast<uint8_t>(value >> (8 * i));
}

void WriteU16(std::vector<uint8_t>& bytes, size_t at, uint16_t value) {
  bytes.at(at) = static_cast<uint8_t>(value);
  bytes.at(at + 1) = static_cast<uint8_t>(value >> 8);
}

std::vector<uint8_t> ReadFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFileBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

std::string TestDirectory(const std::string& name) {
  auto dir = std::filesystem::temp_directory_path() /
             ("quorlo-resedit-" + std::to_string(getpid()) + "-" + name);
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  return dir.string();
}

}  // namespace resedit::test
