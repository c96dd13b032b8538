#pragma once
// The main window: the program's home, alive from start-up to the end. Its
// creation runs the version and rights checks; a failed check asks for the
// program to end before the window is ever shown.

#include <windows.h>

class TfMain {
 public:
  static constexpr int kClientWidth = 577;
  static constexpr int kClientHeight = 266;

  TfMain() = default;
  ~TfMain();
  TfMain(const TfMain&) = delete;
  TfMain& operator=(const TfMain&) = delete;

  // windowsVersion as WindowsVersion gives it. False when the window cannot be created.
  bool Create(HINSTANCE instance, int windowsVersion);
  HWND Handle() const { return hwnd_; }
  // Set by a failed check during creation.
  bool TerminationRequested() const { return terminationRequested_; }

 private:
  static LRESULT CALLBACK WindowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

  void FormCreate();
  void FormDestroy();
  void FormPaint();
  void bHelpcnrClick();
  void bMinClick();
  void bCloseClick();

  HWND hwnd_ = nullptr;
  int windowsVersion_ = -1;
  bool terminationRequested_ = false;
  HFONT font_ = nullptr;
  HFONT boldFont_ = nullptr;
};
