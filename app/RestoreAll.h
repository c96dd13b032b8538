#pragma once
// The "/r" mode: started without a window (when the program is removed), it
// undoes the settings through which the program's changes take effect.

// windowsVersion as WindowsVersion gives it. Reports nothing, whatever it achieves.
void RunRestoreAll(int windowsVersion);
