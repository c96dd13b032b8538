#pragma once
// Shared pieces of the deployment tests: the machine's version, files and
// settings as the program sees them.

#include <windows.h>

#include <string>

namespace deploy::test {

std::string Version();  // QUORLO_TEST_VERSION
bool Is9x();
bool IsXP();

bool Exists(const std::string& path);
std::string ReadFileText(const std::string& path);
bool WriteFileText(const std::string& path, const std::string& text);
void RemoveFile(const std::string& path);

// The shell setting as Windows reads it on this machine's family.
std::string ShellSetting();
std::string RegistryString(HKEY root, const std::string& path, const std::string& name);
bool RegistryValueExists(HKEY root, const std::string& path, const std::string& name);
void SetRegistryString(HKEY root, const std::string& path, const std::string& name,
                       const std::string& value);

// A top-level window that owns message boxes in a test and records whether
// it was asked to close.
class OwnerWindow {
 public:
  explicit OwnerWindow(const char* caption);
  ~OwnerWindow();
  HWND hwnd() const { return hwnd_; }
  bool CloseRequested() const;

 private:
  HWND hwnd_ = nullptr;
};

// The stand-in for the running shell: a "Progman" window on a thread of its
// own whose message loop ends on WM_QUIT, as the real shell's does. With
// keepWindowUntil, the window stays after the loop until that event is set
// (at most 10 s): a shell slow to go.
class StandInShell {
 public:
  explicit StandInShell(HANDLE keepWindowUntil = nullptr);
  ~StandInShell();
  StandInShell(const StandInShell&) = delete;
  StandInShell& operator=(const StandInShell&) = delete;
  bool Running() const { return thread_ != nullptr; }
  // Whether its message loop ended within timeoutMs.
  bool Ended(DWORD timeoutMs = 10000) const;

 private:
  static DWORD WINAPI Run(LPVOID self);
  HANDLE keepWindowUntil_ = nullptr;
  HANDLE ready_ = nullptr;
  HANDLE thread_ = nullptr;
};

}  // namespace deploy::test
