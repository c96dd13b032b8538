#include "app/uMain.h"

#include <string>

#include "app/Constants.h"
#include "app/SingleInstance.h"
#include "app/Utils.h"

namespace {

constexpr char kClassName[] = "TfMain";
constexpr char kTagline[] = " - the tool to customise your computer";

enum ControlId { kHelpButton = 101, kMinimiseButton, kCloseButton, kQuorloHelpButton };

struct ButtonDefinition {
  ControlId id;
  const char* caption;
  int left, top, width, height;
};

// Places as the finished window has them, so tests and users find them where expected.
constexpr ButtonDefinition kButtons[] = {
    {kHelpButton, "?", 504, 5, 16, 16},
    {kMinimiseButton, "_", 522, 5, 16, 16},
    {kCloseButton, "Close", 540, 5, 34, 16},
    {kQuorloHelpButton, "Quorlo Help", 509, 247, 65, 16},
};

bool RegisterMainClass(HINSTANCE instance, WNDPROC procedure) {
  WNDCLASSEXA windowClass = {};
  if (GetClassInfoExA(instance, kClassName, &windowClass)) return true;
  windowClass.cbSize = sizeof(windowClass);
  windowClass.style = CS_HREDRAW | CS_VREDRAW;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(1));
  windowClass.hIconSm = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(1), IMAGE_ICON,
                                                      GetSystemMetrics(SM_CXSMICON),
                                                      GetSystemMetrics(SM_CYSMICON), 0));
  windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  windowClass.lpszClassName = kClassName;
  return RegisterClassExA(&windowClass) != 0;
}

HFONT MakeFont(int height, int weight) {
  return CreateFontA(-height, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH,
                     "Tahoma");
}

}  // namespace

TfMain::~TfMain() {
  if (hwnd_ != nullptr) DestroyWindow(hwnd_);
  if (font_ != nullptr) DeleteObject(font_);
  if (boldFont_ != nullptr) DeleteObject(boldFont_);
}

bool TfMain::Create(HINSTANCE instance, int windowsVersion) {
  windowsVersion_ = windowsVersion;
  if (!RegisterMainClass(instance, &TfMain::WindowProcedure)) return false;

  // Borderless, yet with system menu and minimise so the taskbar button works.
  const DWORD style = WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
  const DWORD exStyle = WS_EX_APPWINDOW;
  RECT frame = {0, 0, kClientWidth, kClientHeight};
  AdjustWindowRectEx(&frame, style, FALSE, exStyle);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;

  return CreateWindowExA(exStyle, kClassName, kApplicationTitle, style, left, top, width, height,
                         nullptr, nullptr, instance, this) != nullptr;
}

LRESULT CALLBACK TfMain::WindowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  TfMain* self = reinterpret_cast<TfMain*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (message == WM_NCCREATE) {
    self = static_cast<TfMain*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  if (self == nullptr) return DefWindowProcA(hwnd, message, wParam, lParam);
  const LRESULT result = self->OnMessage(message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
  }
  return result;
}

LRESULT TfMain::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      FormCreate();
      return 0;
    case WM_DESTROY:
      FormDestroy();
      return 0;
    case WM_PAINT:
      FormPaint();
      return 0;
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case kHelpButton:
        case kQuorloHelpButton:
          bHelpcnrClick();
          return 0;
        case kMinimiseButton:
          bMinClick();
          return 0;
        case kCloseButton:
          bCloseClick();
          return 0;
      }
      break;
  }
  return DefWindowProcA(hwnd_, message, wParam, lParam);
}

void TfMain::FormCreate() {
  // Both checks always run, so an unsupported Windows without rights shows
  // both messages before the program ends.
  if (windowsVersion_ < 1 || windowsVersion_ > 5) {
    ShowMessageBox(kUnsupportedWindowsMessage, kApplicationTitle, MB_ICONERROR, hwnd_);
    terminationRequested_ = true;
  }
  if (!IsAdministrator()) {
    ShowMessageBox(NoRightsMessage(CurrentUserName()), kApplicationTitle, MB_ICONERROR, hwnd_);
    terminationRequested_ = true;
  }

  InstallInstanceHandler(hwnd_);

  font_ = MakeFont(11, FW_NORMAL);
  boldFont_ = MakeFont(11, FW_BOLD);
  const HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(hwnd_, GWLP_HINSTANCE));
  for (const ButtonDefinition& button : kButtons) {
    const HWND control = CreateWindowExA(
        0, "BUTTON", button.caption, WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, button.left, button.top,
        button.width, button.height, hwnd_,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(button.id)), instance, nullptr);
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  }
}

void TfMain::FormDestroy() {
  RemoveInstanceHandler(hwnd_);
  PostQuitMessage(0);
}

void TfMain::FormPaint() {
  PAINTSTRUCT paint;
  const HDC dc = BeginPaint(hwnd_, &paint);
  SetBkMode(dc, TRANSPARENT);
  const HGDIOBJ previousFont = SelectObject(dc, boldFont_);
  TextOutA(dc, 30, 7, kApplicationTitle, static_cast<int>(sizeof(kApplicationTitle) - 1));
  SIZE titleSize = {};
  GetTextExtentPoint32A(dc, kApplicationTitle, static_cast<int>(sizeof(kApplicationTitle) - 1),
                        &titleSize);
  SelectObject(dc, font_);
  TextOutA(dc, 30 + titleSize.cx, 7, kTagline, static_cast<int>(sizeof(kTagline) - 1));
  SelectObject(dc, previousFont);
  EndPaint(hwnd_, &paint);
}

void TfMain::bHelpcnrClick() {
  ShowHelpTopic("Welcome.htm");
}

void TfMain::bMinClick() {
  ShowWindow(hwnd_, SW_MINIMIZE);
}

void TfMain::bCloseClick() {
  PostMessageA(hwnd_, WM_CLOSE, 0, 0);
}
