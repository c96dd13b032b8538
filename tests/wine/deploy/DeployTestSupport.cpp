#include "tests/wine/deploy/DeployTestSupport.h"

#include <cstdlib>
#include <vector>

#include "deploy/Activation.h"

namespace deploy::test {

std::string Version() {
  const char* v = std::getenv("QUORLO_TEST_VERSION");
  return v ? v : "winxp";
}

bool Is9x() {
  return Version() == "win95" || Version() == "win98" || Version() == "winme";
}
bool IsXP() {
  return Version() == "winxp";
}

bool Exists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string ReadFileText(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return {};
  std::string text(GetFileSize(file, nullptr), '\0');
  DWORD read = 0;
  ReadFile(file, text.data(), static_cast<DWORD>(text.size()), &read, nullptr);
  CloseHandle(file);
  text.resize(read);
  return text;
}

bool WriteFileText(const std::string& path, const std::string& text) {
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  CloseHandle(file);
  return written == text.size();
}

void RemoveFile(const std::string& path) {
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  DeleteFileA(path.c_str());
}

std::string RegistryString(HKEY root, const std::string& path, const std::string& name) {
  HKEY key;
  const std::string relative = path[0] == '\\' ? path.substr(1) : path;
  if (RegOpenKeyExA(root, relative.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return {};
  std::vector<char> value(4096, '\0');
  DWORD size = static_cast<DWORD>(value.size() - 1);
  DWORD type = 0;
  std::string result;
  if (RegQueryValueExA(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(value.data()),
                       &size) == ERROR_SUCCESS &&
      type == REG_SZ)
    result = value.data();
  RegCloseKey(key);
  return result;
}

bool RegistryValueExists(HKEY root, const std::string& path, const std::string& name) {
  HKEY key;
  const std::string relative = path[0] == '\\' ? path.substr(1) : path;
  if (RegOpenKeyExA(root, relative.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  const bool exists =
      RegQueryValueExA(key, name.c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
  RegCloseKey(key);
  return exists;
}

void SetRegistryString(HKEY root, const std::string& path, const std::string& name,
                       const std::string& value) {
  HKEY key;
  const std::string relative = path[0] == '\\' ? path.substr(1) : path;
  if (RegCreateKeyExA(root, relative.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                      nullptr) != ERROR_SUCCESS)
    return;
  RegSetValueExA(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                 static_cast<DWORD>(value.size() + 1));
  RegCloseKey(key);
}

std::string ShellSetting() {
  if (Is9x()) {
    char dir[MAX_PATH];
    GetWindowsDirectoryA(dir, MAX_PATH);
    char value[MAX_PATH] = {};
    GetPrivateProfileStringA("boot", "shell", "", value, MAX_PATH,
                             (std::string(dir) + "\\System.ini").c_str());
    return value;
  }
  return RegistryString(HKEY_LOCAL_MACHINE, deploy::kWinlogonKey, "Shell");
}

namespace {

int closeRequests = 0;

LRESULT CALLBACK OwnerProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_CLOSE) {
    ++closeRequests;
    return 0;
  }
  return DefWindowProcA(hwnd, msg, wp, lp);
}

}  // namespace

OwnerWindow::OwnerWindow(const char* caption) {
  closeRequests = 0;
  WNDCLASSA wc{};
  wc.lpfnWndProc = OwnerProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "DeployTestOwner";
  RegisterClassA(&wc);
  hwnd_ = CreateWindowExA(0, wc.lpszClassName, caption, WS_POPUP | WS_VISIBLE, 50, 50, 300, 200,
                          nullptr, nullptr, wc.hInstance, nullptr);
}

OwnerWindow::~OwnerWindow() {
  DestroyWindow(hwnd_);
}

bool OwnerWindow::CloseRequested() const {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
  return closeRequests > 0;
}

DWORD WINAPI StandInShell::Run(LPVOID self) {
  auto* shell = static_cast<StandInShell*>(self);
  WNDCLASSA wc{};
  wc.lpfnWndProc = DefWindowProcA;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "Progman";
  RegisterClassA(&wc);
  HWND hwnd = CreateWindowExA(0, "Progman", "Program Manager", WS_POPUP, 0, 0, 10, 10, nullptr,
                              nullptr, wc.hInstance, nullptr);
  SetEvent(shell->ready_);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
  if (shell->keepWindowUntil_ != nullptr) WaitForSingleObject(shell->keepWindowUntil_, 10000);
  DestroyWindow(hwnd);
  return 0;
}

StandInShell::StandInShell(HANDLE keepWindowUntil) : keepWindowUntil_(keepWindowUntil) {
  ready_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  thread_ = CreateThread(nullptr, 0, Run, this, 0, nullptr);
  if (thread_ != nullptr && WaitForSingleObject(ready_, 10000) != WAIT_OBJECT_0) {
    CloseHandle(thread_);
    thread_ = nullptr;
  }
}

StandInShell::~StandInShell() {
  if (thread_ != nullptr) {
    if (HWND shell = FindWindowA("Progman", nullptr)) PostMessageA(shell, WM_QUIT, 0, 0);
    WaitForSingleObject(thread_, 10000);
    CloseHandle(thread_);
  }
  CloseHandle(ready_);
}

bool StandInShell::Ended(DWORD timeoutMs) const {
  return thread_ != nullptr && WaitForSingleObject(thread_, timeoutMs) == WAIT_OBJECT_0;
}

}  // namespace deploy::test
