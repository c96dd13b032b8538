#pragma once
// Starting the real Quorlo.exe from a test and watching what it does.

#include <windows.h>

#include <string>

namespace app::test {

// Windows path of the built program.
std::string BuiltProgram();
// A fresh directory under the machine's temp directory.
std::string FreshDirectory(const std::string& name);
std::string ReadText(const std::string& path);

class QuorloProcess {
 public:
  // Starts exe with arguments; suspended until Resume when asked, so a watch
  // can be set before the program runs.
  QuorloProcess(const std::string& exe, const std::string& arguments, bool suspended = false);
  ~QuorloProcess();
  QuorloProcess(const QuorloProcess&) = delete;
  QuorloProcess& operator=(const QuorloProcess&) = delete;

  bool Started() const { return process_ != nullptr; }
  DWORD Id() const { return id_; }
  void Resume();
  // The exit code, or STILL_ACTIVE when it has not ended within timeoutMs.
  DWORD WaitForExit(DWORD timeoutMs = 15000);

 private:
  HANDLE process_ = nullptr;
  HANDLE thread_ = nullptr;
  DWORD id_ = 0;
};

// Counts windows a process creates, through an out-of-context WinEvent hook.
// Events arrive as messages: they are counted while the test pumps.
class WindowCreationWatch {
 public:
  explicit WindowCreationWatch(DWORD processId);
  ~WindowCreationWatch();
  WindowCreationWatch(const WindowCreationWatch&) = delete;
  WindowCreationWatch& operator=(const WindowCreationWatch&) = delete;

  bool Active() const { return hook_ != nullptr; }
  int Created() const;

 private:
  HWINEVENTHOOK hook_ = nullptr;
};

// Visible top-level windows of class TfMain, in every process.
int CountMainWindows();

}  // namespace app::test
