#include "app/EditionChooser.h"

#include "controls/GradientLabel.h"
#include "controls/GradientPushButton.h"
#include "ui/Application.h"
#include "ui/Image.h"
#include "ui/Label.h"
#include "ui/StandardControls.h"
#include "win/ProgramIdentity.h"
#include "win/RegistryAccessor.h"

namespace {
constexpr int kWidth = 300;
constexpr int kFirstOptionTop = 55;
constexpr int kOptionStep = 20;
}  // namespace

TEditionChooser::TEditionChooser(std::string heading, std::string question,
                                 std::vector<Option> options)
    : heading_(std::move(heading)), question_(std::move(question)), options_(std::move(options)) {}

ui::FormSpec TEditionChooser::Spec() const {
  ui::FormSpec spec;
  spec.caption = heading_;
  spec.clientWidth = kWidth;
  spec.clientHeight = kFirstOptionTop + int(options_.size()) * kOptionStep + 58;
  // The choosers carry only their heading, not the full frame.
  spec.frame = false;
  spec.hintLine = false;
  return spec;
}

void TEditionChooser::FormCreate() {
  const int optionsBottom = kFirstOptionTop + int(options_.size()) * kOptionStep;
  auto& t = *static_cast<controls::GradientLabel*>(
      CreateControl(ui::Kind::kHeading, "t", 0, 0, kWidth, 25, heading_, "", 0));
  t.SetFont(BoldFont());
  t.SetMargin(30);
  t.SetFormMove(true);
  auto& icon =
      *static_cast<ui::Image*>(CreateControl(ui::Kind::kImage, "imgIcon", 7, 5, 16, 16, "", "", 0));
  icon.SetIcon(ui::LoadProgramSmallIcon());
  icon.SetDragsWindow(true);
  CreateControl(ui::Kind::kLabel, "lText", 10, 33, 0, 0, question_, "", 0);
  int top = kFirstOptionTop;
  for (const Option& option : options_) {
    CreateControl(ui::Kind::kRadio, option.name, 20, top, 270, 17, option.caption, "", 0);
    top += kOptionStep;
  }
  static_cast<ui::Button*>(Find(options_.front().name))->SetChecked(true);
  auto* note =
      static_cast<ui::Label*>(CreateControl(ui::Kind::kLabel, "Label1", 10, optionsBottom + 8, 0, 0,
                                            "This window will not be shown again", "", 0));
  note->SetColor(controls::clGray);
  ui::Control* ok = CreateControl(ui::Kind::kPushButton, "bOK", kWidth - 85, optionsBottom + 25, 75,
                                  25, "OK", "", 0);
  ok->onClick = [this](ui::Control& sender) { bOKClick(sender); };
  SetDefaultButton(ok);
  SetCancelButton(ok);
}

void TEditionChooser::bOKClick(ui::Control&) {
  SetModalResult(ui::mrOk);
}

std::vector<bool> TEditionChooser::Choices() const {
  std::vector<bool> checked;
  for (const Option& option : options_) {
    auto* radio = dynamic_cast<ui::Button*>(Find(option.name));
    checked.push_back(radio != nullptr && radio->Checked());
  }
  return checked;
}

int StoredOrAskedEdition(const char* valueName, bool (*isValid)(int),
                         int (*ask)(TEditionChooser& chooser), TEditionChooser& chooser) {
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
