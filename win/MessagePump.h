#pragma once
// The one place the program takes messages from its thread's queue.
//
// A WM_QUIT taken out of the queue is gone: DispatchMessage does nothing with
// it, and the loop that should end never sees it. So a pump that only lets
// pending messages run puts it back, and stops there.

#include <windows.h>

namespace win {

// Runs the messages waiting in the queue, then returns. False when a quit
// request was found (it is posted again for the loop that owns it).
bool ProcessMessages();

// The thread's message loop: runs until WM_QUIT and returns its exit code.
int RunMessageLoop();

}  // namespace win
