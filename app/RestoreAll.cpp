#include "app/RestoreAll.h"

// The undo steps (shell and logon-library settings, kernel switches, XP Start
// Menu texts, 9x logos) belong to the deployment layer and join here as it
// lands. Until then "/r" ends quietly, which is also what it must do when a
// step fails.
void RunRestoreAll(int windowsVersion) {
  static_cast<void>(windowsVersion);
}
