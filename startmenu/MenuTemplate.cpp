#include "startmenu/MenuTemplate.h"

#include <cstdio>

namespace startmenu {

namespace {

constexpr uint64_t kHeaderSize = 8;
constexpr uint64_t kItemFieldsSize = 14;

std::string Hex(uint32_t value) {
  char text[16];
  std::snprintf(text, sizeof(text), "0x%X", value);
  return text;
}

std::string ItemAt(size_t index, uint64_t offset) {
  return "item " + std::to_string(index + 1) + " (at byte " + std::to_string(offset) + ")";
}

// A sub-menu still being read: the popup that opened it and whether that
// popup was itself the last item of its own menu, in which case the end of
// the sub-menu ends that menu too.
struct OpenMenu {
  size_t popup;
  bool popupWasLast;
};

}  // namespace

bool operator==(const MenuRecord& a, const MenuRecord& b) {
  return a.type == b.type && a.state == b.state && a.id == b.id && a.resInfo == b.resInfo &&
         a.text == b.text && a.helpId == b.helpId;
}

MenuTemplateRead LoadMenuTemplate(core::ByteSpan bytes) {
  MenuTemplateRead read;
  auto refuse = [&read](std::string reason) {
    read.records.clear();
    read.refusal = std::move(reason);
    return read;
  };

  const std::optional<uint16_t> version = bytes.U16(0);
  const std::optional<uint16_t> firstItem = bytes.U16(2);
  if (!version || !firstItem || !bytes.Contains(0, kHeaderSize)) {
    return refuse("The menu is too short for its header (" + std::to_string(bytes.Size()) +
                  " bytes).");
  }
  if (*version != 1) {
    return refuse("The menu is not an extended menu (version " + std::to_string(*version) +
                  " instead of 1).");
  }
  uint64_t at = 4 + uint64_t{*firstItem};
  if (at >= bytes.Size()) {
    return refuse("The menu's first item lies outside its " + std::to_string(bytes.Size()) +
                  " bytes.");
  }

  std::vector<OpenMenu> open;
  bool topLevelClosed = false;
  while (!topLevelClosed) {
    const size_t index = read.records.size();
    if (at >= bytes.Size()) {
      if (open.empty()) return refuse("The menu ends before the last item of its top level.");
      return refuse("The menu ends before the sub-menu of item " +
                    std::to_string(open.back().popup + 1) + " is closed.");
    }
    const uint64_t start = at;
    MenuRecord record;
    const std::optional<uint32_t> type = bytes.U32(at);
    const std::optional<uint32_t> state = bytes.U32(at + 4);
    const std::optional<uint32_t> id = bytes.U32(at + 8);
    const std::optional<uint16_t> resInfo = bytes.U16(at + 12);
    if (!type || !state || !id || !resInfo)
      return refuse("The menu ends inside " + ItemAt(index, start) + ".");
    record.type = *type;
    record.state = *state;
    record.id = *id;
    record.resInfo = *resInfo;
    if ((record.resInfo & ~(kPopupFlag | kLastFlag)) != 0) {
      return refuse(ItemAt(index, start) + " has flags " + Hex(record.resInfo) +
                    " that the menu format does not define.");
    }
    at += kItemFieldsSize;
    for (;;) {
      const std::optional<uint16_t> unit = bytes.U16(at);
      if (!unit) {
        return refuse("The text of " + ItemAt(index, start) + " has no terminating zero.");
      }
      at += 2;
      if (*unit == 0) break;
      record.text.push_back(static_cast<char16_t>(*unit));
    }
    if (record.IsPopup()) {
      at = core::RoundUp(at, 4);
      const std::optional<int32_t> helpId = bytes.I32(at);
      if (!helpId)
        return refuse("The menu ends inside the help id of " + ItemAt(index, start) + ".");
      record.helpId = *helpId;
      at += 4;
    }
    at = core::RoundUp(at, 4);

    if (index == 0 && !record.IsPopup()) {
      return refuse("The menu's first item is not a sub-menu, so it holds no Start menu.");
    }
    if (index == 0 && !record.IsLast()) {
      return refuse("The menu holds more than one item at its top level.");
    }
    if (record.IsPopup()) {
      open.push_back({index, record.IsLast()});
    } else if (record.IsLast()) {
      // The menu holding this item ends; so does every menu whose last item
      // was the popup of the menu that just ended.
      bool menuEnds = true;
      while (menuEnds) {
        if (open.empty()) {
          topLevelClosed = true;
          break;
        }
        menuEnds = open.back().popupWasLast;
        open.pop_back();
      }
    }
    read.records.push_back(std::move(record));
  }
  return read;
}

}  // namespace startmenu
