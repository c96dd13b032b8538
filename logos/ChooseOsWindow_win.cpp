#include "logos/ChooseOsWindow_win.h"

#include "ui/StandardControls.h"

namespace logos {

const ui::ControlDef<ChooseOsWindow> ChooseOsWindow::kControls[] = {
    {ui::Kind::kListBox, "osChoice", 12, 34, 356, 108, "",
     "The operating systems your computer can start, as boot.ini lists them.", 0, nullptr,
     ui::Bind<&ChooseOsWindow::osChoice>},
    {ui::Kind::kWrapLabel, "Label1", 12, 150, 356, 28,
     "You must choose the Operating System that you are currently running.", "", 0},
    {ui::Kind::kPushButton, "Button1", 212, 182, 75, 25, "OK",
     "Customise the startup logo of the selected Operating System.", 0,
     &ChooseOsWindow::Button1Click, ui::Bind<&ChooseOsWindow::Button1>},
    {ui::Kind::kPushButton, "Button2", 293, 182, 75, 25, "Cancel",
     "Keep the Operating System chosen before.", 0, &ChooseOsWindow::bCancelClick,
     ui::Bind<&ChooseOsWindow::Button2>},
};

ui::FormSpec ChooseOsWindow::Spec() const {
  ui::FormSpec spec;
  spec.caption = "Select Operating System";
  spec.clientWidth = kClientWidth;
  spec.clientHeight = kClientHeight;
  spec.helpPage = "XP 2000 Startup Logo Manager Introduction.htm";
  return spec;
}

void ChooseOsWindow::FormCreate() {
  Build(this, kControls);
  if (Button2 == nullptr) return;
  SetDefaultButton(Button1);
  SetCancelButton(Button2);
}

void ChooseOsWindow::SetEntries(const std::vector<BootEntry>& entries) {
  chosen_ = 0;
  if (osChoice == nullptr) return;
  osChoice->Clear();
  for (const BootEntry& entry : entries) osChoice->Add(ChooserLine(entry));
}

void ChooseOsWindow::Button1Click(ui::Control&) {
  const int selected = osChoice->SelectedIndex();
  if (selected < 0) {
    ShowMessage("Please select an Operating System", MB_OK);
    return;
  }
  // Line k lists entry k + 1.
  chosen_ = selected + 1;
  CloseWith(ui::mrOk);
}

}  // namespace logos
