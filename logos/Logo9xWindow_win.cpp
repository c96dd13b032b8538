#include "logos/Logo9xWindow_win.h"

#include <cstdlib>
#include <utility>

#include "core/Text.h"
#include "imaging/OpenPicture.h"
#include "logos/Logo9xPreviewWindow_win.h"
#include "logos/LogoPictures_win.h"
#include "ui/ColourSwatch.h"
#include "ui/Containers.h"
#include "ui/Dialogs.h"
#include "ui/Image.h"
#include "ui/Label.h"
#include "ui/StandardControls.h"
#include "win/Paths.h"
#include "win/SystemFacts.h"

namespace logos {

namespace {

constexpr char kChangeHint[] =
    "Click this to change this logo. You will need to select a picture in the form of a bimap "
    "(BMP).";
constexpr char kRestoreHint[] =
    "Click this to restore the logo to the logo Quorlo backed up when it was first run.";
constexpr char kPreviewHint[] = "Click this for a preview of the logo.";
constexpr char kResizeHint[] =
    "If checked, new logos will be smooth resized to the size of the screen, remaining in "
    "proportion. If not checked, the logo will be centred in the screen at the original size.";
constexpr char kCloseHint[] = "Discards any changes you may have made and close this dialog.";

using W = Logo9xWindow;

}  // namespace

const ui::ControlDef<W> W::kPageControls[] = {
    {ui::Kind::kWrapLabel, "lIntro", 12, 32, 396, 28,
     "Welcome to the Windows 95/98/ME Logos Manager. Here you can customise the logos you see "
     "when you start and shut down your computer.",
     "", 0},
    {ui::Kind::kPages, "pcLogos", 12, 64, 396, 176, "", "", 0},
    {ui::Kind::kPage, "tsStartup", 0, 0, 0, 0, "Startup", "", 0, nullptr, nullptr, "pcLogos"},
    {ui::Kind::kImage, "logo1", 8, 8, kPictureWidth, kPictureHeight, "", "", 1, nullptr,
     ui::Bind<&W::logo1>, "tsStartup"},
    {ui::Kind::kPushButton, "bChange1", 200, 8, 95, 25, "Change...", kChangeHint, 1,
     &W::bChange1Click, nullptr, "tsStartup"},
    {ui::Kind::kPushButton, "bRestore1", 200, 40, 95, 25, "Restore", kRestoreHint, 1,
     &W::bRestore1Click, nullptr, "tsStartup"},
    {ui::Kind::kPushButton, "bPreview1", 200, 72, 95, 25, "Preview...", kPreviewHint, 1,
     &W::bPreview1Click, ui::Bind<&W::bPreview1>, "tsStartup"},
    {ui::Kind::kPushButton, "WinDef", 200, 104, 95, 25, "Win default",
     "Click this to restore the Startup logo to the Windows default.", 1, &W::WinDefClick, nullptr,
     "tsStartup"},
    {ui::Kind::kPage, "tsShutdown", 0, 0, 0, 0, "Shut down", "", 0, nullptr, nullptr, "pcLogos"},
    {ui::Kind::kImage, "logo2", 8, 8, kPictureWidth, kPictureHeight, "", "", 2, nullptr,
     ui::Bind<&W::logo2>, "tsShutdown"},
    {ui::Kind::kPushButton, "bChange2", 200, 8, 95, 25, "Change...", kChangeHint, 2,
     &W::bChange1Click, nullptr, "tsShutdown"},
    {ui::Kind::kPushButton, "bRestore2", 200, 40, 95, 25, "Restore", kRestoreHint, 2,
     &W::bRestore1Click, nullptr, "tsShutdown"},
    {ui::Kind::kPushButton, "bPreview2", 200, 72, 95, 25, "Preview...", kPreviewHint, 2,
     &W::bPreview1Click, ui::Bind<&W::bPreview2>, "tsShutdown"},
};

// Millennium has no "shut down in progress" logo: this page is not made there.
const ui::ControlDef<W> W::kWaitPageControls[] = {
    {ui::Kind::kPage, "tsWait", 0, 0, 0, 0, "Shut down in progress", "", 0, nullptr, nullptr,
     "pcLogos"},
    {ui::Kind::kImage, "logo3", 8, 8, kPictureWidth, kPictureHeight, "", "", 3, nullptr,
     ui::Bind<&W::logo3>, "tsWait"},
    {ui::Kind::kPushButton, "bChange3", 200, 8, 95, 25, "Change...", kChangeHint, 3,
     &W::bChange1Click, nullptr, "tsWait"},
    {ui::Kind::kPushButton, "bRestore3", 200, 40, 95, 25, "Restore", kRestoreHint, 3,
     &W::bRestore1Click, nullptr, "tsWait"},
    {ui::Kind::kPushButton, "bPreview3", 200, 72, 95, 25, "Preview...", kPreviewHint, 3,
     &W::bPreview1Click, ui::Bind<&W::bPreview3>, "tsWait"},
};

const ui::ControlDef<W> W::kOptionControls[] = {
    {ui::Kind::kGroupBox, "gOptions", 12, 246, 396, 80, "Change Options", "", 0},
    {ui::Kind::kCheck, "bResize", 12, 20, 100, 17, "Resize logo", kResizeHint, 0, nullptr,
     ui::Bind<&W::bResize>, "gOptions"},
    {ui::Kind::kLabel, "lColour", 132, 21, 0, 0, "Background color:", "", 0, nullptr, nullptr,
     "gOptions"},
    {ui::Kind::kPushButton, "bChangeColour", 262, 16, 80, 23, "Change...",
     "Click this to choose the colour around a picture that does not fill the logo.", 0,
     &W::bChangeColourClick, nullptr, "gOptions"},
    {ui::Kind::kLabel, "lRotate", 12, 51, 0, 0, "Number of colours to animate:", "", 0, nullptr,
     nullptr, "gOptions"},
    {ui::Kind::kEdit, "RotateColour", 170, 48, 44, 21, "0",
     "A value of 0 does not animate any colours, a value of 255 animates all colours.", 0, nullptr,
     ui::Bind<&W::RotateColour>, "gOptions"},
    {ui::Kind::kPushButton, "bOK", 252, 334, 75, 25, "OK",
     "Saves the changes you have made to the logos and closes this dialog.", 0, &W::bOKClick,
     ui::Bind<&W::bOK>},
    {ui::Kind::kPushButton, "bCancel", 333, 334, 75, 25, "Cancel", kCloseHint, 0, &W::bCancelClick,
     ui::Bind<&W::bCancel>},
};

Logo9xWindow::Logo9xWindow() : Logo9xWindow(MachineLogo9xFolders()) {}

Logo9xWindow::Logo9xWindow(Logo9xFolders folders)
    : folders_(std::move(folders)), preview_(std::make_unique<Logo9xPreviewWindow>()) {}

Logo9xWindow::~Logo9xWindow() = default;

ui::FormSpec Logo9xWindow::Spec() const {
  ui::FormSpec spec;
  spec.caption = "Logos Manager";
  spec.title = "Quorlo - Windows 95/98/ME Logos Manager";
  spec.clientWidth = kClientWidth;
  spec.clientHeight = kClientHeight;
  spec.helpPage = "9x ME Logos Manager Introduction.htm";
  spec.closeHint = kCloseHint;
  return spec;
}

bool Logo9xWindow::Shown(int number) const {
  return number >= 1 && number <= kLogoFileCount && pictures_[size_t(number) - 1] != nullptr;
}

void Logo9xWindow::FormCreate() {
  Build(this, kPageControls);
  if (win::WindowsVersion() != win::kWindowsMillennium) Build(this, kWaitPageControls);
  Build(this, kOptionControls);
  if (bCancel == nullptr) return;
  pictures_ = {logo1, logo2, logo3};
  previewButtons_ = {bPreview1, bPreview2, bPreview3};

  HWND options = Find("gOptions")->Hwnd();
  auto swatch = std::make_unique<ui::ColourSwatch>();
  if (swatch->Create(options, 230, 20, 25, 17, RGB(0, 0, 0))) {
    bColour = swatch.get();
    Adopt(std::move(swatch), "bColour");
  }
  auto arrows = std::make_unique<ui::UpDown>();
  if (arrows->Create(options, *RotateColour, 0, kMaxAnimatedColours)) {
    rotateArrows_ = arrows.get();
    Adopt(std::move(arrows), "RotateColourArrows", RotateColour->Hint());
  }
  RotateColour->SetMaxLength(3);
  bResize->SetChecked(true);
  SetDefaultButton(bOK);
  SetCancelButton(bCancel);

  MakeLogoBackups(folders_);
  preview_->CreateForm(Hwnd());
}

void Logo9xWindow::LoadOnOpening() {
  changes_ = Logo9xChanges{};
  for (int number : ShownLogoFiles(win::WindowsVersion())) {
    if (!Shown(number)) continue;
    const std::string path = Logo9xFilePath(number, folders_);
    if (!win::FileExists(path) || !ShowFile(number, path)) ShowMissing(number);
  }
}

bool Logo9xWindow::ShowFile(int number, const std::string& path) {
  win::ScopedBitmap picture = LoadBitmapFile(path);
  if (!picture) return false;
  pictures_[size_t(number) - 1]->SetBitmap(picture.Release(), true);
  previewButtons_[size_t(number) - 1]->SetEnabled(true);
  return true;
}

void Logo9xWindow::ShowMissing(int number) {
  const LogoFileEntry* entry = LogoFile(number);
  pictures_[size_t(number) - 1]->SetBitmap(
      TextPicture(kPictureWidth, kPictureHeight, entry->missingText).Release());
  previewButtons_[size_t(number) - 1]->SetEnabled(false);
}

int Logo9xWindow::AnimatedColours() const {
  // The box may hold anything typed; the arrows' position is clamped.
  if (rotateArrows_ == nullptr) return 0;
  const int typed = std::atoi(RotateColour->Text().c_str());
  const int count = typed < 0 ? 0 : typed > kMaxAnimatedColours ? kMaxAnimatedColours : typed;
  return count;
}

void Logo9xWindow::bChange1Click(ui::Control& sender) {
  const int number = sender.Tag();
  if (!Shown(number)) return;
  std::string picked;
  if (!imaging::OpenPictureFile(picked, Hwnd())) return;
  std::string logoFile;
  imaging::MakeLogoPicture(picked, kLogo9xWidth, kLogo9xHeight, logoFile, false, bResize->Checked(),
                           bColour != nullptr ? bColour->Colour() : 0,
                           HintLine() != nullptr ? HintLine()->Hwnd() : nullptr,
                           kLogo9xBitsPerPixel);
  if (logoFile.empty()) return;
  win::ScopedBitmap picture = LoadBitmapFile(logoFile);
  NewLogo9x taken = TakeNewLogo9xFile(logoFile, AnimatedColours());
  if (!taken.outcome.ok || !picture) {
    ShowError(!taken.outcome.ok ? taken.outcome.message
                                : "The new logo is not a bitmap file Windows can show.");
    return;
  }
  changes_.Change(number, std::move(taken.bytes));
  pictures_[size_t(number) - 1]->SetBitmap(picture.Release(), true);
  previewButtons_[size_t(number) - 1]->SetEnabled(true);
}

void Logo9xWindow::bRestore1Click(ui::Control& sender) {
  const int number = sender.Tag();
  if (!Shown(number)) return;
  switch (changes_.Restore(number, folders_)) {
    case RestoreShows::kBackup:
      if (!ShowFile(number, Logo9xBackupPath(number, folders_))) ShowMissing(number);
      break;
    case RestoreShows::kWindowsDefault:
      ShowMissing(number);
      break;
    case RestoreShows::kBackupMissing:
      ShowError("The backup file '" + std::string(LogoFile(number)->fileName) + "' was not found!" +
                core::LineBreaks(1) + "Unable to restore logo.");
      break;
  }
}

void Logo9xWindow::WinDefClick(ui::Control&) {
  changes_.WindowsDefault();
  ShowMissing(1);
}

void Logo9xWindow::bPreview1Click(ui::Control& sender) {
  const int number = sender.Tag();
  if (!Shown(number)) return;
  win::ScopedBitmap copy = CopyBitmap(pictures_[size_t(number) - 1]->Bitmap());
  if (copy) preview_->ShowPicture(copy.Release());
}

void Logo9xWindow::bChangeColourClick(ui::Control&) {
  if (bColour == nullptr) return;
  if (const auto colour = ui::ChooseColour(Hwnd(), bColour->Colour())) bColour->SetColour(*colour);
}

void Logo9xWindow::bOKClick(ui::Control&) {
  const core::Outcome applied = changes_.Apply(folders_);
  if (!applied.ok) {
    // What was written stays written; the window stays open with its
    // marks, so OK can be pressed again once the file is free.
    ShowError(applied.message);
    return;
  }
  CloseWith(ui::mrOk);
}

}  // namespace logos
