#include "ui/Hint.h"

#include <gtest/gtest.h>

namespace ui::test {
namespace {

TEST(Hint, LongAndShortPartsSplitAtTheFirstBar) {
  struct Case {
    std::string hint, shortPart, longPart;
  };
  const Case cases[] = {
      {"OK|Saves your changes.", "OK", "Saves your changes."},
      {"Closes Quorlo - About", "Closes Quorlo - About", "Closes Quorlo - About"},
      {"|only long", "", "only long"},
      {"a|b|c", "a", "b|c"},
      {"", "", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ShortHint(c.hint), c.shortPart) << "hint '" << c.hint << "'";
    EXPECT_EQ(LongHint(c.hint), c.longPart) << "hint '" << c.hint << "'";
  }
}

}  // namespace
}  // namespace ui::test
