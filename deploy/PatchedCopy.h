#pragma once
// The one road from edited resources to a file Windows may be pointed at:
// write the numbered copy completely (with its checksum where Windows checks
// it), and only then let the caller activate it. A failure leaves every
// setting as it was and tells the user what failed.

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "resedit/ResourceId.h"

namespace deploy {

struct ResourceChange {
  resedit::ResourceId type;
  resedit::ResourceId name;
  std::vector<uint8_t> data;
  uint32_t codePage = 0;
};

struct PatchedCopy {
  std::string source;  // the file Windows uses now
  std::string target;  // the new numbered copy
  std::vector<ResourceChange> changes;
  bool storeChecksum = false;  // kernel and logon library copies
};

// Writes the copy; empty on success, else the message that says why not.
// A failed write leaves no file at target.
std::string WritePatchedCopy(const PatchedCopy& copy);

// Writes the copy and, only when it was written, runs activate. On failure
// shows the message (caption, error icon, owner) and returns false.
bool WriteAndActivate(const PatchedCopy& copy, const std::function<bool()>& activate, HWND owner,
                      const std::string& caption);

}  // namespace deploy
