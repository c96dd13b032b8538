#pragma once
// The About window's contact details and the addresses its links open.

#include <string>

namespace app {

inline constexpr char kAuthorName[] = "Quorlo developers";
inline constexpr char kAuthorMail[] = "developers@quorlo.example";
inline constexpr char kWebHost[] = "quorlo.example";

// "mailto:" + address + "?subject=Quorlo".
std::string MailLinkFor(const std::string& address);
// The web site's address: "http://" + host + "/".
std::string WebLinkFor(const std::string& host);

}  // namespace app
