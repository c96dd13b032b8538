#include <gtest/gtest.h>

#include <string>

#include "help/HelpAddress.h"

namespace help::test {
namespace {

TEST(HelpAddress, BuildsControlAddresses) {
  const struct {
    const char* label;
    std::string file;
    std::string topic;
    std::string window;
    std::string expected;
  } cases[] = {
      {"welcome page", "C:\\Program Files\\Quorlo\\Help.chm", "html\\Welcome.htm", "",
       "C:\\Program Files\\Quorlo\\Help.chm::/html/Welcome.htm"},
      {"page name with blanks", "C:\\Q\\Help.chm", "html\\Start Menu Manager Introduction.htm", "",
       "C:\\Q\\Help.chm::/html/Start Menu Manager Introduction.htm"},
      {"%20 in the topic", "C:\\Q\\Help.chm", "html\\About%20Quorlo.htm", "",
       "C:\\Q\\Help.chm::/html/About Quorlo.htm"},
      {"%20 in the file", "C:\\My%20Tools\\Help.chm", "html\\Contact.htm", "",
       "C:\\My Tools\\Help.chm::/html/Contact.htm"},
      {"topic already rooted", "C:\\Q\\Help.chm", "/html/Contact.htm", "",
       "C:\\Q\\Help.chm::/html/Contact.htm"},
      {"topic rooted with a backslash", "C:\\Q\\Help.chm", "\\html\\Contact.htm", "",
       "C:\\Q\\Help.chm::/html/Contact.htm"},
      {"blanks around every part", "  C:\\Q\\Help.chm ", " html\\Welcome.htm  ", " main ",
       "C:\\Q\\Help.chm::/html/Welcome.htm>main"},
      {"%20 at the edges is trimmed", "C:\\Q\\Help.chm%20", "%20html\\Welcome.htm", "",
       "C:\\Q\\Help.chm::/html/Welcome.htm"},
      {"no topic", "C:\\Q\\Help.chm", "", "", "C:\\Q\\Help.chm"},
      {"blank topic", "C:\\Q\\Help.chm", "   ", "", "C:\\Q\\Help.chm"},
      {"no topic, window", "C:\\Q\\Help.chm", "", "main", "C:\\Q\\Help.chm>main"},
      {"no file", "", "html\\Welcome.htm", "", "/html/Welcome.htm"},
      {"nothing", "", "", "", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(BuildHelpAddress(c.file, c.topic, c.window), c.expected) << c.label;
  }
}

}  // namespace
}  // namespace help::test
