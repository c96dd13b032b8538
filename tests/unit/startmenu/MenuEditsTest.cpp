// The tree built from a template, the edits on it, and what is written
// afterwards: whole templates compared byte for byte with the template of
// the expected outline, so every last flag, id and padding byte counts.

#include <gtest/gtest.h>

#include "MenuOutline.h"
#include "startmenu/StartMenuModel.h"

namespace startmenu::test {
namespace {

constexpr uint32_t kNoId = 0xFFFF;

StartMenuModel Model(const Outline& outline) {
  return ModelOf(MenuBytes(outline));
}

TEST(MenuTree, MirrorsTheNestingOfTheTemplate) {
  const struct {
    const char* name;
    Outline outline;
  } cases[] = {
      {"flat", {{0, u"", 0}, {1, u"A", 1}, {1, u"B", 2}}},
      {"popup in the middle", {{0, u"", 0}, {1, u"A", 1}, {2, u"a", 2}, {1, u"B", 3}}},
      // The last leaf closes three menus at once; the next item is back at
      // the first level.
      {"one last item closes several menus",
       {{0, u"", 0},
        {1, u"Programs", 1},
        {2, u"Accessories", 2},
        {3, u"Calculator", 3},
        {3, u"System Tools", 4},
        {4, u"Maintenance", 5},
        {5, u"Backup", 6},
        {1, u"Run...", 7}}},
      {"everything last", {{0, u"", 0}, {1, u"A", 1}, {2, u"B", 2}, {3, u"C", 3}}},
      {"separators", {{0, u"", 0}, {1, u"", 0, kSeparator}, {1, u"A", 1}, {1, u"", 0, kSeparator}}},
  };
  for (const auto& c : cases) {
    const StartMenuModel model = Model(c.outline);
    const std::vector<MenuWalkStep> steps = model.PreOrder();
    ASSERT_EQ(steps.size(), c.outline.size()) << c.name;
    for (size_t i = 0; i < steps.size(); ++i) {
      const MenuNode& node = model.Node(steps[i].node);
      EXPECT_EQ(node.record, i) << c.name << ": record of step " << i;
      EXPECT_EQ(steps[i].depth, size_t(c.outline[i].depth)) << c.name << ": step " << i;
      const NodeImage image = i == 0                           ? NodeImage::kRoot
                              : c.outline[i].type & kSeparator ? NodeImage::kSeparator
                                                               : NodeImage::kItem;
      EXPECT_EQ(node.image, image) << c.name << ": step " << i;
      EXPECT_EQ(Narrow(node.label), i == 0 ? "Start Menu" : Narrow(c.outline[i].text))
          << c.name << ": step " << i;
    }
  }
}

// Record numbers in the comments are the node ids the edits below use.
const Outline kMenu = {
    {0, u"", 0, 0, 0},                // 0
    {1, u"Programs", 504, 0, 40504},  // 1
    {2, u"Startup", 5101, 0, 45101},  // 2
    {3, u"(Empty)", kNoId, 0, 0, 3},  // 3
    {2, u"Calculator", 5203},         // 4
    {2, u"Notepad", 5204},            // 5
    {1, u"Settings", 508, 0, 40508},  // 6
    {2, u"Control Panel", 505},       // 7
    {2, u"", 0, kSeparator},          // 8
    {2, u"Printers", 510},            // 9
    {1, u"Run...", 401},              // 10
    {1, u"", 0, kSeparator},          // 11
    {1, u"Shut Down...", 506},        // 12
};

enum class Kind { kRename, kSeparatorOn, kSeparatorOff, kRemove, kAdd, kMove, kSave };
struct Step {
  Kind kind;
  NodeId node = 0;
  NodeId target = 0;         // kMove only
  std::u16string text = {};  // kRename only
};

MenuEdit Apply(StartMenuModel& model, const Step& step) {
  switch (step.kind) {
    case Kind::kRename:
      return model.RenameItem(step.node, step.text);
    case Kind::kSeparatorOn:
      return model.SetSeparator(step.node, true);
    case Kind::kSeparatorOff:
      return model.SetSeparator(step.node, false);
    case Kind::kRemove:
      return model.RemoveItem(step.node);
    case Kind::kAdd:
      return model.AddItem(step.node);
    case Kind::kMove:
      return model.MoveItem(step.node, step.target);
    case Kind::kSave:
      model.SaveMenuTemplate();
      return MenuEdit();
  }
  return MenuEdit();
}

// kMenu as written unchanged: separators with id 65535.
Outline Written(Outline outline) {
  for (OutlineItem& item : outline) {
    if (item.type & kSeparator) item.id = kNoId;
  }
  return outline;
}

Outline Without(Outline outline, size_t first, size_t count) {
  outline.erase(outline.begin() + std::ptrdiff_t(first),
                outline.begin() + std::ptrdiff_t(first + count));
  return outline;
}

Outline Inserted(Outline outline, size_t at, OutlineItem item) {
  outline.insert(outline.begin() + std::ptrdiff_t(at), item);
  return outline;
}

Outline Replaced(Outline outline, size_t at, OutlineItem item) {
  outline[at] = item;
  return outline;
}

TEST(MenuEdits, WriteTheMenuTheUserMade) {
  const Outline unchanged = Written(kMenu);
  const struct {
    const char* name;
    std::vector<Step> steps;
    Outline expected;
  } cases[] = {
      {"nothing", {}, unchanged},
      {"rename", {{Kind::kRename, 4, 0, u"Calc"}}, Replaced(unchanged, 4, {2, u"Calc", 5203})},
      {"rename with a zero inside keeps the text before it",
       {{Kind::kRename, 4, 0, std::u16string(u"Ca\0lc", 5)}},
       Replaced(unchanged, 4, {2, u"Ca", 5203})},
      {"rename to an empty text",
       {{Kind::kRename, 10, 0, u""}},
       Replaced(unchanged, 10, {1, u"", 401})},
      {"a popup with children turned into a separator deletes its sub-menu",
       {{Kind::kSeparatorOn, 1}},
       Inserted(Without(unchanged, 1, 5), 1, {1, u"", kNoId, kSeparator})},
      {"a separator turned back keeps id 255 and no text",
       {{Kind::kSeparatorOn, 10}, {Kind::kSeparatorOff, 10}},
       Replaced(unchanged, 10, {1, u"", 255})},
      {"a separator turned back after a write keeps id 65535",
       {{Kind::kSeparatorOn, 10}, {Kind::kSave}, {Kind::kSeparatorOff, 10}},
       Replaced(unchanged, 10, {1, u"", kNoId})},
      {"a read separator turned back keeps the id it was read with",
       {{Kind::kSeparatorOff, 11}},
       Replaced(unchanged, 11, {1, u"", 0})},
      {"a renamed separator is written without text",
       {{Kind::kRename, 11, 0, u"Words"}},
       unchanged},
      {"moving the last item up moves the last flag",
       {{Kind::kMove, 12, 10}},
       Inserted(Without(unchanged, 12, 1), 10, {1, u"Shut Down...", 506})},
      {"moving the first item down to before the last",
       {{Kind::kMove, 7, 9}},
       Inserted(Without(unchanged, 7, 1), 8, {2, u"Control Panel", 505})},
      {"moving a popup moves its sub-menu",
       {{Kind::kMove, 6, 1}},
       [&] {
         Outline moved = Without(unchanged, 6, 4);
         moved.insert(moved.begin() + 1, unchanged.begin() + 6, unchanged.begin() + 10);
         return moved;
       }()},
      {"moving an item onto itself", {{Kind::kMove, 5, 5}}, unchanged},
      {"a new item before the last is not last",
       {{Kind::kAdd, 12}},
       Inserted(unchanged, 12, {1, u"New Item", kNoId})},
      {"a new item before the first",
       {{Kind::kAdd, 7}},
       Inserted(unchanged, 7, {2, u"New Item", kNoId})},
      {"a new item renamed and moved to the end",
       {{Kind::kAdd, 4},
        {Kind::kRename, 13, 0, u"Paint"},
        {Kind::kMove, 5, 13},
        {Kind::kMove, 13, 5}},
       [&] {
         Outline moved = Without(unchanged, 4, 2);
         moved.insert(moved.begin() + 4,
                      {{2, u"Paint", kNoId}, {2, u"Notepad", 5204}, {2, u"Calculator", 5203}});
         return moved;
       }()},
      {"removing the last of two makes the other last",
       {{Kind::kRemove, 5}, {Kind::kRemove, 2}},
       Without(Without(unchanged, 5, 1), 2, 2)},
      {"removing a popup removes its sub-menu", {{Kind::kRemove, 6}}, Without(unchanged, 6, 4)},
      {"removing the last item of the Start menu",
       {{Kind::kRemove, 12}},
       Without(unchanged, 12, 1)},
  };
  for (const auto& c : cases) {
    StartMenuModel model = Model(kMenu);
    for (const Step& step : c.steps) {
      EXPECT_TRUE(Apply(model, step).Done()) << c.name;
    }
    const size_t size = model.MenuTemplateSize();
    const std::vector<uint8_t> written = model.SaveMenuTemplate();
    EXPECT_EQ(written.size(), size) << c.name;
    EXPECT_EQ(Hex(written), Hex(MenuBytes(c.expected))) << c.name;
    EXPECT_TRUE(LoadMenuTemplate(Span(written)).Ok()) << c.name;
  }
}

TEST(MenuEdits, KeepRecordsOfRemovedItemsUnwritten) {
  StartMenuModel model = Model(kMenu);
  ASSERT_TRUE(model.SetSeparator(1, true).Done());
  EXPECT_EQ(model.Records().size(), kMenu.size());
  for (NodeId gone : {2, 3, 4, 5}) {
    EXPECT_FALSE(model.InTree(gone)) << gone;
    EXPECT_EQ(Narrow(model.Records()[gone].text), Narrow(kMenu[gone].text)) << gone;
  }
  const MenuRecord& separator = model.RecordOf(1);
  EXPECT_FALSE(separator.IsPopup());
  EXPECT_EQ(separator.helpId, -1);
  EXPECT_EQ(separator.id, 255u);
  EXPECT_TRUE(model.Node(1).children.empty());
  EXPECT_EQ(model.Node(1).image, NodeImage::kSeparator);
}

TEST(MenuEdits, RefuseWhatWouldBreakTheMenuAndChangeNothing) {
  const Outline single = {{0, u"", 0}, {1, u"Only", 1}};
  const struct {
    const char* name;
    const Outline* menu;
    std::vector<Step> before;
    Step refused;
    std::u16string message;
  } cases[] = {
      {"removing the root", &kMenu, {}, {Kind::kRemove, 0}, u"This item cannot be removed."},
      {"removing an only child",
       &kMenu,
       {},
       {Kind::kRemove, 3},
       u"Cannot remove item. '(Empty)' is the only child of 'Startup'and cannot be removed."},
      {"removing the Start menu's only item",
       &single,
       {},
       {Kind::kRemove, 1},
       u"Cannot remove item. 'Only' is the only child of 'Start Menu'and cannot be removed."},
      {"removing the one item left",
       &kMenu,
       {{Kind::kRemove, 4}, {Kind::kRemove, 5}},
       {Kind::kRemove, 2},
       u"Cannot remove item. 'Startup' is the only child of 'Programs'and cannot be removed."},
      {"moving into another sub-menu",
       &kMenu,
       {},
       {Kind::kMove, 4, 7},
       u"You can only reorder items in the same sub-menu. This means that\r\n"
       u"you cannot move the item 'Calculator' outside of\r\nthe sub-menu 'Programs'."},
      {"moving out of a sub-menu onto the root",
       &kMenu,
       {},
       {Kind::kMove, 1, 0},
       u"You can only reorder items in the same sub-menu. This means that\r\n"
       u"you cannot move the item 'Programs' outside of\r\nthe sub-menu 'Start Menu'."},
      {"renaming the root", &kMenu, {}, {Kind::kRename, 0, 0, u"Mine"}, u""},
      {"the root as a separator", &kMenu, {}, {Kind::kSeparatorOn, 0}, u""},
      {"adding beside the root", &kMenu, {}, {Kind::kAdd, 0}, u""},
      {"moving the root", &kMenu, {}, {Kind::kMove, 0, 1}, u""},
      {"renaming a removed item", &kMenu, {{Kind::kRemove, 6}}, {Kind::kRename, 7, 0, u"x"}, u""},
      {"moving onto a removed item", &kMenu, {{Kind::kRemove, 11}}, {Kind::kMove, 10, 11}, u""},
      {"an unknown node", &kMenu, {}, {Kind::kAdd, 99}, u""},
  };
  for (const auto& c : cases) {
    StartMenuModel model = Model(*c.menu);
    for (const Step& step : c.before) ASSERT_TRUE(Apply(model, step).Done()) << c.name;
    StartMenuModel untouched = model;
    const MenuEdit edit = Apply(model, c.refused);
    EXPECT_FALSE(edit.Done()) << c.name;
    EXPECT_EQ(Narrow(edit.message), Narrow(c.message)) << c.name;
    EXPECT_EQ(model.Records(), untouched.Records()) << c.name;
    EXPECT_EQ(Narrow(model.Node(0).label), "Start Menu") << c.name;
    EXPECT_EQ(Hex(model.SaveMenuTemplate()), Hex(untouched.SaveMenuTemplate())) << c.name;
  }
}

TEST(MenuEdits, AskBeforeASeparatorDeletesChildren) {
  StartMenuModel model = Model(kMenu);
  EXPECT_EQ(Narrow(model.SeparatorQuestion(6)),
            "The item 'Settings' has children.\r\nMaking this item a separator will delete all "
            "its children.\r\n\r\nContinue?");
  EXPECT_EQ(Narrow(model.SeparatorQuestion(7)), "") << "no children";
  EXPECT_EQ(Narrow(model.SeparatorQuestion(0)), "") << "the root";
}

TEST(MenuEdits, TellTheWindowWhatToMirror) {
  StartMenuModel model = Model(kMenu);
  const MenuEdit added = model.AddItem(9);
  ASSERT_TRUE(added.Done());
  EXPECT_EQ(added.node, kMenu.size()) << "the new record's node";
  EXPECT_EQ(added.parent, NodeId{6});
  EXPECT_EQ(model.Node(6).children, (std::vector<NodeId>{7, 8, added.node, 9}));
  EXPECT_EQ(Narrow(model.Node(added.node).label), "New Item");
  EXPECT_EQ(model.MoveItem(7, 9).parent, NodeId{6});
  EXPECT_EQ(model.Node(6).children, (std::vector<NodeId>{8, added.node, 7, 9}));
  EXPECT_EQ(model.RemoveItem(8).parent, NodeId{6});
  EXPECT_EQ(model.SetSeparator(1, true).parent, NodeId{1}) << "its children went";
  EXPECT_EQ(model.SetSeparator(10, true).parent, kNoNode) << "no children to go";
}

}  // namespace
}  // namespace startmenu::test
