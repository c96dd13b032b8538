#include "win/MessagePump.h"

namespace win {

bool ProcessMessages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(int(msg.wParam));
      return false;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return true;
}

int RunMessageLoop() {
  MSG msg;
  BOOL got;
  // -1 is an error (an invalid window filter), not a message: the loop ends.
  while ((got = GetMessageA(&msg, nullptr, 0, 0)) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return got == 0 ? int(msg.wParam) : 0;
}

}  // namespace win
