#include "startmenu/XPStartMenuTexts.h"

#include <algorithm>

#include "deploy/XPStartMenuKeys.h"

namespace startmenu {

const std::array<XPStartMenuNode, 34> kXPStartMenuTree = {{
    {"Start Menu items", 0, 0},
    {"Search", 439, 7020},
    {"Help and Support", 439, 7021},
    {"Windows Security", 439, 7022},
    {"Run...", 439, 7023},
    {"All Programs", 515, 8226},
    {"Connect To", 515, 8233},
    {"Control Panel", 515, 8234},
    {"Favorites", 515, 8235},
    {"My Recent Documents", 515, 8236},
    {"Buttons Type 1", 439, 7013},
    {"Buttons Type 2", 439, 7012},
    {"Start Menu hints", 0, 0},
    {"My Documents hint", 19, 300},
    {"My Recent Documents hint", 19, 301},
    {"My Music hint", 19, 302},
    {"My Pictures hint", 19, 303},
    {"My Computer hint", 20, 304},
    {"My Network Places hint", 20, 305},
    {"Network Connections hint", 20, 306},
    {"Control Panel hint", 20, 307},
    {"Search hint", 438, 7000},
    {"Help and Support hint", 438, 7001},
    {"Run hint", 438, 7003},
    {"Internet Browser hint", 438, 7004},
    {"Email program hint", 438, 7005},
    {"Undock Computer hint", 439, 7014},
    {"Log off hint", 439, 7015},
    {"Shut down hint", 439, 7016},
    {"Disconnect hint", 439, 7017},
    {"All Programs hint", 515, 8227},
    {"Notification messages", 0, 0},
    {"Hiding message", 37, 590},
    {"To see message", 37, 591},
}};

namespace {

// Position of a block among the six, or the count when it is none of them.
size_t BlockIndex(uint32_t block) {
  return static_cast<size_t>(
      std::find(kXPStartMenuBlocks.begin(), kXPStartMenuBlocks.end(), block) -
      kXPStartMenuBlocks.begin());
}

}  // namespace

const XPStartMenuNode* FindXPStartMenuLeaf(uint32_t id) {
  for (const XPStartMenuNode& node : kXPStartMenuTree) {
    if (!node.IsCategory() && node.id == id) return &node;
  }
  return nullptr;
}

std::u16string XPStartMenuTexts::Text(uint32_t id) const {
  const size_t index = BlockIndex(resedit::StringBlockOf(id));
  if (index == kXPStartMenuBlocks.size()) return {};
  return blocks_[index][id % resedit::kStringsPerBlock];
}

std::u16string XPStartMenuTexts::ShownText(uint32_t id) const {
  return Text(id).substr(0, kXPTextLimit);
}

bool XPStartMenuTexts::SetLeafText(uint32_t id, const std::u16string& text) {
  if (!FindXPStartMenuLeaf(id) || text.size() > 0xFFFF) return false;
  if (text == ShownText(id)) return false;
  blocks_[BlockIndex(resedit::StringBlockOf(id))][id % resedit::kStringsPerBlock] = text;
  return true;
}

void XPStartMenuTexts::SetBlock(uint32_t block, resedit::StringBlock strings) {
  const size_t index = BlockIndex(block);
  if (index == kXPStartMenuBlocks.size()) return;
  blocks_[index] = std::move(strings);
  present_[index] = true;
}

bool XPStartMenuTexts::HasBlock(uint32_t block) const {
  const size_t index = BlockIndex(block);
  return index < kXPStartMenuBlocks.size() && present_[index];
}

std::vector<XPStringBlockBytes> XPStartMenuTexts::EncodeBlocks() const {
  std::vector<XPStringBlockBytes> encoded;
  for (size_t i = 0; i < kXPStartMenuBlocks.size(); ++i) {
    if (!present_[i]) continue;
    // Every text fits: blocks come from the file or SetLeafText, which
    // both keep strings within 65535 units.
    encoded.push_back({kXPStartMenuBlocks[i], *resedit::EncodeStringBlock(blocks_[i])});
  }
  return encoded;
}

std::vector<XPStartMenuKeyName> XPStartMenuTexts::KeyNames() const {
  std::vector<XPStartMenuKeyName> names;
  for (const deploy::XPStartMenuKey& key : deploy::kXPStartMenuKeys) {
    if (key.nameId != 0) names.push_back({key.path, Text(static_cast<uint32_t>(key.nameId))});
  }
  return names;
}

XPStartMenuTextsRead ReadXPStartMenuTexts(const resedit::ResourceFile& shell) {
  XPStartMenuTextsRead read;
  for (uint32_t block : kXPStartMenuBlocks) {
    const std::optional<std::vector<uint8_t>> bytes = shell.Find(resedit::kStringTableType, block);
    if (!bytes) continue;
    std::optional<resedit::StringBlock> strings =
        resedit::ParseStringBlock(resedit::ByteSpan(bytes->data(), bytes->size()));
    if (!strings) {
      read.texts = XPStartMenuTexts();
      read.refusal = "String block " + std::to_string(block) + " of the shell is cut short.";
      return read;
    }
    read.texts.SetBlock(block, std::move(*strings));
  }
  return read;
}

}  // namespace startmenu
