#include "startbutton/StartButtonWindow.h"

#include "core/Text.h"
#include "deploy/Activation.h"
#include "deploy/ShellCopySteps.h"
#include "deploy/ShellLocation.h"
#include "imaging/OpenPicture.h"
#include "startbutton/RightClickMenuWindow.h"
#include "ui/Containers.h"
#include "ui/StandardControls.h"
#include "win/AnsiText.h"
#include "win/MessagePump.h"
#include "win/ScopedGdi.h"
#include "win/SystemFacts.h"

namespace startbutton {

namespace {

constexpr int kMaxTextLength = 254;
constexpr char kCaption[] = "Start Button Manager";
constexpr char kHelpPage[] = "Start Button Manager Introduction.htm";

}  // namespace

const ui::ControlDef<StartButtonWindow> StartButtonWindow::kControls[] = {
    {ui::Kind::kLabel, "lIntro", 12, 34, 0, 0,
     "Welcome to the Start Button Manager. Here you can customise your own Start Button.", "", 0},
    {ui::Kind::kLabel, "lStart", 16, 65, 0, 0, "Text:", "", 0},
    {ui::Kind::kEdit, "tStart", 72, 62, 200, 21, "",
     "Enter the text you would like displayed on the Start Button here.", 0,
     &StartButtonWindow::tStartChange, ui::Bind<&StartButtonWindow::tStart>},
    {ui::Kind::kLabel, "lTooltip", 16, 95, 0, 0, "Tooltip:", "", 0},
    {ui::Kind::kEdit, "tTooltip", 72, 92, 382, 21, "",
     "Enter the text you would like displayed on the Start Button's tooltip. The tooltip will "
     "appear when you hover your mouse over the Start Button.",
     0, &StartButtonWindow::tTooltipChange, ui::Bind<&StartButtonWindow::tTooltip>},
    {ui::Kind::kPushButton, "bContext", 72, 124, 130, 25, "Right-click Menu...",
     "Configures the right-click menu of the Start Button. With it, you can add, delete and "
     "change items in the menu.",
     0, &StartButtonWindow::bContextClick},
    {ui::Kind::kGroupBox, "BXPSBIcon", 16, 160, 438, 52, "XP Start Button Icon", "", 0, nullptr,
     ui::Bind<&StartButtonWindow::BXPSBIcon>},
    {ui::Kind::kPushButton, "XPSBChange", 14, 20, 80, 23, "Change...", "", 0,
     &StartButtonWindow::XPSBChangeClick, nullptr, "BXPSBIcon"},
    {ui::Kind::kPushButton, "XPSBRestore", 102, 20, 80, 23, "Restore", "", 0,
     &StartButtonWindow::XPSBRestoreClick, nullptr, "BXPSBIcon"},
    {ui::Kind::kPushButton, "bOK", 136, 222, 75, 25, "OK", deploy::kShellCopyOkHint, 0,
     &StartButtonWindow::bOKClick, ui::Bind<&StartButtonWindow::bOK>},
    {ui::Kind::kPushButton, "bCancel", 216, 222, 75, 25, "Cancel", deploy::kShellCopyCancelHint, 0,
     &StartButtonWindow::bCancelClick, ui::Bind<&StartButtonWindow::bCancel>},
    {ui::Kind::kPushButton, "bApply", 296, 222, 75, 25, "Apply", deploy::kShellCopyApplyHint, 0,
     &StartButtonWindow::bApplyClick, ui::Bind<&StartButtonWindow::bApply>},
    {ui::Kind::kPushButton, "bRestore", 379, 222, 75, 25, "Restore", deploy::kShellCopyRestoreHint,
     0, &StartButtonWindow::bRestoreClick},
};

StartButtonWindow::StartButtonWindow()
    : applyChoice_(std::make_unique<ui::ChoiceDialog>(
          ui::ApplyChoiceSpec("TfDialog3", kCaption, kHelpPage))),
      restoreChoice_(std::make_unique<ui::ChoiceDialog>(
          ui::RestoreChoiceSpec("TfDialog4", kCaption, kHelpPage, "Start Button"))),
      rightClickMenu_(std::make_unique<RightClickMenuWindow>()) {}

StartButtonWindow::~StartButtonWindow() = default;

ui::FormSpec StartButtonWindow::Spec() const {
  ui::FormSpec spec;
  spec.caption = kCaption;
  spec.title = "Quorlo - Start Button Manager";
  spec.clientWidth = kClientWidth;
  spec.clientHeight = kClientHeight;
  spec.helpPage = kHelpPage;
  spec.closeHint = deploy::kShellCopyCancelHint;
  return spec;
}

bool StartButtonWindow::IsXP() const {
  return win::WindowsVersion() == win::kWindowsXP;
}

void StartButtonWindow::FormCreate() {
  Build(this, kControls);
  if (!bApply) return;
  tStart->SetMaxLength(kMaxTextLength);
  tTooltip->SetMaxLength(kMaxTextLength);
  SetDefaultButton(bOK);
  SetCancelButton(bCancel);
  // The picture belongs to Windows XP only; the group hides its buttons with it.
  BXPSBIcon->SetVisible(IsXP());
  bApply->SetEnabled(false);

  applyChoice_->CreateForm(Hwnd());
  restoreChoice_->CreateForm(Hwnd());
  rightClickMenu_->CreateForm(Hwnd());
}

void StartButtonWindow::LoadOnOpening() {
  bApply->SetEnabled(false);
  edit_.icon = XPIconChange{};
  deploy::LocateCurrentShell();
  win::ProcessMessages();
  LoadTables(deploy::CurrentShellPath);
  Invalidate();
}

void StartButtonWindow::LoadTables(const std::string& file) {
  const bool xp = IsXP();
  edit_.xp = xp;
  edit_.tooltipTable = ReadStringTable(file, kTooltipTableSpec).value_or(StringTable{});
  edit_.startTable = ReadStringTable(file, kStartTableSpec).value_or(StringTable{});
  edit_.xpStartTable =
      xp ? ReadStringTable(file, kXPStartTableSpec).value_or(StringTable{}) : StringTable{};
  FillBox(*tTooltip, edit_.tooltipTable);
  FillBox(*tStart, edit_.startTable);
}

void StartButtonWindow::FillBox(ui::Edit& box, const StringTable& table) {
  // The table already holds the text, exactly; the box shows it in the
  // ANSI code page, and filling it is no edit of the user's.
  box.SetTextQuietly(win::UnicodeToAnsi(ShownText(table)));
}

void StartButtonWindow::FormClose() {
  edit_.tooltipTable = StringTable{};
  edit_.startTable = StringTable{};
  edit_.xpStartTable = StringTable{};
}

void StartButtonWindow::tStartChange(ui::Control&) {
  const std::u16string text = win::AnsiToUnicode(tStart->Text());
  SetShownText(edit_.startTable, text);
  if (edit_.xp) SetShownText(edit_.xpStartTable, text);
  bApply->SetEnabled(true);
}

void StartButtonWindow::tTooltipChange(ui::Control&) {
  SetShownText(edit_.tooltipTable, win::AnsiToUnicode(tTooltip->Text()));
  bApply->SetEnabled(true);
}

core::Outcome StartButtonWindow::WriteCopy(const std::string& newFile) const {
  const StartButtonWrite written = WriteStartButtonResources(newFile, edit_);
  if (written.pictureProblem) ShowError(*written.pictureProblem);
  return written.outcome;
}

void StartButtonWindow::bApplyClick(ui::Control&) {
  if (deploy::ApplyShellCopy(*this, [this](const std::string& file) { return WriteCopy(file); }))
    bApply->SetEnabled(false);
}

void StartButtonWindow::bOKClick(ui::Control&) {
  deploy::ConfirmShellCopy(*this, *applyChoice_,
                           [this](const std::string& file) { return WriteCopy(file); });
}

void StartButtonWindow::bRestoreClick(ui::Control&) {
  const std::string explorer = deploy::WindowsExplorerPath();
  deploy::RestoreSteps steps;
  steps.restoreShell = [explorer] {
    if (deploy::ActivateShell(explorer)) return core::Outcome::Success();
    return core::Outcome::Failure("Windows could not be pointed back at '" + explorer + "'." +
                                  core::LineBreaks(1) + "The shell setting was not changed.");
  };
  steps.loadDefaults = [this, explorer] { LoadTables(explorer); };
  steps.restoredMessage = "The Start Button is now restored to the Windows default.";
  if (deploy::RestoreShellDefaults(*this, *restoreChoice_, steps)) bApply->SetEnabled(true);
}

void StartButtonWindow::bContextClick(ui::Control&) {
  rightClickMenu_->Execute();
}

void StartButtonWindow::XPSBChangeClick(ui::Control&) {
  std::string file;
  if (!imaging::OpenPictureFile(file, Hwnd()) || file.empty()) return;
  // Only a file Windows loads as a bitmap is taken.
  win::ScopedBitmap bitmap(
      static_cast<HBITMAP>(LoadImageA(nullptr, file.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE)));
  if (!bitmap) {
    ShowError("Could not load new XP Start Button icon!");
    return;
  }
  edit_.icon.file = file;
  edit_.icon.changed = true;
  edit_.icon.restore = false;
  bApply->SetEnabled(true);
  ShowInformation("The XP Start Button icon will be changed when you\r\nclick OK or Apply.");
}

void StartButtonWindow::XPSBRestoreClick(ui::Control&) {
  edit_.icon.changed = true;
  edit_.icon.restore = true;
  ShowInformation("The XP Start Button icon will now be restored" + core::LineBreaks(1) +
                  "when you click OK or Apply.");
  bApply->SetEnabled(true);
}

}  // namespace startbutton
