#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/CommandLine.h"

namespace app::test {
namespace {

TEST(CommandLine, RestoreAllOnlyForExactFirstArgument) {
  const struct {
    std::vector<std::string> arguments;
    bool expected;
  } cases[] = {
      {{}, false},     {{"/r"}, true},   {{"/r", "/debug"}, true},  {{"/R"}, false},
      {{"-r"}, false}, {{"/r "}, false}, {{"/debug", "/r"}, false}, {{""}, false},
  };
  for (const auto& c : cases) {
    std::string shown;
    for (const std::string& a : c.arguments) shown += "[" + a + "]";
    EXPECT_EQ(IsRestoreAllRequest(c.arguments), c.expected) << "arguments " << shown;
  }
}

}  // namespace
}  // namespace app::test
