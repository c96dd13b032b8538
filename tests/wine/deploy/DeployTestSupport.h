#pragma once
// Shared pieces of the deployment tests: the machine's version, files and
// settings as the program sees them.

#include <windows.h>

#include <string>

namespace deploytest {

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

}  // namespace deploytest
