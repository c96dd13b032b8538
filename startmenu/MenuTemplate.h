#pragma once
// The classic Start menu as the shell stores it: menu 204, an extended menu
// template (MENUEX), read into a flat list of item records in template
// order. Portable.
//
// Layout: a header of wVersion (1), wOffset (distance from byte 4 to the
// first item) and the menu's dwHelpId; then each item as dwType, dwState,
// id, bResInfo (14 bytes), a zero-terminated UTF-16LE text, zero padding to
// a multiple of 4 counted from the template's start, and for a popup its
// dwHelpId followed by the items of its sub-menu. bResInfo bit 0x01 marks a
// popup, bit 0x80 the last item of its menu.
//
// Refused, with the reason in the result, rather than read as Windows would
// not read them or as the editor could not keep them:
// - a header that is not an extended template's (wVersion other than 1) or
//   whose wOffset points outside the data;
// - data that ends inside an item: its fixed fields, its text (a text with
//   no terminating zero), or a popup's dwHelpId;
// - data that ends while a menu is still open (the last item of a sub-menu,
//   or of the top level, never comes);
// - a bResInfo with bits other than popup and last: Windows ignores them,
//   but the editor rewrites the last bit and could then turn such a value
//   into one it reads differently (255 means neither popup nor last);
// - a top level that is not exactly one popup: the Start menu is the
//   sub-menu of the first item, and items beside it could not be kept in
//   their place by the edits.
// Bytes after the end of the top-level menu are ignored, as Windows ignores
// them.

#include <cstdint>
#include <string>
#include <vector>

#include "core/ByteSpan.h"

namespace startmenu {

constexpr uint32_t kMenuResourceType = 4;  // RT_MENU
constexpr uint32_t kStartMenuResourceName = 204;

constexpr uint32_t kSeparatorType = 0x800;  // MFT_SEPARATOR in dwType
constexpr uint16_t kPopupFlag = 0x01;       // bResInfo: a sub-menu follows
constexpr uint16_t kLastFlag = 0x80;        // bResInfo: last item of its menu

// Item record TMenuInfo: one item of the template, in template order.
struct MenuRecord {
  uint32_t type = 0;     // dwType
  uint32_t state = 0;    // dwState, kept as read by every edit
  uint32_t id = 0;       // the command identifier
  uint16_t resInfo = 0;  // bResInfo
  std::u16string text;   // kept in UTF-16 so texts outside the code page survive
  int32_t helpId = -1;   // dwHelpId of a popup; -1 for any other item

  // The value 255 is neither a popup nor a last item.
  bool IsPopup() const { return (resInfo & kPopupFlag) != 0 && resInfo != 255; }
  bool IsLast() const { return (resInfo & kLastFlag) != 0 && resInfo != 255; }
  bool IsSeparator() const { return (type & kSeparatorType) != 0; }
};

bool operator==(const MenuRecord& a, const MenuRecord& b);
inline bool operator!=(const MenuRecord& a, const MenuRecord& b) {
  return !(a == b);
}

// What LoadMenuTemplate read: the records, or why the template was refused.
struct MenuTemplateRead {
  std::vector<MenuRecord> records;
  std::string refusal;  // empty when the template was read

  bool Ok() const { return refusal.empty(); }
};

// StartMenuItems from the template's bytes. Record 0 is the top-level item
// that holds the Start menu; the others follow in template order.
MenuTemplateRead LoadMenuTemplate(core::ByteSpan bytes);

}  // namespace startmenu
