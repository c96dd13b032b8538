#include "win/Token.h"

#include <windows.h>

#include <vector>

namespace win {

namespace {

constexpr DWORD kUserNameBuffer = 260;
// Enough for the usual group count; larger lists are read with the size Windows asks for.
constexpr DWORD kFirstGroupsBuffer = 1024;
constexpr int kGroupReadAttempts = 4;

class TokenHandle {
 public:
  TokenHandle() {
    if (!OpenThreadToken(GetCurrentThread(), TOKEN_QUERY, TRUE, &handle_)) {
      handle_ = nullptr;
      if (GetLastError() == ERROR_NO_TOKEN &&
          !OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &handle_)) {
        handle_ = nullptr;
      }
    }
  }
  ~TokenHandle() {
    if (handle_ != nullptr) CloseHandle(handle_);
  }
  TokenHandle(const TokenHandle&) = delete;
  TokenHandle& operator=(const TokenHandle&) = delete;
  HANDLE Get() const { return handle_; }

 private:
  HANDLE handle_ = nullptr;
};

// DWORD-backed so TOKEN_GROUPS, whose members need pointer alignment, is aligned.
bool ReadGroups(HANDLE token, std::vector<ULONG_PTR>& storage) {
  DWORD size = kFirstGroupsBuffer;
  for (int attempt = 0; attempt < kGroupReadAttempts; ++attempt) {
    storage.assign(size / sizeof(ULONG_PTR) + 1, 0);
    DWORD needed = 0;
    const DWORD capacity = static_cast<DWORD>(storage.size() * sizeof(ULONG_PTR));
    if (GetTokenInformation(token, TokenGroups, storage.data(), capacity, &needed)) return true;
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || needed <= capacity) return false;
    size = needed;
  }
  return false;
}

}  // namespace

bool TokenHasAdministrators() {
  std::vector<ULONG_PTR> storage;
  {
    TokenHandle token;
    if (token.Get() == nullptr) return false;
    if (!ReadGroups(token.Get(), storage)) return false;
  }

  SID_IDENTIFIER_AUTHORITY ntAuthority = {SECURITY_NT_AUTHORITY};
  PSID administrators = nullptr;
  if (!AllocateAndInitializeSid(&ntAuthority, 2, SECURITY_BUILTIN_DOMAIN_RID,
                                DOMAIN_ALIAS_RID_ADMINS, 0, 0, 0, 0, 0, 0, &administrators)) {
    return false;
  }
  const auto* groups = reinterpret_cast<const TOKEN_GROUPS*>(storage.data());
  bool found = false;
  for (DWORD i = 0; i < groups->GroupCount && !found; ++i) {
    // A deny-only entry (a restricted "Run as" token) grants nothing: writes
    // to the shell settings would fail although the group is listed.
    if (groups->Groups[i].Attributes & SE_GROUP_USE_FOR_DENY_ONLY) continue;
    found = EqualSid(groups->Groups[i].Sid, administrators) != FALSE;
  }
  FreeSid(administrators);
  return found;
}

std::string LoggedOnUserName() {
  char buffer[kUserNameBuffer] = {};
  DWORD size = kUserNameBuffer;
  if (!GetUserNameA(buffer, &size)) return std::string();
  return std::string(buffer);
}

}  // namespace win
