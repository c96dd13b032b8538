#pragma once
// The texts of the Windows XP Start menu: six string blocks of the shell
// (item names, hints, two notification messages), the fixed tree through
// which the XP Start Menu Manager edits some of them, and the default names
// of the XP Start Menu item keys taken from them. Portable.
//
// Texts are held whole, in UTF-16, as the blocks store them. The edit box
// shows at most 254 characters; a longer string is written back whole
// unless the user changes its leaf, and storing the shown part unchanged
// (as the window does when it fills the box) is not a change.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "resedit/ResourceReader.h"
#include "resedit/StringBlock.h"

namespace startmenu {

// In the order the blocks are written.
inline constexpr std::array<uint32_t, 6> kXPStartMenuBlocks = {19, 20, 37, 438, 439, 515};

// The edit box's limit (textEdit).
constexpr size_t kXPTextLimit = 254;

// A node of the fixed tree XPSMTree, in display order: a category (block
// 0, not editable) and the leaves under it, each editing one string.
struct XPStartMenuNode {
  const char* label;
  uint32_t block;
  uint32_t id;

  bool IsCategory() const { return block == 0; }
};

extern const std::array<XPStartMenuNode, 34> kXPStartMenuTree;

// The leaf that edits string id, or nullptr.
const XPStartMenuNode* FindXPStartMenuLeaf(uint32_t id);

// The default value of an XP Start Menu item key, from the text of its
// name id.
struct XPStartMenuKeyName {
  const char* keyPath;  // under HKEY_CLASSES_ROOT
  std::u16string name;
};

// A string block as the shell file gets it back.
struct XPStringBlockBytes {
  uint32_t block;
  std::vector<uint8_t> bytes;
};

class XPStartMenuTexts {
 public:
  // The string's whole text; empty for a string the shell file lacks or an
  // id outside the six blocks.
  std::u16string Text(uint32_t id) const;
  // What the edit box shows: at most kXPTextLimit characters of Text.
  std::u16string ShownText(uint32_t id) const;
  // Stores a leaf's text. False, storing nothing, for an id no leaf edits,
  // a text longer than a block can hold, or the shown text unchanged.
  bool SetLeafText(uint32_t id, const std::u16string& text);

  // The whole block as the shell file has it; a block of the six that is
  // never set is one the file lacks, and is not written back.
  void SetBlock(uint32_t block, resedit::StringBlock strings);
  bool HasBlock(uint32_t block) const;
  // The blocks the shell file has, in writing order, each 16 strings of a
  // 16-bit length and that many UTF-16 units.
  std::vector<XPStringBlockBytes> EncodeBlocks() const;
  // The default values of the keys that take one (the first four).
  std::vector<XPStartMenuKeyName> KeyNames() const;

 private:
  std::array<resedit::StringBlock, kXPStartMenuBlocks.size()> blocks_{};
  std::array<bool, kXPStartMenuBlocks.size()> present_{};
};

struct XPStartMenuTextsRead {
  XPStartMenuTexts texts;
  std::string refusal;  // empty when the blocks were read

  bool Ok() const { return refusal.empty(); }
};

// The portable half of LoadXPStartMenuStrings: the six blocks of an opened
// shell file. A block the file lacks reads as 16 empty strings; a block cut
// short refuses the whole read, since writing it back would lose its tail.
XPStartMenuTextsRead ReadXPStartMenuTexts(const resedit::ResourceFile& shell);

}  // namespace startmenu
