#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "help/DebugSwitch.h"

namespace help::test {
namespace {

TEST(DebugSwitch, AnyCaseAnywhere) {
  const struct {
    std::vector<std::string> arguments;
    bool expected;
  } cases[] = {
      {{}, false},
      {{"/debug"}, true},
      {{"-debug"}, true},
      {{"-DEBUG"}, true},
      {{"/DeBuG"}, true},
      {{"/r", "-Debug"}, true},
      {{"debug"}, false},
      {{"/debugx"}, false},
      {{"--debug"}, false},
      {{" /debug"}, false},
      {{"/r", "debug.debug"}, false},
  };
  for (const auto& c : cases) {
    std::string shown;
    for (const std::string& a : c.arguments) shown += "[" + a + "]";
    EXPECT_EQ(HasDebugArgument(c.arguments), c.expected) << "arguments " << shown;
  }
}

}  // namespace
}  // namespace help::test
