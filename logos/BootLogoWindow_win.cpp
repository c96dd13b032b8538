#include "logos/BootLogoWindow_win.h"

#include <optional>
#include <vector>

#include "core/FileIo.h"
#include "core/Text.h"
#include "imaging/OpenPicture.h"
#include "logos/BootPreviewWindow_win.h"
#include "logos/ChooseOsWindow_win.h"
#include "logos/KernelBitmaps.h"
#include "logos/LogoPictures_win.h"
#include "ui/ColourSwatch.h"
#include "ui/Containers.h"
#include "ui/Dialogs.h"
#include "ui/Image.h"
#include "ui/Label.h"
#include "ui/MessageBox.h"
#include "ui/StandardControls.h"
#include "win/Paths.h"
#include "win/ProgramIdentity.h"
#include "win/SystemFacts.h"

namespace logos {

namespace {

// A logo file of 640 x 480 at 4 bits is about 150 KB.
constexpr uint64_t kMaxLogoFileSize = 4u << 20;

using W = BootLogoWindow;

}  // namespace

const ui::ControlDef<W> W::kControls[] = {
    {ui::Kind::kWrapLabel, "lIntro", 12, 32, 416, 28,
     "Welcome to the Windows 2000/XP Startup Logo Manager. Here you can customise the logo you "
     "see when you start your computer.",
     "", 0},
    {ui::Kind::kImage, "bmp", 12, 66, 200, 150, "",
     "Click for an animated preview of the startup logo", 0, &W::PreviewClick, ui::Bind<&W::bmp>},
    {ui::Kind::kPushButton, "bChange", 226, 66, 95, 25, "Change...",
     "Click this to change the startup logo. You will need to select a new bitmap (BMP).", 0,
     &W::ChangeLogoClick},
    {ui::Kind::kPushButton, "bPreview", 333, 66, 95, 25, "Preview...",
     "Click this for an animated preview of the startup logo.", 0, &W::PreviewClick,
     ui::Bind<&W::bPreview>},
    {ui::Kind::kLabel, "lOs", 226, 104, 0, 0, "Operating system to customise logo with:", "", 0},
    {ui::Kind::kLabel, "os", 226, 122, 202, 15, "", "", 0, nullptr, ui::Bind<&W::os>},
    {ui::Kind::kPushButton, "bChangeOS", 226, 140, 95, 25, "Change...",
     "Click this to change the Operating System that the startup logo will be seen on.", 0,
     &W::ChangeOsClick},
    {ui::Kind::kGroupBox, "gOptions", 226, 172, 202, 72, "Change Options", "", 0},
    {ui::Kind::kCheck, "bResize", 10, 18, 100, 17, "Resize logo",
     "If checked, new logos will be smooth resized to the size of the screen, remaining in "
     "proportion. If not checked, the logo will be centred in the screen at the original size.",
     0, nullptr, ui::Bind<&W::bResize>, "gOptions"},
    {ui::Kind::kLabel, "lColour", 10, 46, 0, 0, "Background color:", "", 0, nullptr, nullptr,
     "gOptions"},
    {ui::Kind::kPushButton, "bChangeColour", 136, 41, 58, 23, "Change...",
     "Click this to choose the colour around a picture that does not fill the logo.", 0,
     &W::bChangeColourClick, nullptr, "gOptions"},
    {ui::Kind::kPushButton, "bOK", 188, 252, 75, 25, "OK",
     "Writes a copy of the kernel with the new startup logo and makes the chosen Operating "
     "System start it.",
     0, &W::bOKClick, ui::Bind<&W::bOK>},
    {ui::Kind::kPushButton, "bCancel", 270, 252, 75, 25, "Cancel",
     "Discards any changes you may have made and close this dialog.", 0, &W::bCancelClick,
     ui::Bind<&W::bCancel>},
    {ui::Kind::kPushButton, "bRestore", 353, 252, 75, 25, "Restore",
     "Restores your computer to the Windows default.", 0, &W::RestoreClick, ui::Bind<&W::bRestore>},
};

BootLogoWindow::BootLogoWindow()
    : chooser_(std::make_unique<ChooseOsWindow>()),
      preview_(std::make_unique<BootPreviewWindow>(win::WindowsVersion() == win::kWindowsXP
                                                       ? BootPreviewWindow::Screen::kWindowsXP
                                                       : BootPreviewWindow::Screen::kWindows2000)) {
}

BootLogoWindow::~BootLogoWindow() = default;

ui::FormSpec BootLogoWindow::Spec() const {
  ui::FormSpec spec;
  spec.caption = kLogosManagerCaption;
  spec.title = "Quorlo - Windows 2000/XP Startup Logo Manager";
  spec.clientWidth = kClientWidth;
  spec.clientHeight = kClientHeight;
  spec.helpPage = "XP 2000 Startup Logo Manager Introduction.htm";
  spec.closeHint = "Discards any changes you may have made and close this dialog.";
  return spec;
}

bool BootLogoWindow::IsXP() const {
  return machine_.windowsVersion == win::kWindowsXP;
}

void BootLogoWindow::FormCreate() {
  Build(this, kControls);
  if (bRestore == nullptr) return;
  auto swatch = std::make_unique<ui::ColourSwatch>();
  if (swatch->Create(Find("gOptions")->Hwnd(), 104, 44, 25, 17, RGB(0, 0, 0))) {
    bColour = swatch.get();
    Adopt(std::move(swatch), "bColour");
  }
  bResize->SetChecked(true);
  SetDefaultButton(bOK);
  SetCancelButton(bCancel);
  chooser_->CreateForm(Hwnd());
  preview_->CreateForm(Hwnd());
}

void BootLogoWindow::RefuseWriting() {
  writingRefused_ = true;
  bOK->SetEnabled(false);
  bRestore->SetEnabled(false);
}

void BootLogoWindow::LoadOnOpening() {
  logoChanged_ = false;
  writingRefused_ = false;
  logoFile_.clear();
  current_ = 1;
  ini_ = BootIni{};
  palette_ = BootPalette{};
  bmp->SetBitmap(nullptr);
  os->SetCaption("");
  bOK->SetEnabled(true);
  bRestore->SetEnabled(true);
  machine_ = ThisBootLogoMachine(edition_);

  // Both files are looked for, each missing one with its own message.
  const std::vector<std::string> missing = MissingSystemFileMessages(machine_);
  for (const std::string& message : missing) ShowError(message);
  if (!missing.empty()) RefuseWriting();

  const BootEntriesRead read = ReadBootEntries(machine_);
  if (read.outcome.ok) {
    ini_ = read.ini;
    if (!ini_.HasEntries()) {
      ShowError(machine_.bootIni + " names no Operating System." + core::LineBreaks(1) +
                "There is no startup logo to customise.");
      RefuseWriting();
    }
  } else if (missing.empty()) {
    ShowError(read.outcome.message);
    RefuseWriting();
  }
  if (const BootEntry* entry = CurrentEntry()) os->SetCaption(entry->description);
  if (missing.empty()) LoadCurrentLogo();
}

void BootLogoWindow::LoadCurrentLogo() {
  const BootEntry* entry = CurrentEntry();
  if (entry == nullptr) return;
  if (IsXP()) {
    const KernelPaletteSearch search = FindKernelBootPalette(machine_);
    if (!search.outcome.ok) {
      // This message names the program, not the window.
      ui::ShowMessageBox(search.outcome.message, win::kApplicationTitle, MB_ICONERROR, Hwnd());
      RefuseWriting();
      return;
    }
  }
  const std::string path = BootLogoPicturePath();
  const BootLogoPicture picture = LoadBootLogo(machine_, *entry, path);
  if (!picture.outcome.ok) {
    bmp->SetBitmap(nullptr);
    ShowError(picture.outcome.message);
    return;
  }
  win::ScopedBitmap shown = LoadBitmapFile(path);
  DeleteFileA(path.c_str());
  palette_ = picture.palette;
  bmp->SetBitmap(shown.Release(), true);
}

void BootLogoWindow::ChangeLogoClick(ui::Control&) {
  std::string picked;
  if (!imaging::OpenPictureFile(picked, Hwnd())) return;
  std::string logoFile;
  imaging::MakeLogoPicture(picked, kBootLogoWidth, kBootLogoHeight, logoFile, true,
                           bResize->Checked(), bColour != nullptr ? bColour->Colour() : 0,
                           HintLine() != nullptr ? HintLine()->Hwnd() : nullptr,
                           kBootLogoBitsPerPixel);
  if (logoFile.empty()) return;
  std::vector<uint8_t> bytes;
  std::optional<BootPalette> palette;
  if (core::ReadWholeFile(logoFile, kMaxLogoFileSize, bytes) == core::ReadResult::kOk)
    palette = LogoFilePalette(core::ByteSpan(bytes.data(), bytes.size()));
  win::ScopedBitmap shown = LoadBitmapFile(logoFile);
  if (!palette || !shown) {
    ShowError("The new logo " + logoFile + " could not be read.");
    return;
  }
  logoChanged_ = true;
  logoFile_ = logoFile;
  // XP's bar takes its colours from the new logo's palette, as the copy will.
  palette_ = *palette;
  bmp->SetBitmap(shown.Release(), true);
}

void BootLogoWindow::PreviewClick(ui::Control&) {
  win::ScopedBitmap copy = CopyBitmap(bmp->Bitmap());
  if (!copy) return;
  preview_->ShowPicture(copy.Release(), palette_, edition_);
}

void BootLogoWindow::ChangeOsClick(ui::Control&) {
  chooser_->SetEntries(ini_.Entries());
  if (chooser_->ShowModal() == ui::mrOk) {
    if (const BootEntry* entry = ini_.Entry(chooser_->ChosenEntry())) {
      current_ = entry->number;
      os->SetCaption(entry->description);
    }
  }
  // A new logo waiting for OK stays shown: it is what OK writes, whichever
  // system is chosen.
  if (!logoChanged_ && !writingRefused_) LoadCurrentLogo();
}

void BootLogoWindow::bChangeColourClick(ui::Control&) {
  if (bColour == nullptr) return;
  if (const auto colour = ui::ChooseColour(Hwnd(), bColour->Colour())) bColour->SetColour(*colour);
}

void BootLogoWindow::bOKClick(ui::Control&) {
  if (!logoChanged_) {
    CloseWith(ui::mrOk);
    return;
  }
  const BootEntry* entry = CurrentEntry();
  if (writingRefused_ || entry == nullptr) return;
  if (!win::FileExists(logoFile_)) {
    ShowError("File '" + logoFile_ + "' does not exist!" + core::LineBreaks(1) +
              "Unable to customise startup logo");
    return;
  }
  if (!AskYesNo("Are you sure that " + entry->description + core::LineBreaks(1) +
                "is the correct Operating System to customise the startup logo with?"))
    return;
  const core::Outcome written =
      WriteBootLogo(machine_, BootLogoChange{current_, entry->description, logoFile_});
  if (!written.ok) {
    // Nothing points at a copy that failed; the window stays for another try.
    ShowError(written.message);
    return;
  }
  CloseWith(ui::mrOk);
}

void BootLogoWindow::RestoreClick(ui::Control&) {
  if (writingRefused_ || CurrentEntry() == nullptr) return;
  if (!AskYesNo("This will restore the startup logo for the current Operating System." +
                core::LineBreaks(1) + "Continue?"))
    return;
  const core::Outcome restored = RestoreBootLogo(machine_, current_);
  if (!restored.ok) {
    ShowError(restored.message);
    return;
  }
  CloseWith(ui::mrOk);
}

}  // namespace logos
