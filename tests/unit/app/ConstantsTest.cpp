#include <gtest/gtest.h>

#include <string>

#include "app/Constants.h"
#include "help/HelpTopic.h"
#include "win/ProgramIdentity.h"

namespace app::test {
namespace {

TEST(Constants, NoRightsMessageNamesTheUserVerbatim) {
  EXPECT_EQ(app::NoRightsMessage("Guest"),
            "Unfortunately the user 'Guest' does not have Administration rights.\r\n"
            "You must have Administration rights for Quorlo to operate correctly.\r\n\r\n"
            "Contact your local Administrator for help.");
  // Format characters in a name stay text.
  const std::string odd = app::NoRightsMessage("%s%n 100%");
  EXPECT_NE(odd.find("the user '%s%n 100%' does not"), std::string::npos) << odd;
}

TEST(Constants, UnsupportedWindowsMessageText) {
  EXPECT_STREQ(app::kUnsupportedWindowsMessage,
               "Quorlo is only designed for Windows 95, Windows 98, Windows Millennium,\r\n"
               "Windows 2000, and Windows XP.\r\n\r\n"
               "Unfortunately, Quorlo does not support your Operating System.\r\n\r\n"
               "If you require further assistance or help, please don't hesitate to\r\n"
               "contact the author.");
}

TEST(Constants, ProgramKeyAndNames) {
  EXPECT_STREQ(win::ProgramRegistryKey, "\\Software\\KorvSoft\\Quorlo\\4.1");
  EXPECT_STREQ(app::kInstanceName, "Quorlov4");
  EXPECT_STREQ(help::kHelpFileName, "Help.chm");
}

}  // namespace
}  // namespace app::test
