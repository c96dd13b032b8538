#include "logos/BootPalette.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

const auto kSignature = logos::BootPaletteBytes(logos::BootPaletteSignature());

// A kernel-like image: bytes that vary, with zeros in between, like code
// and data (the signature itself starts with zeros).
Bytes Image(size_t size) {
  Bytes image(size);
  for (size_t i = 0; i < size; ++i) image[i] = i % 3 == 0 ? 0 : uint8_t(i * 7 + 1);
  return image;
}

void Place(Bytes& image, size_t at, const Bytes& what) {
  std::copy(what.begin(), what.end(), image.begin() + at);
}

TEST(BootPaletteSignature, StoredBlueGreenRedZero) {
  const Bytes entry3(kSignature.begin() + 12, kSignature.begin() + 16);
  EXPECT_EQ(entry3, (Bytes{210, 62, 45, 0}));
  const Bytes entry11(kSignature.begin() + 44, kSignature.begin() + 48);
  EXPECT_EQ(entry11, (Bytes{4, 220, 142, 0}));
  EXPECT_EQ(logos::BootPaletteBytes(logos::BootPaletteFromBytes(kSignature)), kSignature);
}

TEST(FindBootPalette, FirstWholeCopyAnywhereInTheImage) {
  const Bytes signature(kSignature.begin(), kSignature.end());
  Bytes almost = signature;
  almost[63] = 1;  // only the last byte differs
  struct Case {
    const char* what;
    size_t size;
    std::vector<std::pair<size_t, Bytes>> placed;
    std::optional<size_t> found;
  };
  const Case cases[] = {
      {"odd offset", 4096, {{1001, signature}}, 1001},
      {"absent", 4096, {}, std::nullopt},
      {"all but the last byte", 4096, {{99, almost}}, std::nullopt},
      {"a near copy before the real one", 4096, {{99, almost}, {2049, signature}}, 2049},
      {"two copies: the first", 4096, {{3001, signature}, {1501, signature}}, 1501},
      {"ending with the image", 4096, {{4096 - 64, signature}}, 4096 - 64},
      {"the whole image", 64, {{0, signature}}, 0},
      {"image shorter than the table", 63, {}, std::nullopt},
      {"empty image", 0, {}, std::nullopt},
  };
  for (const Case& c : cases) {
    Bytes image = Image(c.size);
    for (const auto& [at, bytes] : c.placed) Place(image, at, bytes);
    EXPECT_EQ(logos::FindBootPalette(core::ByteSpan(image.data(), image.size())), c.found)
        << c.what;
  }
}

TEST(ReadBootPalette, SixteenColoursAtTheOffsetOrNothing) {
  Bytes image = Image(200);
  for (size_t i = 0; i < 64; ++i) image[77 + i] = uint8_t(i + 100);
  const core::ByteSpan span(image.data(), image.size());
  const std::optional<logos::BootPalette> palette = logos::ReadBootPalette(span, 77);
  ASSERT_TRUE(palette);
  EXPECT_EQ((*palette)[0].Blue, 100);
  EXPECT_EQ((*palette)[0].Red, 102);
  EXPECT_EQ((*palette)[15].Reserved, 163);
  EXPECT_TRUE(logos::ReadBootPalette(span, 136));
  EXPECT_FALSE(logos::ReadBootPalette(span, 137));
  EXPECT_FALSE(logos::ReadBootPalette(span, SIZE_MAX));
}

}  // namespace
