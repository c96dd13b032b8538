#include "icons/ShellIconCache_win.h"

#include <windows.h>

#include "icons/IconCache.h"

namespace icons {

namespace {

constexpr UINT kBroadcastTimeoutMs = 10000;

void BroadcastSettingChange() {
  // An empty section name: the shell rereads its metrics, icon size included.
  static const char kNoSection[] = "";
  DWORD_PTR answer = 0;
  SendMessageTimeoutA(HWND_BROADCAST, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(kNoSection),
                      SMTO_ABORTIFHUNG, kBroadcastTimeoutMs, &answer);
}

class BusyCursor {
 public:
  BusyCursor() : previous_(SetCursor(LoadCursor(nullptr, IDC_WAIT))) {}
  ~BusyCursor() { SetCursor(previous_ != nullptr ? previous_ : LoadCursor(nullptr, IDC_ARROW)); }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;

 private:
  HCURSOR previous_;
};

}  // namespace

IconWriteResult RebuildShellIconCache(RegistryStore& registry) {
  const BusyCursor busy;
  return RebuildIconCache(registry, GetSystemMetrics(SM_CXICON), BroadcastSettingChange);
}

}  // namespace icons
