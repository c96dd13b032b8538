#include "app/Constants.h"

namespace app {

const char kUnsupportedWindowsMessage[] =
    "Quorlo is only designed for Windows 95, Windows 98, Windows Millennium,\r\n"
    "Windows 2000, and Windows XP.\r\n"
    "\r\n"
    "Unfortunately, Quorlo does not support your Operating System.\r\n"
    "\r\n"
    "If you require further assistance or help, please don't hesitate to\r\n"
    "contact the author.";

std::string NoRightsMessage(const std::string& userName) {
  // Spliced rather than passed through printf: a user name may hold '%'.
  return "Unfortunately the user '" + userName +
         "' does not have Administration rights.\r\n"
         "You must have Administration rights for Quorlo to operate correctly.\r\n"
         "\r\n"
         "Contact your local Administrator for help.";
}

}  // namespace app
