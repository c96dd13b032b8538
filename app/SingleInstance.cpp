#include "app/SingleInstance.h"

#include "app/Constants.h"

namespace app {

namespace {

constexpr char kPreviousProcedureProperty[] = "Quorlo.InstancePrevious";
// A hung top-level window must not keep the second instance alive.
constexpr UINT kBroadcastTimeoutMs = 5000;

using AllowSetForegroundWindowFunction = BOOL(WINAPI*)(DWORD);

WNDPROC PreviousProcedure(HWND hwnd) {
  return reinterpret_cast<WNDPROC>(GetPropA(hwnd, kPreviousProcedureProperty));
}

LRESULT CALLBACK InstanceProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  const WNDPROC previous = PreviousProcedure(hwnd);
  if (HandleInstanceMessage(hwnd, message)) return 0;
  if (message == WM_NCDESTROY) RemoveInstanceHandler(hwnd);
  if (previous == nullptr) return DefWindowProcA(hwnd, message, wParam, lParam);
  return CallWindowProcA(previous, hwnd, message, wParam, lParam);
}

}  // namespace

UINT InstanceMessageId() {
  static const UINT id = RegisterWindowMessageA(app::kInstanceName);
  return id;
}

bool AnotherInstanceRuns() {
  // Deliberately never closed: the name must stay taken until the process ends.
  const HANDLE mutex = CreateMutexA(nullptr, FALSE, app::kInstanceName);
  return mutex != nullptr && GetLastError() == ERROR_ALREADY_EXISTS;
}

void SignalRunningInstance() {
  // The process the user just started may hand its right to take the
  // foreground to the running instance; without it, 2000/XP only flash the
  // running window's taskbar button. Looked up by name: 95 and NT 4 lack it.
  const HMODULE user32 = GetModuleHandleA("user32.dll");
  if (user32 != nullptr) {
    const auto allow = reinterpret_cast<AllowSetForegroundWindowFunction>(
        reinterpret_cast<void*>(GetProcAddress(user32, "AllowSetForegroundWindow")));
    if (allow != nullptr) allow(ASFW_ANY);
  }
  DWORD_PTR ignored = 0;
  SendMessageTimeoutA(HWND_BROADCAST, InstanceMessageId(), 0, 0, SMTO_ABORTIFHUNG,
                      kBroadcastTimeoutMs, &ignored);
}

bool HandleInstanceMessage(HWND hwnd, UINT message) {
  if (message == 0 || message != InstanceMessageId()) return false;
  SendMessageA(hwnd, WM_SYSCOMMAND, SC_RESTORE, 0);
  // While a manager window is open modally over the main window, that window
  // is the one the user expects to see.
  SetForegroundWindow(GetLastActivePopup(hwnd));
  return true;
}

void InstallInstanceHandler(HWND hwnd) {
  if (PreviousProcedure(hwnd) != nullptr) return;
  const auto previous = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(hwnd, GWLP_WNDPROC));
  SetPropA(hwnd, kPreviousProcedureProperty, reinterpret_cast<HANDLE>(previous));
  SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&InstanceProcedure));
}

void RemoveInstanceHandler(HWND hwnd) {
  const WNDPROC previous = PreviousProcedure(hwnd);
  if (previous == nullptr) return;
  // Someone who subclassed after us still chains to us; leave the chain intact then.
  if (reinterpret_cast<WNDPROC>(GetWindowLongPtrA(hwnd, GWLP_WNDPROC)) == &InstanceProcedure) {
    SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
    RemovePropA(hwnd, kPreviousProcedureProperty);
  }
}

}  // namespace app
