#pragma once
// One running Quorlo at a time. A second start finds the named mutex, asks the
// running one through the registered window message to come to the front, and
// ends. The running one's main window answers that message.

#include <windows.h>

namespace app {

// Id of the registered "Quorlov4" message.
UINT InstanceMessageId();

// Creates the "Quorlov4" mutex, which stays open for the life of the process.
// True when another instance already holds it.
bool AnotherInstanceRuns();

// Broadcasts the "Quorlov4" message to all top-level windows.
void SignalRunningInstance();

// For the "Quorlov4" message: restores hwnd and brings it (or the window it
// has open in front of it) to the foreground; returns true. False for any other message.
bool HandleInstanceMessage(HWND hwnd, UINT message);

// Subclasses hwnd so HandleInstanceMessage sees its messages first; the
// previous window procedure gets everything else and is put back by
// RemoveInstanceHandler (or when the window is destroyed).
void InstallInstanceHandler(HWND hwnd);
void RemoveInstanceHandler(HWND hwnd);

}  // namespace app
