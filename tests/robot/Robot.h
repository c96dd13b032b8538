#pragma once
// The UI robot: acts on windows the way a user does, from a thread beside the
// program's UI thread or from a second process. Every wait is bounded; a
// function that waits returns an empty result when its time runs out, so a
// test fails with a message instead of hanging.

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace robot {

constexpr DWORD kDefaultWaitMs = 10000;

// Finding windows and controls.
HWND WaitForWindow(const char* className, const char* caption, DWORD timeoutMs = kDefaultWaitMs);
HWND WaitForWindowOfProcess(DWORD processId, const char* className,
                            DWORD timeoutMs = kDefaultWaitMs);
HWND FindChildByText(HWND parent, const char* text, const char* className = nullptr);
HWND FindChildByClass(HWND parent, const char* className, int index = 0);
HWND FindChildById(HWND parent, int controlId);
std::vector<HWND> ChildWindows(HWND parent);
std::string WindowText(HWND hwnd);
std::string ClassName(HWND hwnd);
bool WaitUntilGone(HWND hwnd, DWORD timeoutMs = kDefaultWaitMs);

// Acting.
// Buttons and check boxes get BM_CLICK; custom controls get the mouse
// messages a real click sends (move, down, up) at their centre.
void Click(HWND control);
void ClickAt(HWND window, int x, int y);
void MoveMouseTo(HWND window, int x, int y);
void MouseLeave(HWND window);
// WM_CHAR per character, so the window sees user input, not its own fill.
void Type(HWND edit, const std::string& text);
void SelectAllAndType(HWND edit, const std::string& text);
void PressKey(HWND window, UINT virtualKey);
bool SelectTreeItem(HWND tree, const std::vector<std::string>& path);

// Real pointer input through the platform's input queue (SendInput), for
// controls whose own logic follows the pointer (a tree's drag, its label
// editor): points in window's client coordinates. A drag presses at from,
// moves to `to` in steps and releases there. False when Windows refused
// an event.
bool PointerDrag(HWND window, POINT from, POINT to, int steps = 8);
bool PointerClick(HWND window, POINT at, bool doubleClick = false);
std::string SelectedTreeItemText(HWND tree);

// Message boxes: dialogs of class "#32770"; the text is in control 0xFFFF.
struct MessageBoxInfo {
  HWND hwnd = nullptr;
  std::string caption;
  std::string text;
  bool found() const { return hwnd != nullptr; }
};
MessageBoxInfo WaitForMessageBox(DWORD processId = 0, DWORD timeoutMs = kDefaultWaitMs);
// Presses the box's button with that id (IDYES, IDNO, IDOK, IDCANCEL).
bool AnswerMessageBox(const MessageBoxInfo& box, int buttonId);
// Waits for the next message box of this process and presses the button;
// returns its caption, "|" and its text, or "<no message box>", so a test
// can compare what the user was told in one line.
std::string AnswerNextMessageBox(int buttonId, DWORD timeoutMs = kDefaultWaitMs);

// For code under test that blocks this thread in a modal loop of its own
// (a dialog, a chooser): the robot's steps run on a thread started here, and
// Join waits for them while this thread's messages keep flowing.
class RobotThread {
 public:
  explicit RobotThread(std::function<void()> steps);
  ~RobotThread();
  RobotThread(const RobotThread&) = delete;
  RobotThread& operator=(const RobotThread&) = delete;
  // False when the steps had not ended within timeoutMs.
  bool Join(DWORD timeoutMs = 60000);

 private:
  static DWORD WINAPI Run(LPVOID self);
  std::function<void()> steps_;
  HANDLE thread_ = nullptr;
};

// For code under test that shows a message box and waits for its answer on
// this thread: a thread of the robot's waits for the next box of this process
// and presses buttonId. Result() waits for that thread and tells what the box
// said (not found when none came in time).
class MessageBoxAnswerer {
 public:
  explicit MessageBoxAnswerer(int buttonId, DWORD timeoutMs = kDefaultWaitMs);
  ~MessageBoxAnswerer();
  MessageBoxAnswerer(const MessageBoxAnswerer&) = delete;
  MessageBoxAnswerer& operator=(const MessageBoxAnswerer&) = delete;
  MessageBoxInfo Result();

 private:
  static DWORD WINAPI Run(LPVOID self);
  int buttonId_;
  DWORD timeoutMs_;
  MessageBoxInfo box_;
  HANDLE thread_ = nullptr;
};

// A common file dialog of this process with that caption: types path into
// its file name box and presses Open. Returns "" when the dialog closed, else
// what went wrong; then any message box is answered and the dialog
// cancelled, so the code under test returns and the test can report.
std::string ChooseFileInDialog(const char* caption, const std::string& path,
                               DWORD timeoutMs = 30000);

// Pictures.
struct Capture {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;  // 0x00RRGGBB, top-down
  uint32_t At(int x, int y) const { return pixels[size_t(y) * width + x]; }
  bool empty() const { return pixels.empty(); }
};
Capture CaptureWindow(HWND hwnd);
bool SavePng(const Capture& capture, const std::string& path);
bool SaveBmp(const Capture& capture, const std::string& path);

// Lets posted messages reach their windows in a single-threaded test.
void PumpMessages(DWORD forMs = 0);

// Polls the condition (pumping this thread's messages between polls) until it
// holds or the time runs out; returns whether it held.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = kDefaultWaitMs);

// In-process scenarios: runs the robot's steps on a second thread while this
// thread (the UI thread) keeps dispatching messages, and returns when the
// steps have ended. Modal loops the steps open keep running meanwhile.
void RunBeside(const std::function<void()>& robotSteps);

}  // namespace robot
