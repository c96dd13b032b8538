#include "tests/robot/Robot.h"

#include <commctrl.h>

#include <cstring>
#include <memory>

#include "tests/robot/RemoteMemory.h"

namespace robot {

namespace {

bool ClassIs(HWND hwnd, const char* className) {
  return className == nullptr || lstrcmpiA(ClassName(hwnd).c_str(), className) == 0;
}

POINT CentreOf(HWND hwnd) {
  RECT r{};
  GetClientRect(hwnd, &r);
  return POINT{(r.right - r.left) / 2, (r.bottom - r.top) / 2};
}

LPARAM PointParam(int x, int y) {
  return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y));
}

}  // namespace

void PumpMessages(DWORD forMs) {
  const DWORD start = GetTickCount();
  do {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    if (forMs) Sleep(10);
  } while (GetTickCount() - start < forMs);
}

// How long the robot waits for the program to answer a message. A program
// that is busy (starting up, painting, loading the help control) answers
// late on a loaded machine: with 2 s and SMTO_ABORTIFHUNG, full test runs
// beside a build read a window's title as "" now and then although the
// program was fine. Only a program that never answers fails a check now.
constexpr UINT kReplyTimeoutMs = 30000;

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    if (condition()) return true;
    if (GetTickCount() - start >= timeoutMs) return false;
    PumpMessages();
    Sleep(20);
  }
}

std::string WindowText(HWND hwnd) {
  // WM_GETTEXT rather than GetWindowText: the latter does not ask windows of
  // another process, so it misses what an edit control holds.
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutA(hwnd, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, kReplyTimeoutMs, &length))
    return {};
  std::string text(length + 1, '\0');
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutA(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                           SMTO_NORMAL, kReplyTimeoutMs, &copied))
    return {};
  text.resize(copied);
  return text;
}

std::string ClassName(HWND hwnd) {
  char name[256] = {};
  GetClassNameA(hwnd, name, sizeof name);
  return name;
}

namespace {

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM param) {
  reinterpret_cast<std::vector<HWND>*>(param)->push_back(hwnd);
  return TRUE;
}

}  // namespace

std::vector<HWND> ChildWindows(HWND parent) {
  std::vector<HWND> children;
  EnumChildWindows(parent, CollectWindow, reinterpret_cast<LPARAM>(&children));
  return children;
}

namespace {

std::vector<HWND> TopLevelWindows() {
  std::vector<HWND> windows;
  EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

DWORD ProcessOf(HWND hwnd) {
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  return pid;
}

}  // namespace

HWND WaitForWindow(const char* className, const char* caption, DWORD timeoutMs) {
  HWND found = nullptr;
  WaitUntil(
      [&] {
        found = FindWindowA(className, caption);
        return found != nullptr && IsWindowVisible(found);
      },
      timeoutMs);
  return found && IsWindowVisible(found) ? found : nullptr;
}

HWND WaitForWindowOfProcess(DWORD processId, const char* className, DWORD timeoutMs) {
  HWND found = nullptr;
  WaitUntil(
      [&] {
        for (HWND hwnd : TopLevelWindows()) {
          if (ProcessOf(hwnd) == processId && IsWindowVisible(hwnd) && ClassIs(hwnd, className)) {
            found = hwnd;
            return true;
          }
        }
        return false;
      },
      timeoutMs);
  return found;
}

HWND FindChildByText(HWND parent, const char* text, const char* className) {
  for (HWND child : ChildWindows(parent)) {
    if (ClassIs(child, className) && WindowText(child) == text) return child;
  }
  return nullptr;
}

HWND FindChildByClass(HWND parent, const char* className, int index) {
  for (HWND child : ChildWindows(parent)) {
    if (ClassIs(child, className) && index-- == 0) return child;
  }
  return nullptr;
}

HWND FindChildById(HWND parent, int controlId) {
  for (HWND child : ChildWindows(parent)) {
    if (GetDlgCtrlID(child) == controlId) return child;
  }
  return nullptr;
}

bool WaitUntilGone(HWND hwnd, DWORD timeoutMs) {
  return WaitUntil([&] { return !IsWindow(hwnd) || !IsWindowVisible(hwnd); }, timeoutMs);
}

void MoveMouseTo(HWND window, int x, int y) {
  PostMessageA(window, WM_MOUSEMOVE, 0, PointParam(x, y));
}

void MouseLeave(HWND window) {
  PostMessageA(window, WM_MOUSELEAVE, 0, 0);
}

void ClickAt(HWND window, int x, int y) {
  // Posted, not sent: a click that opens a modal box must not block the robot.
  PostMessageA(window, WM_MOUSEMOVE, 0, PointParam(x, y));
  PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, PointParam(x, y));
  PostMessageA(window, WM_LBUTTONUP, 0, PointParam(x, y));
}

void Click(HWND control) {
  if (ClassIs(control, "Button")) {
    PostMessageA(control, BM_CLICK, 0, 0);
    return;
  }
  const POINT centre = CentreOf(control);
  ClickAt(control, centre.x, centre.y);
}

void Type(HWND edit, const std::string& text) {
  for (unsigned char c : text) {
    DWORD_PTR result = 0;
    SendMessageTimeoutA(edit, WM_CHAR, c, 1, SMTO_NORMAL, kReplyTimeoutMs, &result);
  }
}

void SelectAllAndType(HWND edit, const std::string& text) {
  DWORD_PTR result = 0;
  SendMessageTimeoutA(edit, EM_SETSEL, 0, -1, SMTO_NORMAL, kReplyTimeoutMs, &result);
  // A backspace through WM_CHAR clears the selection the way a user's key does.
  SendMessageTimeoutA(edit, WM_CHAR, VK_BACK, 1, SMTO_NORMAL, kReplyTimeoutMs, &result);
  Type(edit, text);
}

void PressKey(HWND window, UINT virtualKey) {
  const UINT scan = MapVirtualKeyA(virtualKey, 0);
  PostMessageA(window, WM_KEYDOWN, virtualKey, 1 | (scan << 16));
  PostMessageA(window, WM_KEYUP, virtualKey, 1 | (scan << 16) | 0xC0000000u);
}

MessageBoxInfo WaitForMessageBox(DWORD processId, DWORD timeoutMs) {
  MessageBoxInfo info;
  WaitUntil(
      [&] {
        for (HWND hwnd : TopLevelWindows()) {
          if (!IsWindowVisible(hwnd) || !ClassIs(hwnd, "#32770")) continue;
          if (processId && ProcessOf(hwnd) != processId) continue;
          HWND text = GetDlgItem(hwnd, 0xFFFF);
          if (!text) continue;
          info.hwnd = hwnd;
          info.caption = WindowText(hwnd);
          info.text = WindowText(text);
          return true;
        }
        return false;
      },
      timeoutMs);
  return info;
}

bool AnswerMessageBox(const MessageBoxInfo& box, int buttonId) {
  if (!box.found()) return false;
  HWND button = GetDlgItem(box.hwnd, buttonId);
  if (!button) return false;
  PostMessageA(button, BM_CLICK, 0, 0);
  return WaitUntilGone(box.hwnd);
}

std::string AnswerNextMessageBox(int buttonId, DWORD timeoutMs) {
  const MessageBoxInfo box = WaitForMessageBox(GetCurrentProcessId(), timeoutMs);
  if (!box.found()) return "<no message box>";
  AnswerMessageBox(box, buttonId);
  return box.caption + "|" + box.text;
}

RobotThread::RobotThread(std::function<void()> steps) : steps_(std::move(steps)) {
  thread_ = CreateThread(nullptr, 0, Run, this, 0, nullptr);
}

RobotThread::~RobotThread() {
  Join();
}

DWORD WINAPI RobotThread::Run(LPVOID self) {
  static_cast<RobotThread*>(self)->steps_();
  return 0;
}

bool RobotThread::Join(DWORD timeoutMs) {
  if (thread_ == nullptr) return true;
  const DWORD start = GetTickCount();
  while (MsgWaitForMultipleObjects(1, &thread_, FALSE, 50, QS_ALLINPUT) != WAIT_OBJECT_0) {
    PumpMessages();
    if (GetTickCount() - start > timeoutMs) return false;
  }
  CloseHandle(thread_);
  thread_ = nullptr;
  return true;
}

MessageBoxAnswerer::MessageBoxAnswerer(int buttonId, DWORD timeoutMs)
    : buttonId_(buttonId), timeoutMs_(timeoutMs) {
  thread_ = CreateThread(nullptr, 0, Run, this, 0, nullptr);
}

MessageBoxAnswerer::~MessageBoxAnswerer() {
  Result();
}

DWORD WINAPI MessageBoxAnswerer::Run(LPVOID self) {
  auto* answerer = static_cast<MessageBoxAnswerer*>(self);
  answerer->box_ = WaitForMessageBox(GetCurrentProcessId(), answerer->timeoutMs_);
  if (answerer->box_.found()) AnswerMessageBox(answerer->box_, answerer->buttonId_);
  return 0;
}

MessageBoxInfo MessageBoxAnswerer::Result() {
  if (thread_) {
    // Messages keep flowing meanwhile, in case the box's owner lives here.
    while (MsgWaitForMultipleObjects(1, &thread_, FALSE, INFINITE, QS_ALLINPUT) ==
           WAIT_OBJECT_0 + 1)
      PumpMessages();
    CloseHandle(thread_);
    thread_ = nullptr;
  }
  return box_;
}

namespace {

// Tree-view messages carry pointers; for a tree of another process they must
// point into that process, so the item record and text buffer live there.
std::string ItemText(HWND tree, HTREEITEM item) {
  RemoteMemory remote(tree, sizeof(TVITEMA) + 512);
  if (!remote.ok()) return {};
  TVITEMA tvi{};
  tvi.mask = TVIF_TEXT | TVIF_HANDLE;
  tvi.hItem = item;
  tvi.pszText = static_cast<char*>(remote.address()) + sizeof(TVITEMA);
  tvi.cchTextMax = 512;
  remote.Write(0, &tvi, sizeof tvi);
  DWORD_PTR ok = 0;
  SendMessageTimeoutA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(remote.address()),
                      SMTO_NORMAL, kReplyTimeoutMs, &ok);
  if (!ok) return {};
  char text[513] = {};
  remote.Read(sizeof(TVITEMA), text, 512);
  return text;
}

HTREEITEM TreeItem(HWND tree, UINT relation, HTREEITEM from) {
  DWORD_PTR result = 0;
  SendMessageTimeoutA(tree, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(from),
                      SMTO_NORMAL, kReplyTimeoutMs, &result);
  return reinterpret_cast<HTREEITEM>(result);
}

}  // namespace

bool SelectTreeItem(HWND tree, const std::vector<std::string>& path) {
  HTREEITEM item = TreeItem(tree, TVGN_ROOT, nullptr);
  HTREEITEM match = nullptr;
  for (size_t level = 0; level < path.size(); ++level) {
    match = nullptr;
    for (; item; item = TreeItem(tree, TVGN_NEXT, item)) {
      if (ItemText(tree, item) == path[level]) {
        match = item;
        break;
      }
    }
    if (!match) return false;
    if (level + 1 < path.size()) {
      DWORD_PTR result = 0;
      SendMessageTimeoutA(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(match),
                          SMTO_NORMAL, kReplyTimeoutMs, &result);
      item = TreeItem(tree, TVGN_CHILD, match);
    }
  }
  DWORD_PTR result = 0;
  SendMessageTimeoutA(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(match),
                      SMTO_NORMAL, kReplyTimeoutMs, &result);
  return result != 0;
}

std::string SelectedTreeItemText(HWND tree) {
  HTREEITEM item = TreeItem(tree, TVGN_CARET, nullptr);
  return item ? ItemText(tree, item) : std::string();
}

namespace {

DWORD WINAPI RunSteps(LPVOID param) {
  (*static_cast<const std::function<void()>*>(param))();
  return 0;
}

}  // namespace

void RunBeside(const std::function<void()>& robotSteps) {
  HANDLE thread = CreateThread(nullptr, 0, RunSteps,
                               const_cast<std::function<void()>*>(&robotSteps), 0, nullptr);
  if (!thread) return;
  for (;;) {
    const DWORD wait = MsgWaitForMultipleObjects(1, &thread, FALSE, INFINITE, QS_ALLINPUT);
    if (wait != WAIT_OBJECT_0 + 1) break;
    PumpMessages();
  }
  CloseHandle(thread);
}

}  // namespace robot
