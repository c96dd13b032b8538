#include "tests/robot/Robot.h"

namespace robot {

namespace {

// Control ids of the common file dialog's template.
constexpr int kFileNameCombo = 0x47C;  // cmb13
constexpr int kFileNameEdit = 0x480;   // edt1, older templates

}  // namespace

std::string ChooseFileInDialog(const char* caption, const std::string& path, DWORD timeoutMs) {
  // Wine's first file dialog of a machine reads the shell folders and can
  // take a while to appear.
  HWND dialog = WaitForWindow("#32770", caption, timeoutMs);
  if (dialog == nullptr) return std::string("the dialog \"") + caption + "\" did not appear";
  HWND name = FindChildById(dialog, kFileNameCombo);
  if (name != nullptr && ClassName(name) != "Edit") name = FindChildByClass(name, "Edit");
  if (name == nullptr) name = FindChildById(dialog, kFileNameEdit);
  HWND open = FindChildById(dialog, IDOK);
  std::string problem;
  if (name == nullptr || open == nullptr) {
    problem = "no file name box or Open button";
  } else {
    SendMessageA(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
    // The command the Open button sends: under Wine a BM_CLICK from another
    // thread left the dialog open.
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(open));
    if (WaitUntilGone(dialog, 20000)) return "";
    problem = "the dialog stayed open after Open";
  }
  const MessageBoxInfo box = WaitForMessageBox(GetCurrentProcessId(), 1000);
  if (box.found()) {
    problem += ", message \"" + box.text + "\"";
    AnswerMessageBox(box, IDOK);
  }
  if (HWND cancel = FindChildById(dialog, IDCANCEL)) Click(cancel);
  return problem;
}

}  // namespace robot
