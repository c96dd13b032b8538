// Reading and writing menu templates: the byte layout, and the refusal of
// templates that end too soon or are not menus the editor can keep.

#include <gtest/gtest.h>

#include <memory>

#include "MenuOutline.h"
#include "startmenu/MenuTemplate.h"
#include "startmenu/StartMenuModel.h"

namespace startmenu::test {
namespace {

// A root "S" (id 0, help id 0) holding "A" (id 1) and a separator.
const std::vector<uint8_t> kExample = {
    0x01, 0x00, 0x04, 0x00, 0x00, 0x00, 0x00, 0x00,  // header
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,  // root: type, state
    0x00, 0x00, 0x00, 0x00, 0x81, 0x00,              // id 0, popup and last
    0x53, 0x00, 0x00, 0x00, 0x00, 0x00,              // "S", padding
    0x00, 0x00, 0x00, 0x00,                          // help id, ends at 32
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,  // "A": type, state
    0x01, 0x00, 0x00, 0x00, 0x00, 0x00,              // id 1, bResInfo 0
    0x41, 0x00, 0x00, 0x00, 0x00, 0x00,              // "A", padding, ends at 52
    0x00, 0x08, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,  // separator: type, state
    0xFF, 0xFF, 0x00, 0x00, 0x80, 0x00,              // id 65535, last
    0x00, 0x00,                                      // empty text, ends at 68
};

TEST(MenuTemplate, WritesTheSmallestStartMenuByteForByte) {
  std::vector<MenuRecord> records(3);
  records[0].text = u"S";
  records[0].resInfo = 0x81;
  records[0].helpId = 0;
  records[1].text = u"A";
  records[1].id = 1;
  records[2].type = kSeparator;
  records[2].resInfo = 0x80;
  StartMenuModel model;
  model.BuildMenuTree(records);

  EXPECT_EQ(model.MenuTemplateSize(), 68u);
  const std::vector<uint8_t> written = model.SaveMenuTemplate();
  EXPECT_EQ(Hex(written), Hex(kExample));

  const MenuTemplateRead reread = LoadMenuTemplate(Span(written));
  ASSERT_TRUE(reread.Ok()) << reread.refusal;
  ASSERT_EQ(reread.records.size(), 3u);
  EXPECT_EQ(reread.records[0].helpId, 0);
  EXPECT_EQ(reread.records[1].helpId, -1) << "not a popup";
  EXPECT_EQ(reread.records[2].id, 0xFFFFu);
  EXPECT_EQ(reread.records[2].resInfo, 0x80);
}

// Where the help id of a popup and the item after it land, by the length
// of the popup's text and of the item's: the padding counts from the start
// of the template, never from the item.
TEST(MenuTemplate, PadsTextsToTheTemplatesFourByteBoundaries) {
  const struct {
    const char* name;
    std::u16string rootText;
    std::u16string itemText;
    size_t helpIdAt;  // the root's help id
    size_t secondAt;  // the item after the first child
  } cases[] = {
      {"empty texts", u"", u"", 24, 44},
      {"one unit pads 2", u"S", u"A", 28, 52},
      {"text ends on a boundary", u"AB", u"AB", 28, 52},
      {"three units", u"ABC", u"ABC", 32, 60},
      {"four units", u"ABCD", u"ABCD", 32, 60},
  };
  for (const auto& c : cases) {
    const Outline outline = {{0, c.rootText, 0, 0, 0x11223344}, {1, c.itemText, 7}, {1, u"Z", 8}};
    StartMenuModel model = ModelOf(MenuBytes(outline));
    const std::vector<uint8_t> written = model.SaveMenuTemplate();
    EXPECT_EQ(Hex(written), Hex(MenuBytes(outline))) << c.name;
    EXPECT_EQ(written.size(), model.MenuTemplateSize()) << c.name;
    const core::ByteSpan bytes = Span(written);
    EXPECT_EQ(bytes.U32(c.helpIdAt), 0x11223344u) << c.name;
    EXPECT_EQ(bytes.U32(c.secondAt + 8), 8u) << c.name << ": id of the second child";
  }
}

TEST(MenuTemplate, ReadsEveryFieldOfEveryItem) {
  const Outline outline = {
      {0, u"", 0, 0, 0},
      {1, u"&Programs", 504, 0, 40504, 0},
      {2, u"(Empty)", 0xFFFF, 0, 0, 3},
      {1, u"Caf\u00E9 \u2603", 0x12345678, 0x4, 0, 0x1008},
      {1, u"", 0, kSeparator},
      {1, u"Sh&ut Down...", 506},
  };
  const MenuTemplateRead read = LoadMenuTemplate(Span(MenuBytes(outline)));
  ASSERT_TRUE(read.Ok()) << read.refusal;
  ASSERT_EQ(read.records.size(), outline.size());
  for (size_t i = 0; i < outline.size(); ++i) {
    const MenuRecord& r = read.records[i];
    const OutlineItem& o = outline[i];
    EXPECT_EQ(r.text, o.text) << "item " << i;
    EXPECT_EQ(r.id, o.id) << "item " << i;
    EXPECT_EQ(r.type, o.type) << "item " << i;
    EXPECT_EQ(r.state, o.state) << "item " << i;
    EXPECT_EQ(r.resInfo, OutlineResInfo(outline, i)) << "item " << i;
    EXPECT_EQ(r.helpId, r.IsPopup() ? o.helpId : -1) << "item " << i;
  }
}

TEST(MenuTemplate, StopsAtTheEndOfTheTopLevelAsWindowsDoes) {
  std::vector<uint8_t> bytes = MenuBytes({{0, u"", 0}, {1, u"A", 1}});
  const size_t end = bytes.size();
  bytes.insert(bytes.end(), {0xDE, 0xAD, 0xBE, 0xEF, 0, 0, 0, 0, 1, 2, 3});
  const MenuTemplateRead read = LoadMenuTemplate(Span(bytes));
  ASSERT_TRUE(read.Ok()) << read.refusal;
  EXPECT_EQ(read.records.size(), 2u);
  StartMenuModel model;
  model.BuildMenuTree(read.records);
  EXPECT_EQ(model.SaveMenuTemplate().size(), end);
}

TEST(MenuTemplate, RefusesEveryTemplateCutShort) {
  // Every prefix of a template ends inside an item or before a menu is
  // closed. The last text ends on a boundary, so no padding byte is
  // optional. Each prefix is its own allocation, so a read past its end is
  // a sanitizer report, not a lucky byte of the next one.
  const std::vector<uint8_t> whole = MenuBytes({{0, u"Start", 0, 0, 9},
                                                {1, u"Sub", 1, 0, 5},
                                                {2, u"Leaf", 2},
                                                {1, u"", 0, kSeparator},
                                                {1, u"En", 3}});
  ASSERT_TRUE(LoadMenuTemplate(Span(whole)).Ok());
  for (size_t size = 0; size < whole.size(); ++size) {
    std::unique_ptr<uint8_t[]> prefix(new uint8_t[size ? size : 1]);
    std::copy(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(size), prefix.get());
    const MenuTemplateRead read = LoadMenuTemplate(core::ByteSpan(prefix.get(), size));
    EXPECT_FALSE(read.Ok()) << size << " bytes";
    EXPECT_TRUE(read.records.empty()) << size << " bytes";
  }
}

TEST(MenuTemplate, RefusesMalformedTemplatesWithTheReason) {
  auto withWord = [](std::vector<uint8_t> bytes, size_t at, uint16_t value) {
    bytes[at] = uint8_t(value);
    bytes[at + 1] = uint8_t(value >> 8);
    return bytes;
  };
  const std::vector<uint8_t> good = MenuBytes({{0, u"", 0}, {1, u"A", 1}, {1, u"B", 2}});
  // Offsets in `good`: root at 8 (bResInfo at 20, help id at 24), "A" at
  // 28 (bResInfo at 40, text at 42), "B" at 48 (bResInfo at 60, text at 62).
  std::vector<uint8_t> unterminated = good;
  unterminated.resize(64);  // "B" without its terminating zero
  const struct {
    const char* name;
    std::vector<uint8_t> bytes;
    const char* reason;
  } cases[] = {
      {"empty", {}, "too short for its header"},
      {"header only", {1, 0, 4, 0, 0, 0, 0, 0}, "first item lies outside"},
      {"plain menu template", withWord(good, 0, 0), "not an extended menu (version 0"},
      {"first item beyond the end", withWord(good, 2, 0xFFF0), "first item lies outside"},
      {"text without terminator", unterminated, "text of item 3 (at byte 48) has no terminating"},
      {"fields cut", std::vector<uint8_t>(good.begin(), good.begin() + 54),
       "ends inside item 3 (at byte 48)"},
      {"help id cut", std::vector<uint8_t>(good.begin(), good.begin() + 26),
       "inside the help id of item 1"},
      {"sub-menu never closed", withWord(good, 60, 0x00),
       "before the sub-menu of item 1 is closed"},
      // "x" at 52, bResInfo at 64: no longer the last item of "P"'s sub-menu.
      {"nested sub-menu never closed",
       withWord(MenuBytes({{0, u"", 0}, {1, u"P", 1}, {2, u"x", 2}}), 64, 0x00),
       "before the sub-menu of item 2 is closed"},
      {"undefined flag bits", withWord(good, 40, 0x10), "flags 0x10 that the menu format"},
      {"flags 255", withWord(good, 40, 0xFF), "flags 0xFF"},
      {"first item not a popup", MenuBytes({{0, u"A", 1}}), "first item is not a sub-menu"},
      {"two items at the top",
       [] {
         std::vector<uint8_t> bytes = MenuBytes({{0, u"", 0}, {1, u"A", 1}});
         bytes[20] = 0x01;  // the root is no longer the last top-level item
         return bytes;
       }(),
       "more than one item at its top level"},
  };
  for (const auto& c : cases) {
    const MenuTemplateRead read = LoadMenuTemplate(Span(c.bytes));
    EXPECT_FALSE(read.Ok()) << c.name;
    EXPECT_NE(read.refusal.find(c.reason), std::string::npos)
        << c.name << ": \"" << read.refusal << "\"";
    EXPECT_TRUE(read.records.empty()) << c.name;
  }
}

}  // namespace
}  // namespace startmenu::test
