#pragma once
// The base of every window and control of the program: owns the HWND,
// finds its object from the handle and hands messages to virtual handlers.
//
// Windows of our own classes store `this` in GWLP_USERDATA at WM_NCCREATE;
// standard controls are subclassed and store it the same way (the slot is
// reserved for the application by every system class).

#include <windows.h>

#include <string>

namespace ui {

struct CreateArgs {
  const char* className = nullptr;  // nullptr: the class registered by the object
  std::string text;
  DWORD style = WS_CHILD | WS_VISIBLE;
  DWORD exStyle = 0;
  int x = 0, y = 0, width = 0, height = 0;
  HWND parent = nullptr;
  int id = 0;
};

class Window {
 public:
  Window() = default;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  virtual ~Window();

  HWND Hwnd() const { return hwnd_; }
  bool IsCreated() const { return hwnd_ != nullptr; }

  // The object behind a handle created or subclassed here, else nullptr.
  static Window* FromHandle(HWND hwnd);

  std::string Text() const;
  void SetText(const std::string& text);
  void Invalidate();
  void SetBounds(int x, int y, int width, int height);
  RECT ClientRect() const;
  int Width() const;
  int Height() const;
  void SetVisible(bool visible);
  void SetEnabled(bool enabled);
  bool Enabled() const;

 protected:
  // Creates a window of the object's own class (registered on first use with
  // ClassName() and ClassStyle()) or, when args.className is set, of that
  // system class, which is then subclassed.
  bool Create(const CreateArgs& args);

  virtual const char* ClassName() const { return "QuorloWindow"; }
  virtual UINT ClassStyle() const { return CS_DBLCLKS; }
  virtual HCURSOR ClassCursor() const { return LoadCursor(nullptr, IDC_ARROW); }

  // Every message reaches this; the default passes it on.
  virtual LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT DefaultProc(UINT msg, WPARAM wParam, LPARAM lParam);

  // Called after WM_NCDESTROY, when the handle is gone.
  virtual void OnDestroyed() {}

 private:
  static LRESULT CALLBACK StaticWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT Dispatch(UINT msg, WPARAM wParam, LPARAM lParam);
  bool RegisterOwnClass();

  HWND hwnd_ = nullptr;
  WNDPROC previousProc_ = nullptr;
};

}  // namespace ui
