#include "logon/LogonDialogsWindow_win.h"

#include "ui/GradientLabel.h"
#include "core/Text.h"
#include "imaging/OpenPicture.h"
#include "logon/PictureBoxes_win.h"
#include "ui/StandardControls.h"
#include "win/MessagePump.h"

namespace logon {

namespace {

constexpr UINT_PTR kTimer1 = 1;
constexpr char kCaption[] = "Logon Dialogs Manager";
constexpr char kCloseHint[] = "Discards any changes you may have made and close this dialog.";
constexpr char kChangeHint[] =
    "Click this to change the bitmap currently in view. You will need to select a new picture in "
    "the form of a bitmap (BMP) which can be in any size.";
constexpr int kHeaderHeight = 49;

// Where the pictures stand on their pages; all three are of one size.
constexpr int kPictureLeft = 8;
constexpr int kPictureTop = 8;
constexpr int kPictureWidth = 413;
constexpr int kPictureHeight = 88;

struct PictureRow {
  const char* name;
  const char* page;
  PictureBox::Placement placement;
};
// By PictureIndex: the logon dialog's and the progress dialog's pictures
// stand centred; the bar is drawn from the top-left corner, as it moves.
constexpr PictureRow kPictureRows[kPictureCount] = {
    {"normal", "TabSheet1", PictureBox::Placement::kCentre},
    {"progress", "TabSheet2", PictureBox::Placement::kCentre},
    {"animation", "TabSheet3", PictureBox::Placement::kTopLeft},
};

}  // namespace

const ui::ControlDef<LogonDialogsWindow> LogonDialogsWindow::kControls[] = {
    {ui::Kind::kWrapLabel, "l3", 30, 22, 578, 26,
     "Welcome to the Logon Dialogs Manager. Here you can customise the Logon Dialogs you see when "
     "you login to your computer.",
     "", 0},
    {ui::Kind::kPages, "PageControl1", 8, 56, 515, 176, "", "", 0,
     &LogonDialogsWindow::PageControl1Change, ui::Bind<&LogonDialogsWindow::PageControl1>},
    {ui::Kind::kPage, "TabSheet1", 0, 0, 0, 0, "Logon dialog", "", 0, nullptr,
     ui::Bind<&LogonDialogsWindow::TabSheet1>, "PageControl1"},
    {ui::Kind::kPage, "TabSheet2", 0, 0, 0, 0, "Logon in progress", "", 0, nullptr,
     ui::Bind<&LogonDialogsWindow::TabSheet2>, "PageControl1"},
    {ui::Kind::kPage, "TabSheet3", 0, 0, 0, 0, "Animation", "", 0, nullptr,
     ui::Bind<&LogonDialogsWindow::TabSheet3>, "PageControl1"},
    {ui::Kind::kPushButton, "bChange1", 429, 8, 70, 25, "Change...", kChangeHint, 1,
     &LogonDialogsWindow::bChangeClick, nullptr, "TabSheet1"},
    {ui::Kind::kWrapLabel, "lNormal", 8, 104, 491, 40,
     "This bitmap appears when you are entering your username and password into the logon "
     "dialog. It also appers at the Ctrl+Alt+Del stage.",
     "", 0, nullptr, nullptr, "TabSheet1"},
    {ui::Kind::kPushButton, "bChange2", 429, 8, 70, 25, "Change...", kChangeHint, 2,
     &LogonDialogsWindow::bChangeClick, nullptr, "TabSheet2"},
    {ui::Kind::kWrapLabel, "lProgress", 8, 104, 491, 40,
     "This bitmap appears when your computer is loading your personal settings and when it is "
     "preparing to show the initial logon dialog.",
     "", 0, nullptr, nullptr, "TabSheet2"},
    {ui::Kind::kPushButton, "bChange3", 429, 8, 70, 25, "Change...", kChangeHint, 3,
     &LogonDialogsWindow::bChangeClick, nullptr, "TabSheet3"},
    {ui::Kind::kWrapLabel, "lAnimation", 8, 104, 491, 40,
     "This is the bar that is animated across the Logon in progress dialog and is shown still on "
     "the normal Logon dialog.",
     "", 0, nullptr, nullptr, "TabSheet3"},
    {ui::Kind::kPushButton, "bOK", 533, 78, 75, 25, "OK",
     "Saves the changes you have made and closes the dialog. The changes will take effect "
     "immediately, and can only be seen after you restart your computer.",
     0, &LogonDialogsWindow::bOKClick, ui::Bind<&LogonDialogsWindow::bOK>},
    {ui::Kind::kPushButton, "bCancel", 533, 108, 75, 25, "Cancel", kCloseHint, 0,
     &LogonDialogsWindow::bCancelClick, ui::Bind<&LogonDialogsWindow::bCancel>},
    {ui::Kind::kPushButton, "bRestore", 533, 207, 75, 25, "Restore",
     "Restores your computer's settings to the Windows default.", 0,
     &LogonDialogsWindow::bRestoreClick, ui::Bind<&LogonDialogsWindow::bRestore>},
};

LogonDialogsWindow::LogonDialogsWindow(int windowsVersion) : windowsVersion_(windowsVersion) {}

LogonDialogsWindow::~LogonDialogsWindow() = default;

ui::FormSpec LogonDialogsWindow::Spec() const {
  ui::FormSpec spec;
  spec.caption = kCaption;
  spec.title = "Quorlo - Logon Dialogs Manager";
  spec.titleName = "l4";
  spec.headingName = "grd2";
  spec.headingHeight = kHeaderHeight;
  spec.clientWidth = kClientWidth;
  spec.clientHeight = kClientHeight;
  spec.helpPage = "Logon Dialogs Manager Introduction.htm";
  spec.closeHint = kCloseHint;
  return spec;
}

void LogonDialogsWindow::FormCreate() {
  Build(this, kControls);
  if (!bRestore) return;
  Heading()->SetBoundLines(ui::blLeft | ui::blTop | ui::blRight);
  // The welcome text is part of the heading: pressing on it drags the window.
  Find("l3")->SetDragsWindow(true);
  SetDefaultButton(bOK);
  SetCancelButton(bCancel);

  for (int i = 0; i < kPictureCount; ++i) {
    const PictureRow& row = kPictureRows[i];
    auto box = std::make_unique<PictureBox>();
    if (!box->Create(Find(row.page)->Hwnd(), kPictureLeft, kPictureTop, kPictureWidth,
                     kPictureHeight, row.placement)) {
      // A window without its pictures is never shown.
      Destroy();
      return;
    }
    pictures_[i] = box.get();
    Adopt(std::move(box), row.name);
  }
  // Over the bar's picture, covering it: the moving copy is drawn here.
  auto paintBox = std::make_unique<PaintBox>();
  if (!paintBox->Create(pictures_[kBarPicture]->Hwnd(), 0, 0, kPictureWidth, kPictureHeight)) {
    Destroy();
    return;
  }
  paintBox->onPaint = [this](PaintBox& sender, HDC dc) { PaintBox1Paint(sender, dc); };
  PaintBox1 = paintBox.get();
  Adopt(std::move(paintBox), "PaintBox1");
}

void LogonDialogsWindow::LoadOnOpening() {
  win::ProcessMessages();
  edit_ = LogonEdit{};
  module_ = ReadLogonModule(windowsVersion_, edition_);
  for (int i = 0; i < kPictureCount; ++i) ShowPicture(i, module_.pictures[i].file);
  bOK->SetEnabled(module_.found);
  bRestore->SetEnabled(module_.found);
  FollowActiveTab();
  if (!module_.found) ShowError(module_.message);
}

void LogonDialogsWindow::FormClose() {
  StopTimer(kTimer1);
  edit_ = LogonEdit{};
}

void LogonDialogsWindow::ShowPicture(int index, const std::vector<uint8_t>& file) {
  pictures_[index]->ShowBitmapFile(file);
  if (index != kBarPicture) return;
  barBitmap_ = PictureFromBitmapFile(file);
  PaintBox1->Invalidate();
}

void LogonDialogsWindow::bChangeClick(ui::Control& sender) {
  // The tags of the Change buttons are 1 to 3, the pictures' indexes 0 to 2.
  const PictureIndex index = PictureIndex(sender.Tag() - 1);
  std::string file;
  if (!imaging::OpenPictureFile(file, Hwnd()) || file.empty()) return;
  const core::Outcome changed = ChangePicture(edit_, index, file);
  if (!changed.ok) {
    ShowError(changed.message);
    return;
  }
  ShowPicture(index, *edit_.replacements[index]);
  if (index == kBarPicture) bar_.Restart();
}

void LogonDialogsWindow::bOKClick(ui::Control&) {
  const LogonWrite write = WriteLogonPictures(module_, edit_);
  if (!write.outcome.ok) {
    ShowError(write.outcome.message);
    // Once the copy is registered, or no copy can be made at all, there is
    // nothing left to do here; otherwise the pictures stay for another try.
    if (write.written || write.closeWindow) CloseWith(write.written ? ui::mrOk : ui::mrCancel);
    return;
  }
  CloseWith(ui::mrOk);
}

void LogonDialogsWindow::bRestoreClick(ui::Control&) {
  if (!AskYesNo("This will restore the Logon Dialogs to the Windows default." +
                core::LineBreaks(1) + "Continue?")) {
    return;
  }
  const core::Outcome restored = RestoreLogonLibrary();
  if (!restored.ok) {
    ShowError(restored.message);
    return;
  }
  CloseWith(ui::mrOk);
}

void LogonDialogsWindow::PageControl1Change(ui::Control&) {
  FollowActiveTab();
}

void LogonDialogsWindow::FollowActiveTab() {
  if (PageControl1->Selected() == kAnimationTab) {
    StartTimer(kTimer1, kBarTickMs);
  } else {
    StopTimer(kTimer1);
  }
}

void LogonDialogsWindow::OnTimer(UINT_PTR id) {
  if (id == kTimer1) Timer1Timer();
}

void LogonDialogsWindow::Timer1Timer() {
  PaintBox1->Repaint();
  bar_.Tick(barBitmap_ ? barBitmap_->Width() : 0);
}

void LogonDialogsWindow::PaintBox1Paint(PaintBox&, HDC dc) {
  if (!barBitmap_ || barBitmap_->Dc() == nullptr) return;
  const HDC bar = static_cast<HDC>(barBitmap_->Dc());
  const int height = barBitmap_->AbsHeight;
  for (const BarCopy& copy : bar_.Copies(barBitmap_->Width())) {
    if (copy.width > 0)
      BitBlt(dc, copy.destX, 0, copy.width, height, bar, copy.sourceX, 0, SRCCOPY);
  }
}

}  // namespace logon
