#include <gtest/gtest.h>

#include "resedit/StringBlock.h"

namespace resedit::test {
namespace {

TEST(StringBlock, BlockNumbers) {
  const std::pair<uint32_t, uint32_t> cases[] = {
      {0, 1}, {15, 1}, {16, 2}, {578, 37}, {65535, 4096}};
  for (auto [id, block] : cases) EXPECT_EQ(StringBlockOf(id), block) << "string " << id;
}

TEST(StringBlock, EncodesAndParses) {
  StringBlock empty;
  auto encodedEmpty = EncodeStringBlock(empty);
  ASSERT_TRUE(encodedEmpty);
  EXPECT_EQ(encodedEmpty->size(), 32u);
  EXPECT_EQ(*encodedEmpty, std::vector<uint8_t>(32, 0));

  StringBlock block;
  block[0] = u"first";
  block[15] = u"last \u00e9\u4e2d";
  auto encoded = EncodeStringBlock(block);
  ASSERT_TRUE(encoded);
  EXPECT_EQ(encoded->size(), 32u + 2 * (5 + 7));
  auto parsed = ParseStringBlock(ByteSpan(encoded->data(), encoded->size()));
  ASSERT_TRUE(parsed);
  EXPECT_EQ(*parsed, block);

  // Padding after the sixteenth string is ignored; a block cut inside a
  // string is refused.
  encoded->push_back(0);
  encoded->push_back(0);
  EXPECT_TRUE(ParseStringBlock(ByteSpan(encoded->data(), encoded->size())));
  for (size_t cut : {size_t{0}, size_t{1}, size_t{5}, encoded->size() - 3}) {
    EXPECT_FALSE(ParseStringBlock(ByteSpan(encoded->data(), cut))) << "cut at " << cut;
  }
  StringBlock tooLong;
  tooLong[3].assign(65536, u'x');
  EXPECT_FALSE(EncodeStringBlock(tooLong));
}

}  // namespace
}  // namespace resedit::test
