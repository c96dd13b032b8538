// Menu 204 of the synthetic shell, as the resource compiler wrote it: read,
// edited and written back.

#include <gtest/gtest.h>

#include <cstdlib>

#include "MenuOutline.h"
#include "resedit/ResourceReader.h"
#include "startmenu/StartMenuModel.h"

namespace startmenu::test {
namespace {

std::vector<uint8_t> FixtureMenu() {
  const char* fixtures = std::getenv("QUORLO_FIXTURES");
  const std::string shell = std::string(fixtures ? fixtures : ".") + "/Explorer.exe";
  auto bytes = resedit::ReadResourceData(shell, kMenuResourceType, kStartMenuResourceName);
  EXPECT_TRUE(bytes.has_value()) << shell;
  return bytes.value_or(std::vector<uint8_t>());
}

std::vector<std::string> Labels(const StartMenuModel& model, NodeId parent) {
  std::vector<std::string> labels;
  for (NodeId child : model.Node(parent).children)
    labels.push_back(Narrow(model.Node(child).label));
  return labels;
}

TEST(FixtureMenu, ReadsTheShellsStartMenu) {
  const StartMenuModel model = ModelOf(FixtureMenu());
  EXPECT_EQ(
      Labels(model, model.Root()),
      (std::vector<std::string>{"&Programs", "F&avorites", "&Documents", "&Settings", "Sear&ch",
                                "&Help and Support", "&Run...", "", "&Log Off %s...",
                                "Disconn&ect...", "Undock Comput&er", "Sh&ut Down..."}));
  // Programs > Accessories > System Tools > Maintenance: one last item
  // closes three menus at once.
  const MenuNode& programs = model.Node(model.Node(model.Root()).children[0]);
  const MenuNode& accessories = model.Node(programs.children[2]);
  EXPECT_EQ(Narrow(accessories.label), "Accessories");
  EXPECT_EQ(Labels(model, programs.children[2]),
            (std::vector<std::string>{"Entertainment", "Calculator", "Notepad", "System Tools"}));
  EXPECT_EQ(model.RecordOf(programs.children[2]).helpId, 45102);
  EXPECT_EQ(model.RecordOf(programs.children[0]).state, 3u) << "(Empty) is grayed";
}

// Written back unchanged, the template differs only where it is normalised:
// separators get id 65535 (the fixture has two, read with id 0), and the
// last item is padded to a multiple of 4 like every other, where the
// resource compiler leaves its padding out.
TEST(FixtureMenu, WritesTheSameBytesExceptSeparatorIdsAndFinalPadding) {
  std::vector<uint8_t> original = FixtureMenu();
  ASSERT_FALSE(original.empty());
  StartMenuModel model = ModelOf(original);
  const std::vector<uint8_t> written = model.SaveMenuTemplate();
  ASSERT_EQ(written.size(), (original.size() + 3) / 4 * 4);
  ASSERT_GE(written.size(), original.size());
  for (size_t i = original.size(); i < written.size(); ++i)
    EXPECT_EQ(written[i], 0) << "padding at " << i;
  original.resize(written.size());
  std::vector<size_t> differences;
  for (size_t i = 0; i < written.size(); ++i) {
    if (written[i] != original[i]) differences.push_back(i);
  }
  ASSERT_EQ(differences.size(), 4u) << Hex(written);
  for (size_t at : differences) {
    EXPECT_EQ(original[at], 0x00) << at;
    EXPECT_EQ(written[at], 0xFF) << at;
    const size_t item = (at & ~size_t{3}) - 8;
    EXPECT_EQ(Span(written).U32(item), 0x800u) << "separator's type at " << item;
  }
  EXPECT_EQ(Hex(model.SaveMenuTemplate()), Hex(written)) << "a second write is the same";
}

TEST(FixtureMenu, EditsSurviveWritingAndReading) {
  StartMenuModel model = ModelOf(FixtureMenu());
  const std::vector<NodeId> top = model.Node(model.Root()).children;
  ASSERT_EQ(top.size(), 12u);
  ASSERT_TRUE(model.MoveItem(top[11], top[0]).Done());   // Shut Down first
  ASSERT_TRUE(model.RemoveItem(top[8]).Done());          // Log Off
  ASSERT_TRUE(model.SetSeparator(top[3], true).Done());  // Settings and its sub-menu
  ASSERT_TRUE(model.RenameItem(top[6], u"Run a program").Done());
  const MenuEdit added = model.AddItem(top[10]);
  ASSERT_TRUE(added.Done());
  const size_t size = model.MenuTemplateSize();
  const std::vector<uint8_t> written = model.SaveMenuTemplate();
  EXPECT_EQ(written.size(), size);

  const StartMenuModel reread = ModelOf(written);
  EXPECT_EQ(Labels(reread, reread.Root()),
            (std::vector<std::string>{"Sh&ut Down...", "&Programs", "F&avorites", "&Documents", "",
                                      "Sear&ch", "&Help and Support", "Run a program", "",
                                      "Disconn&ect...", "New Item", "Undock Comput&er"}));
  const std::vector<NodeId> after = reread.Node(reread.Root()).children;
  EXPECT_TRUE(reread.RecordOf(after.back()).IsLast());
  for (size_t i = 0; i + 1 < after.size(); ++i)
    EXPECT_FALSE(reread.RecordOf(after[i]).IsLast()) << i;
  EXPECT_EQ(reread.PreOrder().size(), model.PreOrder().size());
}

}  // namespace
}  // namespace startmenu::test
