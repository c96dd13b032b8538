#pragma once
// The 2000/XP Startup Logo Manager (registered as `TLogoXP2kMgr`): the
// start-up logo inside the kernel of a boot entry, changed with a picture of
// the user's into a numbered copy of the kernel that the entry then starts,
// previewed with the boot screen's animation, and restored by taking the
// entry's kernel switch away.

#include <memory>
#include <string>

#include "logos/BootIni.h"
#include "logos/BootLogo_win.h"
#include "logos/BootPalette.h"
#include "ui/Form.h"

namespace ui {
class Button;
class ColourSwatch;
class Image;
class Label;
}  // namespace ui

namespace logos {

class BootPreviewWindow;
class ChooseOsWindow;

class BootLogoWindow : public ui::Form {
 public:
  static constexpr int kClientWidth = 440;
  static constexpr int kClientHeight = 302;

  BootLogoWindow();
  ~BootLogoWindow() override;

  // The "XP Edition" or "2k Edition" answer, asked by the application;
  // set before each opening.
  void SetEdition(int edition) { edition_ = edition; }

  // `TChooseOS` and the preview of this Windows (`TLogoXPPreview` or
  // `TLogo2kPreview`), created with this window.
  ChooseOsWindow& Chooser() const { return *chooser_; }
  BootPreviewWindow& Preview() const { return *preview_; }

 protected:
  const char* ClassName() const override { return "TLogoXP2kMgr"; }
  ui::FormSpec Spec() const override;
  void FormCreate() override;
  // Reads boot.ini and the current entry's logo afresh.
  void LoadOnOpening() override;

 private:
  static const ui::ControlDef<BootLogoWindow> kControls[];

  // Handlers, bound by the control table.
  void ChangeLogoClick(ui::Control& sender);
  void PreviewClick(ui::Control& sender);
  void ChangeOsClick(ui::Control& sender);
  void bChangeColourClick(ui::Control& sender);
  void bOKClick(ui::Control& sender) override;
  void RestoreClick(ui::Control& sender);

  bool IsXP() const;
  const BootEntry* CurrentEntry() const { return ini_.Entry(current_); }
  // The current entry's logo from its kernel into `bmp`.
  void LoadCurrentLogo();
  // OK and Restore are refused for the rest of this opening.
  void RefuseWriting();

  BootLogoMachine machine_;
  BootIni ini_;
  int edition_ = 0;
  int current_ = 1;
  bool logoChanged_ = false;
  bool writingRefused_ = false;
  std::string logoFile_;
  BootPalette palette_{};
  ui::Image* bmp = nullptr;
  ui::Label* os = nullptr;
  ui::Button* bResize = nullptr;
  ui::ColourSwatch* bColour = nullptr;
  ui::Control* bOK = nullptr;
  ui::Control* bCancel = nullptr;
  ui::Control* bRestore = nullptr;
  ui::Control* bPreview = nullptr;
  std::unique_ptr<ChooseOsWindow> chooser_;
  std::unique_ptr<BootPreviewWindow> preview_;
};

}  // namespace logos
