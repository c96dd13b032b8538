#pragma once
// The shell's icon cache rebuilt on Windows itself (RebuildIconCache with
// the system's pieces): the busy cursor while it runs, the system's
// large-icon width for a missing "Shell Icon Size", and WM_SETTINGCHANGE
// sent to every top-level window, waiting at most ten seconds for any one
// and not at all for one that hangs.

#include "icons/IconSettings.h"
#include "icons/RegistryStore.h"

namespace icons {

IconWriteResult RebuildShellIconCache(RegistryStore& registry);

}  // namespace icons
