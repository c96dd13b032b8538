#pragma once
// The one road from edited resources to a file Windows may be pointed at:
// write the numbered copy completely (with its checksum where Windows checks
// it), and only then let the caller activate it. A failure leaves every
// setting as it was and says, in the user's words, what failed.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/Outcome.h"
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

// A bitmap of the shell the user chose to replace (the Start button's XP
// picture, the Start menu's vertical logo).
struct PendingBitmap {
  bool changed = false;  // replace it at the next write
  bool restore = false;  // take it from Windows' own Explorer.exe
  std::string file;      // the user's bitmap file otherwise
};

// Adds the change of bitmap resource id that bitmap asks for: the file
// without its 14-byte file header (an RT_BITMAP resource is the rest), or
// Windows' own bitmap. When it cannot be made, nothing is added and the
// message says why, naming the picture as `what`; the rest of the copy is
// written all the same.
std::optional<std::string> AddBitmapChange(std::vector<ResourceChange>& changes, uint32_t id,
                                           const PendingBitmap& bitmap, const std::string& what);

// Writes the copy; a failure carries the message that says why not and
// leaves no file at target.
core::Outcome WritePatchedCopy(const PatchedCopy& copy);

// Writes the copy and, only when it was written, runs activate; the outcome
// of whichever step failed, else activate's.
core::Outcome WriteAndActivate(const PatchedCopy& copy,
                               const std::function<core::Outcome()>& activate);

}  // namespace deploy
