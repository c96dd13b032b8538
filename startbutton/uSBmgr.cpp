#include "startbutton/uSBmgr.h"

#include <optional>

#include "core/Text.h"
#include "deploy/Activation.h"
#include "deploy/Restart.h"
#include "deploy/ShellLocation.h"
#include "help/HelpTopic.h"
#include "imaging/OpenPicture.h"
#include "startbutton/uContext.h"
#include "startbutton/uSBmgrDialog3.h"
#include "startbutton/uSBmgrDialog4.h"
#include "ui/Application.h"
#include "ui/GroupBox.h"
#include "ui/MessageBox.h"
#include "ui/StandardControls.h"
#include "win/AnsiText.h"
#include "win/SystemFacts.h"

namespace {

constexpr int kMaxTextLength = 254;

// Writes and activates a new shell copy with the edit; the copy's path, or
// nothing once the window has said why (and, when no name is free, closed).
std::optional<std::string> WriteNewShell(HWND window, const std::string& caption,
                                         const StartButtonEdit& edit) {
  const deploy::UniqueName name = MakeUniqueShellName(CurrentShellPath);
  if (!name.found) {
    ui::ShowErrorAndClose(window, name.message);
    return std::nullopt;
  }
  const StartButtonWrite written = WriteStartButtonResources(name.path, edit);
  if (written.pictureProblem)
    ui::ShowMessageBox(*written.pictureProblem, caption, MB_ICONERROR, window);
  if (!written.outcome.ok) {
    ui::ShowMessageBox(written.outcome.message, caption, MB_ICONERROR, window);
    return std::nullopt;
  }
  return name.path;
}

constexpr char kCloseHint[] = "Discards any changes you may have made and close this dialog.";

const ui::ControlDef<TSBmgr> kControls[] = {
    {ui::Kind::kLabel, "lIntro", 12, 34, 0, 0,
     "Welcome to the Start Button Manager. Here you can customise your own Start Button.", "", 0,
     nullptr},
    {ui::Kind::kLabel, "lStart", 16, 65, 0, 0, "Text:", "", 0, nullptr},
    {ui::Kind::kEdit, "tStart", 72, 62, 200, 21, "",
     "Enter the text you would like displayed on the Start Button here.", 0, nullptr},
    {ui::Kind::kLabel, "lTooltip", 16, 95, 0, 0, "Tooltip:", "", 0, nullptr},
    {ui::Kind::kEdit, "tTooltip", 72, 92, 382, 21, "",
     "Enter the text you would like displayed on the Start Button's tooltip. The tooltip will "
     "appear when you hover your mouse over the Start Button.",
     0, nullptr},
    {ui::Kind::kPushButton, "bContext", 72, 124, 130, 25, "Right-click Menu...",
     "Configures the right-click menu of the Start Button. With it, you can add, delete and "
     "change items in the menu.",
     0, &TSBmgr::bContextClick},
    {ui::Kind::kPushButton, "XPSBChange", 30, 180, 80, 23, "Change...", "", 0,
     &TSBmgr::XPSBChangeClick},
    {ui::Kind::kPushButton, "XPSBRestore", 118, 180, 80, 23, "Restore", "", 0,
     &TSBmgr::XPSBRestoreClick},
    {ui::Kind::kPushButton, "bOK", 136, 222, 75, 25, "OK",
     "Saves the changes you have made and closes the dialog. Options available are to apply the "
     "changes instantly, or to restart for the changes to take effect.",
     0, &TSBmgr::bOKClick},
    {ui::Kind::kPushButton, "bCancel", 216, 222, 75, 25, "Cancel", kCloseHint, 0,
     &TSBmgr::bCancelClick},
    {ui::Kind::kPushButton, "bApply", 296, 222, 75, 25, "Apply",
     "Apply the changes you have made so that you can see them without having to restart your "
     "computer.",
     0, &TSBmgr::bApplyClick},
    {ui::Kind::kPushButton, "bRestore", 379, 222, 75, 25, "Restore",
     "Restores your computer's original settings. You can either restore the settings and then "
     "restart, or restore the settings and then make changes.",
     0, &TSBmgr::bRestoreClick},
};

}  // namespace

TSBmgr::TSBmgr() = default;

TSBmgr::~TSBmgr() = default;

ui::FormSpec TSBmgr::Spec() const {
  ui::FormSpec spec;
  spec.caption = "Start Button Manager";
  spec.title = "Quorlo - Start Button Manager";
  spec.clientWidth = kClientWidth;
  spec.clientHeight = kClientHeight;
  spec.helpPage = "Start Button Manager Introduction.htm";
  spec.closeHint = kCloseHint;
  return spec;
}

bool TSBmgr::IsXP() const {
  return win::WindowsVersion() == win::kWindowsXP;
}

void TSBmgr::FormCreate() {
  // The group lies under its buttons, so it is made first.
  auto group = std::make_unique<ui::GroupBox>();
  if (group->Create(Hwnd(), "XP Start Button Icon", 16, 160, 438, 52)) {
    group->SetFont(FormFont());
    Adopt(std::move(group), "BXPSBIcon");
  }
  Build(this, kControls);
  tStart_ = &Get<ui::Edit>("tStart");
  tTooltip_ = &Get<ui::Edit>("tTooltip");
  tStart_->SetMaxLength(kMaxTextLength);
  tTooltip_->SetMaxLength(kMaxTextLength);
  tStart_->onChange = [this](ui::Edit& box) { tStartChange(box); };
  tTooltip_->onChange = [this](ui::Edit& box) { tTooltipChange(box); };
  SetDefaultButton(Find("bOK"));
  SetCancelButton(Find("bCancel"));
  const bool xp = IsXP();
  for (const char* name : {"BXPSBIcon", "XPSBChange", "XPSBRestore"}) {
    Get<ui::Control>(name).SetVisible(xp);
  }
  EnableApply(false);

  fDialog3_ = std::make_unique<TfDialog3>();
  fDialog4_ = std::make_unique<TfDialog4>();
  fContext_ = std::make_unique<TSBcontext>();
  fDialog3_->CreateForm(Hwnd());
  fDialog4_->CreateForm(Hwnd());
  fContext_->CreateForm(Hwnd());
}

int TSBmgr::Execute() {
  loadPending_ = true;
  const int result = ShowModal();
  FormClose();
  return result;
}

void TSBmgr::FormActivate() {
  // Only an opening from the main window loads; returning from this
  // window's own message boxes and dialogs keeps the edits.
  if (!loadPending_) return;
  loading_ = true;
  loadPending_ = false;
  EnableApply(false);
  edit_.icon = XPIconChange{};
  LocateCurrentShell();
  ui::ProcessMessages();
  LoadTables(CurrentShellPath);
  Invalidate();
  loading_ = false;
}

void TSBmgr::LoadTables(const std::string& file) {
  const bool xp = IsXP();
  edit_.xp = xp;
  edit_.tooltipTable = ReadStringTable(file, kTooltipTableSpec).value_or(StringTable{});
  edit_.startTable = ReadStringTable(file, kStartTableSpec).value_or(StringTable{});
  edit_.xpStartTable =
      xp ? ReadStringTable(file, kXPStartTableSpec).value_or(StringTable{}) : StringTable{};
  FillBox(*tTooltip_, edit_.tooltipTable);
  FillBox(*tStart_, edit_.startTable);
}

void TSBmgr::FillBox(ui::Edit& box, const StringTable& table) {
  // The table already holds the text, exactly; the box shows it in the
  // ANSI code page, and filling it is no edit of the user's.
  box.SetTextQuietly(win::UnicodeToAnsi(ShownText(table)));
}

void TSBmgr::FormClose() {
  edit_.tooltipTable = StringTable{};
  edit_.startTable = StringTable{};
  edit_.xpStartTable = StringTable{};
}

void TSBmgr::EnableApply(bool enabled) {
  Get<ui::Control>("bApply").SetEnabled(enabled);
}

int TSBmgr::Notify(const std::string& text, UINT flags) {
  return ui::ShowMessageBox(text, Text(), flags, Hwnd());
}

void TSBmgr::tStartChange(ui::Control&) {
  const std::u16string text = win::AnsiToUnicode(tStart_->Text());
  SetShownText(edit_.startTable, text);
  if (edit_.xp) SetShownText(edit_.xpStartTable, text);
  EnableApply(true);
}

void TSBmgr::tTooltipChange(ui::Control&) {
  SetShownText(edit_.tooltipTable, win::AnsiToUnicode(tTooltip_->Text()));
  EnableApply(true);
}

void TSBmgr::bApplyClick(ui::Control&) {
  const std::optional<std::string> newFile = WriteNewShell(Hwnd(), Text(), edit_);
  if (!newFile) return;
  RestartShell(*newFile);
  EnableApply(false);
}

void TSBmgr::bOKClick(ui::Control&) {
  if (fDialog3_->ShowModal() != ui::mrOk) return;
  // A failed write keeps the window open, with the edits, for another try.
  const std::optional<std::string> newFile = WriteNewShell(Hwnd(), Text(), edit_);
  if (!newFile) return;
  if (fDialog3_->ApplyChosen()) {
    RestartShell(*newFile);
  } else if (ui::AskToRestart(Hwnd(), Text(), false)) {
    RestartWindows();
  }
  SetModalResult(ui::mrOk);
  Close();
}

void TSBmgr::bCancelClick(ui::Control&) {
  SetModalResult(ui::mrCancel);
  Close();
}

void TSBmgr::bCloseClick(ui::Control& sender) {
  bCancelClick(sender);
}

void TSBmgr::bRestoreClick(ui::Control&) {
  if (fDialog4_->ShowModal() != ui::mrOk) return;
  EnableApply(true);
  const std::string explorer = WindowsExplorerPath();
  if (fDialog4_->PhysicalChosen()) {
    if (!ActivateShell(explorer)) {
      Notify("Windows could not be pointed back at '" + explorer + "'." + core::LineBreaks(1) +
                 "The shell setting was not changed.",
             MB_ICONERROR);
      return;
    }
    if (ui::AskToRestart(Hwnd(), Text(), true)) RestartWindows();
    SetModalResult(ui::mrOk);
    Close();
    return;
  }
  LoadTables(explorer);
  Notify("The Start Button is now restored to the Windows default.", MB_ICONINFORMATION);
}

void TSBmgr::bContextClick(ui::Control&) {
  fContext_->Execute();
}

void TSBmgr::XPSBChangeClick(ui::Control&) {
  std::string file;
  if (!quorlo::imaging::OpenPictureFile(file, Hwnd()) || file.empty()) return;
  HANDLE bitmap = LoadImageA(nullptr, file.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE);
  if (bitmap == nullptr) {
    Notify("Could not load new XP Start Button icon!", MB_ICONERROR);
    return;
  }
  DeleteObject(bitmap);
  edit_.icon.file = file;
  edit_.icon.changed = true;
  edit_.icon.restore = false;
  EnableApply(true);
  Notify("The XP Start Button icon will be changed when you\r\nclick OK or Apply.",
         MB_ICONINFORMATION);
}

void TSBmgr::XPSBRestoreClick(ui::Control&) {
  edit_.icon.changed = true;
  edit_.icon.restore = true;
  Notify("The XP Start Button icon will now be restored" + core::LineBreaks(1) +
             "when you click OK or Apply.",
         MB_ICONINFORMATION);
  EnableApply(true);
}

void TSBmgr::bHelpcnrClick(ui::Control&) {
  help::ShowHelpTopic("Start Button Manager Introduction.htm");
}
