#pragma once
// The boot entry chooser (registered as `TChooseOS`): one line per boot
// entry of boot.ini, description and kernel; OK makes the selected entry
// the one whose start-up logo is customised.

#include <vector>

#include "logos/BootIni.h"
#include "ui/Form.h"

namespace ui {
class ListBox;
}

namespace logos {

class ChooseOsWindow : public ui::Form {
 public:
  static constexpr int kClientWidth = 380;
  static constexpr int kClientHeight = 232;

  // Lists the entries, none selected; call before showing.
  void SetEntries(const std::vector<BootEntry>& entries);
  // The entry number chosen with OK (1-based); 0 before.
  int ChosenEntry() const { return chosen_; }

 protected:
  const char* ClassName() const override { return "TChooseOS"; }
  ui::FormSpec Spec() const override;
  void FormCreate() override;

 private:
  static const ui::ControlDef<ChooseOsWindow> kControls[];
  void Button1Click(ui::Control& sender);

  ui::ListBox* osChoice = nullptr;
  ui::Control* Button1 = nullptr;
  ui::Control* Button2 = nullptr;
  int chosen_ = 0;
};

}  // namespace logos
