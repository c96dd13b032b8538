#pragma once
// The program's main window for scenarios that start at its buttons.

namespace app {
class MainWindow;
}

namespace app::test {

// Registers the common controls, makes the main window for this machine's
// Windows version and shows it, as the program's start does; nullptr when
// the window cannot be made. It lives until the test program ends.
app::MainWindow* ShowMainWindow();

}  // namespace app::test
