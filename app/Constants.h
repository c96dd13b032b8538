#pragma once
// Names and message texts of the program as a whole. The texts are the
// program's own and are used exactly as written here.

#include <string>

namespace app {

// Both the single-instance mutex and the registered window message.
inline constexpr char kInstanceName[] = "Quorlov4";
inline constexpr char kRestoreAllArgument[] = "/r";

extern const char kUnsupportedWindowsMessage[];

// The no-rights message with the user's name in place.
std::string NoRightsMessage(const std::string& userName);

}  // namespace app
