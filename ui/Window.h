#pragma once
// The base of every window and control of the program: owns the HWND,
// finds its object from the handle and hands messages to virtual handlers.
//
// Windows of our own classes store `this` in GWLP_USERDATA at WM_NCCREATE;
// standard controls are subclassed and store it the same way (the slot is
// reserved for the application by every system class).
//
// Notifications a child sends its parent (WM_COMMAND, WM_NOTIFY,
// WM_DRAWITEM, WM_CTLCOLOR*) are handed back to the child's own object by
// whichever of our windows is its parent: a form, a group box or a page.
//
// Lifetime: Destroy() ends the window while the object is whole, so every
// handler of the derived class (a form's FormDestroy) runs. Destroying the
// object with its window still open only detaches and closes the handle, as
// the derived parts are gone by then.

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

// A visible child window at (x, y): of the system class `className`, or of
// the object's own class when it is nullptr.
CreateArgs ChildArgs(HWND parent, const char* className, const std::string& text, int x, int y,
                     int width, int height, DWORD extraStyle = 0);

class Window {
 public:
  Window() = default;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  virtual ~Window();

  HWND Hwnd() const { return hwnd_; }
  bool IsCreated() const { return hwnd_ != nullptr; }

  // Destroys the window (and its children and owned windows) with every
  // handler of the object still in place. The object may create it again.
  void Destroy();

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
  bool Visible() const;
  void SetEnabled(bool enabled);
  bool Enabled() const;

  // What the parent receives about this window, handed back to it. Each
  // returns whether it took the message.
  virtual bool OnCommand(WORD notifyCode);
  virtual bool OnNotify(NMHDR* header, LRESULT* result);
  virtual bool OnDrawItem(const DRAWITEMSTRUCT& item);
  // Background for WM_CTLCOLOR*: nullptr lets the parent decide.
  virtual HBRUSH OnCtlColor(HDC dc);

 protected:
  // Creates a window of the object's own class (registered on first use with
  // ClassName() and ClassStyle()) or, when args.className is set, of that
  // system class, which is then subclassed.
  bool Create(const CreateArgs& args);
  bool IsSubclassed() const { return previousProc_ != nullptr; }

  virtual const char* ClassName() const { return "QuorloWindow"; }
  virtual UINT ClassStyle() const { return CS_DBLCLKS; }
  virtual HCURSOR ClassCursor() const { return LoadCursor(nullptr, IDC_ARROW); }

  // A window that paints itself gets OnPaint through a double buffer, never
  // erases its background (that would flicker) and, when it says so, paints
  // WM_PRINTCLIENT straight onto the caller's DC.
  virtual bool PaintsItself() const { return false; }
  virtual bool PaintsOnPrintClient() const { return true; }
  virtual void OnPaint(HDC dc);

  // Every other message reaches this; the default passes it on.
  virtual LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT DefaultProc(UINT msg, WPARAM wParam, LPARAM lParam);

  // Called after WM_NCDESTROY, when the handle is gone.
  virtual void OnDestroyed() {}

 private:
  static LRESULT CALLBACK StaticWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT Dispatch(UINT msg, WPARAM wParam, LPARAM lParam);
  // Hands a child's notification to the child; true when it took it.
  bool ReflectToChild(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result);
  bool PaintBuffered(UINT msg, WPARAM wParam, LRESULT* result);
  bool RegisterOwnClass();
  void Detach();

  HWND hwnd_ = nullptr;
  WNDPROC previousProc_ = nullptr;
};

}  // namespace ui
