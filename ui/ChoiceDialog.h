#pragma once
// The managers' small question windows: a few lines of text, two options,
// OK (modal result mrOk) and Cancel (mrCancel). One class, configured by
// data: the apply choice after OK and the restore choice after Restore of
// every manager that writes a shell copy. Each keeps the user's last option
// between uses, as it lives as long as the program.

#include <string>
#include <vector>

#include "ui/Form.h"

namespace ui {

class Button;

struct ChoiceDialogSpec {
  struct Line {
    const char* name;
    std::string text;
    bool numbered;  // "1)  ..." lines stand indented under the first
  };
  struct Option {
    const char* name;
    std::string caption;
  };
  const char* className;  // registered, as tests and tools find it ("TfDialog3")
  std::string caption;    // the manager's caption
  std::string helpPage;
  std::vector<Line> lines;
  Option first;  // checked at start
  Option second;
};

// "Restart computer" (first) or "Apply changes instantly" (second).
ChoiceDialogSpec ApplyChoiceSpec(const char* className, std::string caption, std::string helpPage);
// "Restore the physical backup of the Windows shell" (first) or restore
// `thing` ("Start Button", "Start Menu") so the user can then change it.
ChoiceDialogSpec RestoreChoiceSpec(const char* className, std::string caption, std::string helpPage,
                                   const std::string& thing);

class ChoiceDialog : public Form {
 public:
  static constexpr int kClientWidth = 430;
  // Choice() of an apply choice and of a restore choice.
  static constexpr int kRestartComputer = 0;
  static constexpr int kApplyNow = 1;
  static constexpr int kRestorePhysical = 0;
  static constexpr int kRestoreForEditing = 1;

  explicit ChoiceDialog(ChoiceDialogSpec spec);

  // 0 when the first option is checked, 1 for the second.
  int Choice() const;

 protected:
  const char* ClassName() const override { return spec_.className; }
  FormSpec Spec() const override;
  void FormCreate() override;

 private:
  int OptionsTop() const;

  ChoiceDialogSpec spec_;
  Button* first_ = nullptr;
  Button* second_ = nullptr;
};

}  // namespace ui
