#include "app/AboutLinks.h"

namespace app {

std::string MailLinkFor(const std::string& address) {
  return "mailto:" + address + "?subject=Quorlo";
}

std::string WebLinkFor(const std::string& host) {
  return "http://" + host + "/";
}

}  // namespace app
