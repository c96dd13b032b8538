#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "startbutton/StringTable.h"

namespace startbutton::test {
namespace {

// A block's bytes from its 16 texts, built here independently of the code
// under test.
std::vector<uint8_t> BlockBytes(const std::vector<std::u16string>& texts) {
  std::vector<uint8_t> bytes;
  for (size_t i = 0; i < 16; ++i) {
    const std::u16string text = i < texts.size() ? texts[i] : u"";
    bytes.push_back(uint8_t(text.size()));
    bytes.push_back(uint8_t(text.size() >> 8));
    for (char16_t unit : text) {
      bytes.push_back(uint8_t(unit));
      bytes.push_back(uint8_t(unit >> 8));
    }
  }
  return bytes;
}

std::optional<StringTable> Load(const std::vector<uint8_t>& bytes, uint32_t block, int32_t id) {
  return LoadStringBlock(resedit::ByteSpan(bytes.data(), bytes.size()), block, id);
}

std::string Narrow(const std::u16string& text) {
  return std::string(text.begin(), text.end());
}

struct ShownCase {
  const char* name;
  StringTableSpec spec;
  std::vector<std::u16string> texts;
  int expectedPosition;
  std::u16string expectedShown;
};

class ShownRecord : public testing::TestWithParam<ShownCase> {};

TEST_P(ShownRecord, IdsFollowTheBlockAndTheShownIdIsFound) {
  const ShownCase& c = GetParam();
  const std::vector<uint8_t> bytes = BlockBytes(c.texts);
  const std::optional<StringTable> table = Load(bytes, c.spec.block, c.spec.shownId);
  ASSERT_TRUE(table.has_value());
  EXPECT_TRUE(table->loaded);
  EXPECT_EQ(table->shownPosition, c.expectedPosition);
  EXPECT_EQ(Narrow(ShownText(*table)), Narrow(c.expectedShown));
  for (int p = 0; p < 16; ++p) {
    EXPECT_EQ(table->records[p].Id, int32_t((c.spec.block - 1) * 16 + p)) << "position " << p;
    const std::u16string text = size_t(p) < c.texts.size() ? c.texts[p] : u"";
    EXPECT_EQ(table->records[p].Length, text.size()) << "position " << p;
    EXPECT_EQ(Narrow(table->records[p].Text), Narrow(text)) << "position " << p;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Blocks, ShownRecord,
    testing::Values(ShownCase{"Tooltip",
                              kTooltipTableSpec,
                              {u"", u"", u"", u"", u"", u"Click here to begin", u"x"},
                              6,
                              u"Click here to begin"},
                    ShownCase{"Start", kStartTableSpec, {u"a", u"b", u"Start"}, 3, u"Start"},
                    ShownCase{"XPStart", kXPStartTableSpec, {u"", u"", u"", u"start"}, 4, u"start"},
                    ShownCase{"AllEmpty", kStartTableSpec, {}, 3, u""},
                    // Block 1 holds ids 0..15: a wanted id of another block is absent.
                    ShownCase{"IdMissing", {1, 578}, {u"zero"}, 0, u""}),
    [](const testing::TestParamInfo<ShownCase>& info) { return std::string(info.param.name); });

TEST(StringTable, AllEmptyBlockIs32BytesAndComesBackAs32Bytes) {
  const std::vector<uint8_t> bytes = BlockBytes({});
  const std::optional<StringTable> table = Load(bytes, 37, 578);
  ASSERT_TRUE(table.has_value());
  EXPECT_EQ(StringBlockSize(*table), 32u);
  EXPECT_EQ(SaveStringBlock(*table), bytes);
}

TEST(StringTable, UneditedBlockIsWrittenBackByteForByteWithPaddingDropped) {
  // Characters outside any ANSI page, and an empty string between others.
  const std::vector<std::u16string> texts = {u"\u0416\u4e2d", u"", u"Start", u"\xd83d\xde00",
                                             u"tail"};
  std::vector<uint8_t> bytes = BlockBytes(texts);
  const std::vector<uint8_t> exact = bytes;
  bytes.push_back(0);
  bytes.push_back(0);
  const std::optional<StringTable> table = Load(bytes, 37, 578);
  ASSERT_TRUE(table.has_value());
  EXPECT_EQ(StringBlockSize(*table), exact.size());
  EXPECT_EQ(SaveStringBlock(*table), exact);
}

struct EditCase {
  const char* name;
  std::u16string newText;
};

class ShownEdit : public testing::TestWithParam<EditCase> {};

TEST_P(ShownEdit, OnlyTheShownRecordChanges) {
  std::vector<std::u16string> texts = {u"one", u"", u"Start", u"", u"five", u"\u00e9"};
  const std::optional<StringTable> loaded = Load(BlockBytes(texts), 37, 578);
  ASSERT_TRUE(loaded.has_value());
  StringTable table = *loaded;
  ASSERT_TRUE(SetShownText(table, GetParam().newText));
  texts[2] = GetParam().newText;
  const std::vector<uint8_t> expected = BlockBytes(texts);
  EXPECT_EQ(StringBlockSize(table), expected.size());
  EXPECT_EQ(SaveStringBlock(table), expected);
  EXPECT_EQ(table.records[2].Length, GetParam().newText.size());
}

INSTANTIATE_TEST_SUITE_P(Texts, ShownEdit,
                         testing::Values(EditCase{"Longer", u"Begin here now"},
                                         EditCase{"Empty", u""}, EditCase{"Same", u"Start"}),
                         [](const testing::TestParamInfo<EditCase>& info) {
                           return std::string(info.param.name);
                         });

TEST(StringTable, EditIsRefusedWhenTheShownIdIsMissing) {
  const std::vector<uint8_t> bytes = BlockBytes({u"keep"});
  const std::optional<StringTable> loaded = Load(bytes, 1, 578);
  ASSERT_TRUE(loaded.has_value());
  StringTable table = *loaded;
  EXPECT_FALSE(SetShownText(table, u"typed"));
  EXPECT_EQ(SaveStringBlock(table), bytes);
}

TEST(StringTable, TextLongerThanARecordIsRefused) {
  const std::optional<StringTable> loaded = Load(BlockBytes({}), 37, 578);
  ASSERT_TRUE(loaded.has_value());
  StringTable table = *loaded;
  EXPECT_FALSE(SetShownText(table, std::u16string(65536, u'x')));
  EXPECT_EQ(StringBlockSize(table), 32u);
  EXPECT_TRUE(SetShownText(table, std::u16string(65535, u'x')));
  EXPECT_EQ(StringBlockSize(table), 32u + 2u * 65535u);
}

TEST(StringTable, DataEndingInsideARecordIsRefused) {
  const std::vector<uint8_t> full = BlockBytes({u"Start", u"", u"x"});
  for (size_t cut : {size_t(0), size_t(1), size_t(5), full.size() - 1}) {
    const std::vector<uint8_t> shorter(full.begin(), full.begin() + long(cut));
    EXPECT_FALSE(Load(shorter, 37, 578).has_value()) << "cut at " << cut;
  }
  // A length that claims more than the data holds.
  std::vector<uint8_t> lying = BlockBytes({});
  lying[0] = 0xff;
  lying[1] = 0xff;
  EXPECT_FALSE(Load(lying, 37, 578).has_value());
}

TEST(StringTable, UnloadedTableHasNoShownRecord) {
  StringTable table;
  EXPECT_FALSE(table.loaded);
  EXPECT_FALSE(SetShownText(table, u"x"));
  EXPECT_EQ(ShownText(table), u"");
}

}  // namespace
}  // namespace startbutton::test
