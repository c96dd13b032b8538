// The XP Start menu texts: the leaf map, the six blocks read from a shell
// and written back, and the key names taken from them.

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

#include "MenuOutline.h"
#include "PeBuilder.h"
#include "deploy/XPStartMenuKeys.h"
#include "startmenu/XPStartMenuTexts.h"

namespace startmenu::test {
namespace {

resedit::ResourceFile FixtureShell() {
  const char* fixtures = std::getenv("QUORLO_FIXTURES");
  resedit::ResourceFile shell;
  const std::string path = std::string(fixtures ? fixtures : ".") + "/Explorer.exe";
  EXPECT_EQ(shell.Open(path), resedit::ResourceStatus::kSuccess) << path;
  return shell;
}

XPStartMenuTexts Read(const resedit::ResourceFile& shell) {
  XPStartMenuTextsRead read = ReadXPStartMenuTexts(shell);
  EXPECT_TRUE(read.Ok()) << read.refusal;
  return read.texts;
}

// A block's bytes, from the engine's encoder (tested with the engine).
std::vector<uint8_t> BlockBytes(const std::vector<std::u16string>& texts) {
  resedit::StringBlock block;
  std::copy(texts.begin(), texts.end(), block.begin());
  return *resedit::EncodeStringBlock(block);
}

resedit::ResourceFile ShellWith(std::vector<resedit::test::TestResource> resources) {
  const resedit::test::BuiltImage image =
      resedit::test::BuildImage(resedit::test::ResourceOnlyImage(std::move(resources)));
  resedit::ResourceFile shell;
  EXPECT_EQ(shell.OpenBytes(resedit::ByteSpan(image.bytes.data(), image.bytes.size())),
            resedit::ResourceStatus::kSuccess);
  return shell;
}

TEST(XPStartMenuTree, EveryLeafEditsAStringOfItsBlock) {
  std::set<uint32_t> ids;
  std::set<std::string> labels;
  size_t categories = 0;
  for (const XPStartMenuNode& node : kXPStartMenuTree) {
    EXPECT_TRUE(labels.insert(node.label).second) << node.label;
    if (node.IsCategory()) {
      ++categories;
      continue;
    }
    EXPECT_EQ(resedit::StringBlockOf(node.id), node.block) << node.label;
    EXPECT_NE(std::find(kXPStartMenuBlocks.begin(), kXPStartMenuBlocks.end(), node.block),
              kXPStartMenuBlocks.end())
        << node.label;
    EXPECT_TRUE(ids.insert(node.id).second) << node.label;
    EXPECT_EQ(FindXPStartMenuLeaf(node.id), &node) << node.label;
  }
  EXPECT_EQ(categories, 3u);
  EXPECT_TRUE(kXPStartMenuTree.front().IsCategory()) << "the tree starts with a category";
  EXPECT_EQ(FindXPStartMenuLeaf(7002), nullptr) << "Windows Security's hint has no leaf";
  EXPECT_EQ(FindXPStartMenuLeaf(0), nullptr) << "a category is no leaf";
}

TEST(XPStartMenuTexts, ReadsTheLeavesOfTheShell) {
  const XPStartMenuTexts texts = Read(FixtureShell());
  for (uint32_t block : kXPStartMenuBlocks) EXPECT_TRUE(texts.HasBlock(block)) << block;
  const struct {
    const char* leaf;
    std::u16string text;
  } cases[] = {
      {"Run...", u"&Run..."},
      {"All Programs", u"All Programs"},
      {"Buttons Type 2", u"Shut Down"},
      {"My Documents hint",
       u"Opens the My Documents folder, where you can store letters, reports, notes, and other "
       u"kinds of documents."},
      {"Search hint",
       u"Opens a window where you can pick search options and work with search results."},
      {"To see message", u"Click the arrow to see the hidden icons."},
  };
  for (const auto& c : cases) {
    const auto leaf =
        std::find_if(kXPStartMenuTree.begin(), kXPStartMenuTree.end(),
                     [&](const XPStartMenuNode& n) { return n.label == std::string(c.leaf); });
    ASSERT_NE(leaf, kXPStartMenuTree.end()) << c.leaf;
    EXPECT_EQ(Narrow(texts.Text(leaf->id)), Narrow(c.text)) << c.leaf;
  }
  EXPECT_EQ(Narrow(texts.Text(7019)), "") << "an id the shell leaves empty";
  EXPECT_EQ(Narrow(texts.Text(578)), "Start") << "a string no leaf shows";
  EXPECT_EQ(Narrow(texts.Text(7024)), "") << "block 440 is none of the six";
}

TEST(XPStartMenuTexts, WritesUntouchedBlocksBackByteForByte) {
  const resedit::ResourceFile shell = FixtureShell();
  const std::vector<XPStringBlockBytes> blocks = Read(shell).EncodeBlocks();
  ASSERT_EQ(blocks.size(), kXPStartMenuBlocks.size());
  for (size_t i = 0; i < blocks.size(); ++i) {
    EXPECT_EQ(blocks[i].block, kXPStartMenuBlocks[i]);
    const auto original = shell.Find(resedit::kStringTableType, blocks[i].block);
    ASSERT_TRUE(original.has_value());
    EXPECT_EQ(Hex(blocks[i].bytes), Hex(*original)) << "block " << blocks[i].block;
  }
}

TEST(XPStartMenuTexts, AnEditedLeafChangesItsStringAndItsKeyNameOnly) {
  const resedit::ResourceFile shell = FixtureShell();
  XPStartMenuTexts texts = Read(shell);
  const std::vector<XPStringBlockBytes> before = texts.EncodeBlocks();
  ASSERT_TRUE(texts.SetLeafText(7023, u"Start a program..."));
  const std::vector<XPStringBlockBytes> after = texts.EncodeBlocks();
  ASSERT_EQ(after.size(), before.size());
  for (size_t i = 0; i < after.size(); ++i) {
    if (after[i].block != 439) {
      EXPECT_EQ(Hex(after[i].bytes), Hex(before[i].bytes)) << after[i].block;
      continue;
    }
    const auto was = resedit::ParseStringBlock(Span(before[i].bytes));
    const auto now = resedit::ParseStringBlock(Span(after[i].bytes));
    ASSERT_TRUE(was && now);
    for (size_t s = 0; s < 16; ++s) {
      const uint32_t id = 7008 + uint32_t(s);
      EXPECT_EQ(Narrow((*now)[s]), id == 7023 ? "Start a program..." : Narrow((*was)[s])) << id;
    }
  }

  const std::vector<XPStartMenuKeyName> names = texts.KeyNames();
  ASSERT_EQ(names.size(), 4u) << "Internet and E-mail get no default value";
  const char* expected[] = {"&Search", "&Help and Support", "&Windows Security",
                            "Start a program..."};
  for (size_t k = 0; k < names.size(); ++k) {
    EXPECT_STREQ(names[k].keyPath, deploy::kXPStartMenuKeys[k].path);
    EXPECT_EQ(Narrow(names[k].name), expected[k]) << names[k].keyPath;
  }
}

TEST(XPStartMenuTexts, KeepsALongStringWholeUntilItsLeafIsEdited) {
  const std::u16string longHint(300, u'h');
  const std::u16string longOther(400, u'o');
  std::vector<std::u16string> block19(16);
  block19[300 - 288] = longHint;   // "My Documents hint"
  block19[290 - 288] = longOther;  // no leaf
  XPStartMenuTexts texts = Read(ShellWith({{6, 19, 1033, BlockBytes(block19)}}));
  EXPECT_EQ(texts.ShownText(300).size(), kXPTextLimit);
  EXPECT_EQ(texts.Text(300), longHint);

  EXPECT_FALSE(texts.SetLeafText(300, texts.ShownText(300))) << "the window filling its box";
  auto written = resedit::ParseStringBlock(Span(texts.EncodeBlocks().at(0).bytes));
  ASSERT_TRUE(written.has_value());
  EXPECT_EQ((*written)[300 - 288], longHint);
  EXPECT_EQ((*written)[290 - 288], longOther);

  const std::u16string edited = longHint.substr(0, 253);
  EXPECT_TRUE(texts.SetLeafText(300, edited)) << "the user deleting a character";
  written = resedit::ParseStringBlock(Span(texts.EncodeBlocks().at(0).bytes));
  ASSERT_TRUE(written.has_value());
  EXPECT_EQ((*written)[300 - 288], edited);
  EXPECT_EQ((*written)[290 - 288], longOther);
}

TEST(XPStartMenuTexts, StoresOnlyLeavesAndTextsABlockCanHold) {
  XPStartMenuTexts texts = Read(FixtureShell());
  const struct {
    const char* name;
    uint32_t id;
    std::u16string text;
  } refused[] = {
      {"a string no leaf shows", 578, u"Go"},
      {"an id outside the six blocks", 7024, u"Web"},
      {"a category", 0, u"x"},
      {"longer than a block holds", 7023, std::u16string(0x10000, u'x')},
      {"the text already shown", 7023, u"&Run..."},
  };
  const std::vector<XPStringBlockBytes> before = texts.EncodeBlocks();
  for (const auto& c : refused) {
    EXPECT_FALSE(texts.SetLeafText(c.id, c.text)) << c.name;
  }
  const std::vector<XPStringBlockBytes> after = texts.EncodeBlocks();
  for (size_t i = 0; i < after.size(); ++i) EXPECT_EQ(after[i].bytes, before[i].bytes);
  EXPECT_TRUE(texts.SetLeafText(7023, u"")) << "an empty text is a text";
  EXPECT_EQ(Narrow(texts.Text(7023)), "");
}

TEST(XPStartMenuTexts, WritesBackOnlyTheBlocksTheShellHas) {
  const XPStartMenuTexts texts = Read(ShellWith({{6, 20, 1033, BlockBytes({u"Computer"})},
                                                 {6, 515, 1033, BlockBytes({u"Documents"})},
                                                 {6, 21, 1033, BlockBytes({u"other"})}}));
  const std::vector<XPStringBlockBytes> blocks = texts.EncodeBlocks();
  ASSERT_EQ(blocks.size(), 2u);
  EXPECT_EQ(blocks[0].block, 20u);
  EXPECT_EQ(blocks[1].block, 515u);
  EXPECT_EQ(Narrow(texts.Text(304)), "Computer");
  EXPECT_EQ(Narrow(texts.Text(7023)), "") << "block 439 is missing";
  EXPECT_FALSE(texts.HasBlock(439));
  EXPECT_EQ(Narrow(texts.KeyNames().at(3).name), "");
}

TEST(XPStartMenuTexts, RefusesAShellWithABlockCutShort) {
  std::vector<uint8_t> cut = BlockBytes({u"Search"});
  cut.resize(cut.size() - 1);
  const XPStartMenuTextsRead read =
      ReadXPStartMenuTexts(ShellWith({{6, 20, 1033, BlockBytes({u"fine"})}, {6, 439, 1033, cut}}));
  EXPECT_FALSE(read.Ok());
  EXPECT_EQ(read.refusal, "String block 439 of the shell is cut short.");
  EXPECT_TRUE(read.texts.EncodeBlocks().empty()) << "nothing to write from a refused read";
}

}  // namespace
}  // namespace startmenu::test
