#include "ui/Window.h"

#include <vector>

#include "win/ScopedGdi.h"

namespace ui {

namespace {
// Marks GWLP_USERDATA slots that hold one of our objects, so a foreign value
// there is never taken for a Window.
constexpr char kOwnerProperty[] = "Quorlo.Window";

// The object of a window whose parent is `parent`; a foreign handle in a
// message is never taken for one of ours.
Window* ChildObject(HWND parent, HWND child) {
  return child != nullptr && GetParent(child) == parent ? Window::FromHandle(child) : nullptr;
}
}  // namespace

CreateArgs ChildArgs(HWND parent, const char* className, const std::string& text, int x, int y,
                     int width, int height, DWORD extraStyle) {
  CreateArgs args;
  args.className = className;
  args.parent = parent;
  args.text = text;
  args.x = x;
  args.y = y;
  args.width = width;
  args.height = height;
  args.style = WS_CHILD | WS_VISIBLE | extraStyle;
  return args;
}

Window::~Window() {
  if (hwnd_ == nullptr) return;
  HWND hwnd = hwnd_;
  Detach();
  DestroyWindow(hwnd);
}

void Window::Destroy() {
  if (hwnd_ != nullptr) DestroyWindow(hwnd_);
}

void Window::Detach() {
  if (previousProc_ != nullptr) {
    SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previousProc_));
    previousProc_ = nullptr;
  }
  SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
  RemovePropA(hwnd_, kOwnerProperty);
  hwnd_ = nullptr;
}

Window* Window::FromHandle(HWND hwnd) {
  if (hwnd == nullptr || GetPropA(hwnd, kOwnerProperty) == nullptr) return nullptr;
  return reinterpret_cast<Window*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

bool Window::RegisterOwnClass() {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSEXA existing{};
  existing.cbSize = sizeof existing;
  if (GetClassInfoExA(instance, ClassName(), &existing)) return true;
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.style = ClassStyle();
  wc.lpfnWndProc = &Window::StaticWndProc;
  wc.hInstance = instance;
  wc.hCursor = ClassCursor();
  wc.lpszClassName = ClassName();
  return RegisterClassExA(&wc) != 0;
}

bool Window::Create(const CreateArgs& args) {
  if (hwnd_ != nullptr) return true;
  HINSTANCE instance = GetModuleHandleA(nullptr);
  HMENU id =
      (args.style & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<INT_PTR>(args.id)) : nullptr;
  if (args.className == nullptr) {
    if (!RegisterOwnClass()) return false;
    // StaticWndProc takes the handle at WM_NCCREATE.
    return CreateWindowExA(args.exStyle, ClassName(), args.text.c_str(), args.style, args.x, args.y,
                           args.width, args.height, args.parent, id, instance, this) != nullptr &&
           hwnd_ != nullptr;
  }
  HWND hwnd = CreateWindowExA(args.exStyle, args.className, args.text.c_str(), args.style, args.x,
                              args.y, args.width, args.height, args.parent, id, instance, nullptr);
  if (hwnd == nullptr) return false;
  hwnd_ = hwnd;
  SetPropA(hwnd, kOwnerProperty, reinterpret_cast<HANDLE>(1));
  SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  previousProc_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Window::SubclassProc)));
  return true;
}

LRESULT CALLBACK Window::StaticWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
    auto* self = static_cast<Window*>(create->lpCreateParams);
    if (self != nullptr) {
      self->hwnd_ = hwnd;
      SetPropA(hwnd, kOwnerProperty, reinterpret_cast<HANDLE>(1));
      SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
  }
  Window* self = FromHandle(hwnd);
  if (self == nullptr) return DefWindowProcA(hwnd, msg, wParam, lParam);
  return self->Dispatch(msg, wParam, lParam);
}

LRESULT CALLBACK Window::SubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  Window* self = FromHandle(hwnd);
  if (self == nullptr) return DefWindowProcA(hwnd, msg, wParam, lParam);
  return self->Dispatch(msg, wParam, lParam);
}

LRESULT Window::Dispatch(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCDESTROY) {
    LRESULT result = DefaultProc(msg, wParam, lParam);
    Detach();
    OnDestroyed();
    return result;
  }
  LRESULT result = 0;
  if (ReflectToChild(msg, wParam, lParam, &result)) return result;
  if (PaintsItself() && PaintBuffered(msg, wParam, &result)) return result;
  return WndProc(msg, wParam, lParam);
}

bool Window::ReflectToChild(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  *result = 0;
  switch (msg) {
    case WM_COMMAND: {
      // Menus and accelerators send no child handle.
      Window* child = ChildObject(hwnd_, reinterpret_cast<HWND>(lParam));
      return child != nullptr && child->OnCommand(HIWORD(wParam));
    }
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(lParam);
      Window* child = header != nullptr ? ChildObject(hwnd_, header->hwndFrom) : nullptr;
      return child != nullptr && child->OnNotify(header, result);
    }
    case WM_DRAWITEM: {
      auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
      Window* child = wParam != 0 ? ChildObject(hwnd_, item->hwndItem) : nullptr;
      if (child == nullptr || !child->OnDrawItem(*item)) return false;
      *result = TRUE;
      return true;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX: {
      Window* child = ChildObject(hwnd_, reinterpret_cast<HWND>(lParam));
      HBRUSH brush = child != nullptr ? child->OnCtlColor(reinterpret_cast<HDC>(wParam)) : nullptr;
      if (brush == nullptr) return false;
      *result = reinterpret_cast<LRESULT>(brush);
      return true;
    }
    default:
      return false;
  }
}

bool Window::PaintBuffered(UINT msg, WPARAM wParam, LRESULT* result) {
  *result = 0;
  switch (msg) {
    case WM_ERASEBKGND:
      *result = TRUE;
      return true;
    case WM_PAINT: {
      win::ScopedPaint painting(hwnd_);
      win::DoubleBuffer buffer(painting.Dc(), Width(), Height());
      OnPaint(buffer.Dc());
      return true;
    }
    case WM_PRINTCLIENT:
      if (!PaintsOnPrintClient()) return false;
      OnPaint(reinterpret_cast<HDC>(wParam));
      return true;
    default:
      return false;
  }
}

void Window::OnPaint(HDC) {}

bool Window::OnCommand(WORD) {
  return false;
}

bool Window::OnNotify(NMHDR*, LRESULT*) {
  return false;
}

bool Window::OnDrawItem(const DRAWITEMSTRUCT&) {
  return false;
}

HBRUSH Window::OnCtlColor(HDC) {
  return nullptr;
}

LRESULT Window::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  return DefaultProc(msg, wParam, lParam);
}

LRESULT Window::DefaultProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (previousProc_ != nullptr) return CallWindowProcA(previousProc_, hwnd_, msg, wParam, lParam);
  return DefWindowProcA(hwnd_, msg, wParam, lParam);
}

std::string Window::Text() const {
  if (hwnd_ == nullptr) return {};
  int length = GetWindowTextLengthA(hwnd_);
  std::vector<char> buffer(size_t(length) + 1, '\0');
  int copied = GetWindowTextA(hwnd_, buffer.data(), length + 1);
  return std::string(buffer.data(), size_t(copied > 0 ? copied : 0));
}

void Window::SetText(const std::string& text) {
  if (hwnd_ != nullptr) SetWindowTextA(hwnd_, text.c_str());
}

void Window::Invalidate() {
  if (hwnd_ != nullptr) InvalidateRect(hwnd_, nullptr, TRUE);
}

void Window::SetBounds(int x, int y, int width, int height) {
  if (hwnd_ != nullptr) MoveWindow(hwnd_, x, y, width, height, TRUE);
}

RECT Window::ClientRect() const {
  RECT rect{};
  if (hwnd_ != nullptr) GetClientRect(hwnd_, &rect);
  return rect;
}

int Window::Width() const {
  RECT rect = ClientRect();
  return rect.right - rect.left;
}

int Window::Height() const {
  RECT rect = ClientRect();
  return rect.bottom - rect.top;
}

void Window::SetVisible(bool visible) {
  if (hwnd_ != nullptr) ShowWindow(hwnd_, visible ? SW_SHOW : SW_HIDE);
}

bool Window::Visible() const {
  return hwnd_ != nullptr && IsWindowVisible(hwnd_);
}

void Window::SetEnabled(bool enabled) {
  if (hwnd_ != nullptr) EnableWindow(hwnd_, enabled ? TRUE : FALSE);
}

bool Window::Enabled() const {
  return hwnd_ != nullptr && IsWindowEnabled(hwnd_);
}

}  // namespace ui
