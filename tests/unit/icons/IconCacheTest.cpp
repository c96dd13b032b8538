#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "icons/IconCache.h"
#include "tests/unit/icons/MemoryRegistry.h"

namespace {

using icons::RegistryRoot;
using icons::StoredText;
using icons::test::MemoryRegistry;

constexpr char kMetrics[] = "Control Panel\\Desktop\\WindowMetrics";
constexpr char kSize[] = "Shell Icon Size";

std::string Shown(const StoredText& value) {
  switch (value.state) {
    case StoredText::State::Text:
      return value.text;
    case StoredText::State::OtherType:
      return "<other type>";
    case StoredText::State::Missing:
      break;
  }
  return "<missing>";
}

TEST(IconCache, TheSizeDropsByOneForTheFirstBroadcastAndIsBackAsStoredForTheSecond) {
  const struct {
    StoredText stored;
    int largeIconWidth;
    std::vector<std::string> seenAtBroadcasts;
    std::string after;
  } cases[] = {
      {StoredText::Of("32"), 32, {"31", "32"}, "32"},
      {StoredText::Of("48"), 32, {"47", "48"}, "48"},
      {StoredText::Of("+32"), 32, {"31", "+32"}, "+32"},
      {StoredText::Of("0"), 32, {"-1", "0"}, "0"},
      {StoredText::Of("-2147483648"), 32, {"-2147483649", "-2147483648"}, "-2147483648"},
      // A missing value ends as the large-icon width.
      {StoredText::Missing(), 32, {"31", "32"}, "32"},
      {StoredText::Missing(), 48, {"47", "48"}, "48"},
  };
  for (const auto& c : cases) {
    MemoryRegistry registry;
    if (c.stored.state == StoredText::State::Text) {
      registry.SetText(RegistryRoot::CurrentUser, kMetrics, kSize, c.stored.text);
    }
    std::vector<std::string> seen;
    const icons::IconWriteResult result = icons::RebuildIconCache(registry, c.largeIconWidth, [&] {
      seen.push_back(Shown(registry.Value(RegistryRoot::CurrentUser, kMetrics, kSize)));
    });
    EXPECT_TRUE(result.ok) << result.message;
    EXPECT_EQ(seen, c.seenAtBroadcasts) << Shown(c.stored);
    EXPECT_EQ(Shown(registry.Value(RegistryRoot::CurrentUser, kMetrics, kSize)), c.after);
  }
}

TEST(IconCache, ASizeThatIsNoWholeNumberStopsBeforeAnythingIsWritten) {
  const struct {
    StoredText stored;
    const char* message;
  } cases[] = {
      {StoredText::Of("abc"), "'abc' is not a valid integer value"},
      {StoredText::Of(""), "'' is not a valid integer value"},
      {StoredText::Of("32px"), "'32px' is not a valid integer value"},
      {StoredText::Of("3 2"), "'3 2' is not a valid integer value"},
      {StoredText::Of("99999999999"), "'99999999999' is not a valid integer value"},
      {StoredText::OtherType(), "Invalid data type for 'Shell Icon Size'"},
  };
  for (const auto& c : cases) {
    MemoryRegistry registry;
    if (c.stored.state == StoredText::State::Text) {
      registry.SetText(RegistryRoot::CurrentUser, kMetrics, kSize, c.stored.text);
    } else {
      registry.SetOtherType(RegistryRoot::CurrentUser, kMetrics, kSize);
    }
    int broadcasts = 0;
    const icons::IconWriteResult result =
        icons::RebuildIconCache(registry, 32, [&] { ++broadcasts; });
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, c.message);
    EXPECT_EQ(broadcasts, 0);
    EXPECT_EQ(registry.Writes(), std::vector<std::string>());
    EXPECT_EQ(Shown(registry.Value(RegistryRoot::CurrentUser, kMetrics, kSize)), Shown(c.stored));
  }
}

TEST(IconCache, ARefusedWriteStopsBeforeTheBroadcast) {
  MemoryRegistry registry;
  registry.SetText(RegistryRoot::CurrentUser, kMetrics, kSize, "32");
  registry.RefuseWrites(RegistryRoot::CurrentUser, kMetrics, kSize);
  int broadcasts = 0;
  const icons::IconWriteResult result =
      icons::RebuildIconCache(registry, 32, [&] { ++broadcasts; });
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.message, "Failed to set data for 'Shell Icon Size'");
  EXPECT_EQ(broadcasts, 0);
  EXPECT_EQ(Shown(registry.Value(RegistryRoot::CurrentUser, kMetrics, kSize)), "32");
}

}  // namespace
