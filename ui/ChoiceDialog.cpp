#include "ui/ChoiceDialog.h"

#include "ui/StandardControls.h"

namespace ui {

namespace {

constexpr int kFirstLineTop = 36;
constexpr int kOptionStep = 20;
constexpr int kButtonsBelowOptions = 6;
constexpr int kButtonHeight = 25;
constexpr int kBottomMargin = 7;

// A numbered line follows the one above closely, the second of two even
// closer; a plain line stands apart.
int Gap(const ChoiceDialogSpec::Line& line, const ChoiceDialogSpec::Line& above) {
  if (!line.numbered) return 22;
  return above.numbered ? 16 : 20;
}

}  // namespace

ChoiceDialogSpec ApplyChoiceSpec(const char* className, std::string caption, std::string helpPage) {
  return {
      className,
      std::move(caption),
      std::move(helpPage),
      {{"Label1", "You have two options:", false},
       {"Label2", "1)  Restart your computer for the changes to take effect,  or", true},
       {"Label3", "2)  Apply the changes now so you can see them instantly.", true},
       {"Label4", "Before continuing, it is safest to close all other documents and applications.",
        false},
       {"Label5", "What would you like to do?", false}},
      {"oRestart", "Restart computer for changes to take effect"},
      {"oApply", "Apply changes instantly"}};
}

ChoiceDialogSpec RestoreChoiceSpec(const char* className, std::string caption, std::string helpPage,
                                   const std::string& thing) {
  return {className,
          std::move(caption),
          std::move(helpPage),
          {{"Label1", "You have two options:", false},
           {"Label2", "1)  Restore the physical backup of the Windows shell,  or", true},
           {"Label3", "2)  Restore the " + thing + " so you can then change it.", true},
           {"Label5", "What would you like to do?", false}},
          {"oPhysical", "Restore the physical backup of the Windows shell"},
          {"oDynamic", "Restore the " + thing + " so I can then change it"}};
}

ChoiceDialog::ChoiceDialog(ChoiceDialogSpec spec) : spec_(std::move(spec)) {}

int ChoiceDialog::OptionsTop() const {
  int top = kFirstLineTop;
  for (size_t i = 1; i < spec_.lines.size(); ++i) top += Gap(spec_.lines[i], spec_.lines[i - 1]);
  return top + kOptionStep;
}

FormSpec ChoiceDialog::Spec() const {
  FormSpec spec;
  spec.caption = spec_.caption;
  spec.clientWidth = kClientWidth;
  spec.clientHeight =
      OptionsTop() + 2 * kOptionStep + kButtonsBelowOptions + kButtonHeight + kBottomMargin;
  spec.hintLine = false;
  spec.helpPage = spec_.helpPage;
  return spec;
}

void ChoiceDialog::FormCreate() {
  int top = kFirstLineTop;
  for (size_t i = 0; i < spec_.lines.size(); ++i) {
    const ChoiceDialogSpec::Line& line = spec_.lines[i];
    if (i > 0) top += Gap(line, spec_.lines[i - 1]);
    const int left = line.numbered ? 24 : 14;
    CreateControl(Kind::kLabel, line.name, left, top, kClientWidth - 8 - left, 14, line.text, "",
                  0);
  }
  const int optionsTop = OptionsTop();
  first_ = dynamic_cast<Button*>(CreateControl(Kind::kRadio, spec_.first.name, 24, optionsTop, 300,
                                               17, spec_.first.caption, "", 0));
  second_ = dynamic_cast<Button*>(CreateControl(Kind::kRadio, spec_.second.name, 24,
                                                optionsTop + kOptionStep, 300, 17,
                                                spec_.second.caption, "", 0));
  const int buttonsTop = optionsTop + 2 * kOptionStep + kButtonsBelowOptions;
  Control* ok =
      CreateControl(Kind::kPushButton, "bOK", 262, buttonsTop, 75, kButtonHeight, "OK", "", 0);
  Control* cancel = CreateControl(Kind::kPushButton, "bCancel", 343, buttonsTop, 75, kButtonHeight,
                                  "Cancel", "", 0);
  if (first_ == nullptr || second_ == nullptr || ok == nullptr || cancel == nullptr) return;
  ok->onClick = [this](Control& sender) { bOKClick(sender); };
  cancel->onClick = [this](Control& sender) { bCancelClick(sender); };
  first_->SetChecked(true);
  SetDefaultButton(ok);
  SetCancelButton(cancel);
}

int ChoiceDialog::Choice() const {
  return second_ != nullptr && second_->Checked() ? 1 : 0;
}

}  // namespace ui
