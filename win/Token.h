#pragma once
// The user behind the program: name and membership of the built-in
// Administrators group. NT family only; the 95 family has no tokens.

#include <string>

namespace win {

// True when the thread's token (else the process token) holds S-1-5-32-544
// as a group that is not deny-only. False when no token can be read.
bool TokenHasAdministrators();

// GetUserNameA; empty when Windows cannot say.
std::string LoggedOnUserName();

}  // namespace win
