#include "tests/wine/app/QuorloProcess.h"

#include <fstream>
#include <sstream>

#include "tests/wine/WinePaths.h"

namespace app::test {

namespace {

int createdWindows = 0;

void CALLBACK OnWindowEvent(HWINEVENTHOOK, DWORD event, HWND hwnd, LONG objectId, LONG, DWORD,
                            DWORD) {
  if (event == EVENT_OBJECT_CREATE && objectId == OBJID_WINDOW && hwnd != nullptr) {
    ++createdWindows;
  }
}

BOOL CALLBACK CountIfMain(HWND hwnd, LPARAM count) {
  char name[64] = {};
  GetClassNameA(hwnd, name, sizeof(name));
  if (std::string(name) == "TfMain" && IsWindowVisible(hwnd)) ++*reinterpret_cast<int*>(count);
  return TRUE;
}

}  // namespace

std::string BuiltProgram() {
  return winetest::BuildDirectory() + "app\\Quorlo.exe";
}

std::string FreshDirectory(const std::string& name) {
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  std::string directory = std::string(temp) + name;
  CreateDirectoryA(directory.c_str(), nullptr);
  return directory + "\\";
}

std::string ReadText(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

QuorloProcess::QuorloProcess(const std::string& exe, const std::string& arguments, bool suspended) {
  std::string command = "\"" + exe + "\"";
  if (!arguments.empty()) command += " " + arguments;
  STARTUPINFOA startup = {};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info = {};
  if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE,
                      suspended ? CREATE_SUSPENDED : 0, nullptr, nullptr, &startup, &info)) {
    return;
  }
  process_ = info.hProcess;
  thread_ = info.hThread;
  id_ = info.dwProcessId;
}

QuorloProcess::~QuorloProcess() {
  if (process_ != nullptr) {
    if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) {
      TerminateProcess(process_, 99);
      WaitForSingleObject(process_, 5000);
    }
    CloseHandle(process_);
  }
  if (thread_ != nullptr) CloseHandle(thread_);
}

void QuorloProcess::Resume() {
  if (thread_ != nullptr) ResumeThread(thread_);
}

DWORD QuorloProcess::WaitForExit(DWORD timeoutMs) {
  if (process_ == nullptr) return STILL_ACTIVE;
  const DWORD start = GetTickCount();
  // Pumping while waiting keeps broadcasts and WinEvents flowing.
  while (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) {
    if (GetTickCount() - start >= timeoutMs) return STILL_ACTIVE;
    MsgWaitForMultipleObjects(1, &process_, FALSE, 50, QS_ALLINPUT);
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
  }
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(process_, &code);
  return code;
}

WindowCreationWatch::WindowCreationWatch(DWORD processId) {
  createdWindows = 0;
  hook_ = SetWinEventHook(EVENT_OBJECT_CREATE, EVENT_OBJECT_CREATE, nullptr, &OnWindowEvent,
                          processId, 0, WINEVENT_OUTOFCONTEXT);
}

WindowCreationWatch::~WindowCreationWatch() {
  if (hook_ != nullptr) UnhookWinEvent(hook_);
}

int WindowCreationWatch::Created() const {
  return createdWindows;
}

int CountMainWindows() {
  int count = 0;
  EnumWindows(&CountIfMain, reinterpret_cast<LPARAM>(&count));
  return count;
}

}  // namespace app::test
