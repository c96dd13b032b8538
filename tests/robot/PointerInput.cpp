#include "tests/robot/Robot.h"

namespace robot {

namespace {

// Absolute positions of SendInput run from 0 to 65535 across the primary screen.
LONG Normalised(int value, int extent) {
  return extent > 1 ? LONG((int64_t(value) * 65535) / (extent - 1)) : 0;
}

bool SendMouse(DWORD flags, POINT screen) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = Normalised(screen.x, GetSystemMetrics(SM_CXSCREEN));
  input.mi.dy = Normalised(screen.y, GetSystemMetrics(SM_CYSCREEN));
  input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
  return SendInput(1, &input, sizeof input) == 1;
}

POINT OnScreen(HWND window, POINT client) {
  ClientToScreen(window, &client);
  return client;
}

// Time for the program's thread to take each event from its queue; a
// control that tracks the pointer in a loop of its own (a tree's drag
// detection) must see the steps one by one.
constexpr DWORD kStepMs = 40;

}  // namespace

bool PointerDrag(HWND window, POINT from, POINT to, int steps) {
  const POINT start = OnScreen(window, from);
  const POINT end = OnScreen(window, to);
  bool sent = SendMouse(0, start);
  Sleep(kStepMs);
  sent = SendMouse(MOUSEEVENTF_LEFTDOWN, start) && sent;
  Sleep(kStepMs);
  if (steps < 1) steps = 1;
  for (int i = 1; i <= steps; ++i) {
    const POINT at{start.x + (end.x - start.x) * i / steps,
                   start.y + (end.y - start.y) * i / steps};
    sent = SendMouse(0, at) && sent;
    Sleep(kStepMs);
  }
  sent = SendMouse(MOUSEEVENTF_LEFTUP, end) && sent;
  Sleep(kStepMs);
  return sent;
}

bool PointerClick(HWND window, POINT at, bool doubleClick) {
  const POINT point = OnScreen(window, at);
  bool sent = SendMouse(0, point);
  Sleep(kStepMs);
  for (int i = 0; i < (doubleClick ? 2 : 1); ++i) {
    sent = SendMouse(MOUSEEVENTF_LEFTDOWN, point) && sent;
    sent = SendMouse(MOUSEEVENTF_LEFTUP, point) && sent;
  }
  Sleep(kStepMs);
  return sent;
}

}  // namespace robot
