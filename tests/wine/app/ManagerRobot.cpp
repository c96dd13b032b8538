#include "tests/wine/app/ManagerRobot.h"

#include "tests/robot/Robot.h"

namespace apptest {

HWND ControlOf(const ui::Form& form, const char* name) {
  return form.Get<ui::Control>(name).Hwnd();
}

std::string ControlText(const ui::Form& form, const char* name) {
  return robot::WindowText(ControlOf(form, name));
}

std::string AnswerNextMessageBox(int button) {
  const robot::MessageBoxInfo box = robot::WaitForMessageBox(GetCurrentProcessId());
  if (!box.found()) return "<no message box>";
  robot::AnswerMessageBox(box, button);
  return box.caption + "|" + box.text;
}

bool Choose(ui::ChoiceDialog& dialog, const char* option, const char* button) {
  // The dialog itself, not any window of its class: two managers may each keep one.
  if (!robot::WaitUntil([&] { return IsWindowVisible(dialog.Hwnd()) != FALSE; })) return false;
  const HWND radio = ControlOf(dialog, option);
  robot::Click(radio);
  robot::WaitUntil([&] { return SendMessageA(radio, BM_GETCHECK, 0, 0) == BST_CHECKED; });
  robot::Click(ControlOf(dialog, button));
  return robot::WaitUntil([&] { return !IsWindowVisible(dialog.Hwnd()); });
}

bool Hidden(const ui::Form& form) {
  return robot::WaitUntil([&] { return !IsWindowVisible(form.Hwnd()); });
}

}  // namespace apptest
