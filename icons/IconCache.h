#pragma once
// Making the shell reload its icons: changing "Shell Icon Size" and telling
// every window forces the shell to drop its icon cache; the value then goes
// back to what it was (or, when it did not exist, to the large-icon width).

#include <functional>

#include "icons/IconSettings.h"
#include "icons/RegistryStore.h"

namespace icons {

// Under HKEY_CURRENT_USER.
inline constexpr char kWindowMetricsKey[] = "\\Control Panel\\Desktop\\WindowMetrics";
inline constexpr char kShellIconSizeValue[] = "Shell Icon Size";

// Writes the stored size less one, broadcasts, writes the size back exactly
// as stored, broadcasts again. largeIconWidth stands in for a missing value.
// A value that is not a whole number, or not a string at all, stops it
// before anything is written; so does a refused write, at that point.
// broadcast tells every top-level window that a setting changed (the
// Windows side passes WM_SETTINGCHANGE to all of them and waits at most
// ten seconds for any one).
IconWriteResult RebuildIconCache(RegistryStore& registry, int largeIconWidth,
                                 const std::function<void()>& broadcast);

}  // namespace icons
