#include "app/EditionChooser.h"

#include "controls/GradientMath.h"
#include "ui/Application.h"
#include "ui/GradientLabel.h"
#include "ui/GradientPushButton.h"
#include "ui/Image.h"
#include "ui/Label.h"
#include "ui/StandardControls.h"
#include "win/ProgramIdentity.h"
#include "win/RegistryAccessor.h"

namespace app {

namespace {
constexpr int kWidth = 300;
constexpr int kFirstOptionTop = 55;
constexpr int kOptionStep = 20;
}  // namespace

EditionChooser::EditionChooser(std::string heading, std::string question,
                               std::vector<Option> options)
    : heading_(std::move(heading)), question_(std::move(question)), options_(std::move(options)) {}

ui::FormSpec EditionChooser::Spec() const {
  ui::FormSpec spec;
  spec.caption = heading_;
  spec.clientWidth = kWidth;
  spec.clientHeight = kFirstOptionTop + int(options_.size()) * kOptionStep + 58;
  // The choosers carry only their heading, not the full frame.
  spec.frame = false;
  spec.hintLine = false;
  return spec;
}

void EditionChooser::FormCreate() {
  const int optionsBottom = kFirstOptionTop + int(options_.size()) * kOptionStep;
  // A control Windows refuses fails the whole window (CreateForm); the rest
  // is skipped, never dereferenced.
  if (auto* t = static_cast<ui::GradientLabel*>(
          CreateControl(ui::Kind::kHeading, "t", 0, 0, kWidth, 25, heading_, "", 0))) {
    t->SetFont(BoldFont());
    t->SetMargin(30);
    t->SetFormMove(true);
  }
  if (auto* icon = static_cast<ui::Image*>(
          CreateControl(ui::Kind::kImage, "imgIcon", 7, 5, 16, 16, "", "", 0))) {
    icon->SetIcon(ui::LoadProgramSmallIcon());
    icon->SetDragsWindow(true);
  }
  CreateControl(ui::Kind::kLabel, "lText", 10, 33, 0, 0, question_, "", 0);
  int top = kFirstOptionTop;
  for (const Option& option : options_) {
    auto* radio = static_cast<ui::Button*>(
        CreateControl(ui::Kind::kRadio, option.name, 20, top, 270, 17, option.caption, "", 0));
    if (radio != nullptr && top == kFirstOptionTop) radio->SetChecked(true);
    top += kOptionStep;
  }
  if (auto* note = static_cast<ui::Label*>(
          CreateControl(ui::Kind::kLabel, "Label1", 10, optionsBottom + 8, 0, 0,
                        "This window will not be shown again", "", 0))) {
    note->SetColor(controls::clGray);
  }
  // OK is also Escape's button: the question has no cancel.
  if (ui::Control* ok = CreateControl(ui::Kind::kPushButton, "bOK", kWidth - 85, optionsBottom + 25,
                                      75, 25, "OK", "", 0)) {
    ok->onClick = [this](ui::Control& sender) { bOKClick(sender); };
    SetDefaultButton(ok);
    SetCancelButton(ok);
  }
}

std::vector<bool> EditionChooser::Choices() const {
  std::vector<bool> checked;
  for (const Option& option : options_) {
    auto* radio = dynamic_cast<ui::Button*>(Find(option.name));
    checked.push_back(radio != nullptr && radio->Checked());
  }
  return checked;
}

int StoredOrAskedEdition(const char* valueName, bool (*isValid)(int),
                         int (*ask)(EditionChooser& chooser), EditionChooser& chooser) {
  win::RegOpenAccessor();
  win::RegSelectKey(HKEY_CURRENT_USER, win::ProgramRegistryKey);
  const int stored = win::RegReadInteger(valueName, 0);
  win::RegCloseAccessor();
  if (isValid(stored)) return stored;

  const int edition = ask(chooser);
  win::RegOpenAccessor();
  win::RegSelectKey(HKEY_CURRENT_USER, win::ProgramRegistryKey);
  win::RegWriteInteger(valueName, edition);
  win::RegCloseAccessor();
  return edition;
}

}  // namespace app
