#pragma once
// The 9x/ME Logos Manager (registered as `TLogo9xMgr`): the start-up logo
// and the two shut-down logos of Windows 95, 98 and Millennium on a tab
// each (Millennium has no "Shut down in progress" logo), changed with a
// picture of the user's, restored from the backups made at the first
// opening or (start-up logo) to Windows' own, previewed full screen, and
// written on OK.

#include <array>
#include <memory>

#include "logos/Logo9xFiles_win.h"
#include "ui/Form.h"

namespace ui {
class Button;
class ColourSwatch;
class Edit;
class Image;
class UpDown;
}  // namespace ui

namespace logos {

class Logo9xPreviewWindow;

class Logo9xWindow : public ui::Form {
 public:
  static constexpr int kClientWidth = 420;
  static constexpr int kClientHeight = 382;
  // 177 x 132, each logo shown stretched.
  static constexpr int kPictureWidth = 177;
  static constexpr int kPictureHeight = 132;

  // This machine's logo folders, and the program's folder for the backups.
  Logo9xWindow();
  explicit Logo9xWindow(Logo9xFolders folders);
  ~Logo9xWindow() override;

  // `TLogo9xPreview`, created with this window.
  Logo9xPreviewWindow& Preview() const { return *preview_; }

 protected:
  const char* ClassName() const override { return "TLogo9xMgr"; }
  ui::FormSpec Spec() const override;
  // Makes the backups once, as the first window of the run is created.
  void FormCreate() override;
  // Shows the logos on disk; marks of an earlier opening are gone.
  void LoadOnOpening() override;

 private:
  static const ui::ControlDef<Logo9xWindow> kPageControls[];
  static const ui::ControlDef<Logo9xWindow> kWaitPageControls[];
  static const ui::ControlDef<Logo9xWindow> kOptionControls[];

  // Handlers, bound by the control tables; the tag is the logo's number.
  void bChange1Click(ui::Control& sender);
  void bRestore1Click(ui::Control& sender);
  void bPreview1Click(ui::Control& sender);
  void WinDefClick(ui::Control& sender);
  void bChangeColourClick(ui::Control& sender);
  void bOKClick(ui::Control& sender) override;

  bool Shown(int number) const;
  // The logo's picture, enabling its "Preview..."; false when it is not a
  // bitmap Windows reads.
  bool ShowFile(int number, const std::string& path);
  // "Windows Default" (start-up logo) or "Logo not found!", no preview.
  void ShowMissing(int number);
  int AnimatedColours() const;

  Logo9xFolders folders_;
  Logo9xChanges changes_;
  std::array<ui::Image*, kLogoFileCount> pictures_{};
  std::array<ui::Control*, kLogoFileCount> previewButtons_{};
  ui::Image* logo1 = nullptr;
  ui::Image* logo2 = nullptr;
  ui::Image* logo3 = nullptr;
  ui::Control* bPreview1 = nullptr;
  ui::Control* bPreview2 = nullptr;
  ui::Control* bPreview3 = nullptr;
  ui::Button* bResize = nullptr;
  ui::Edit* RotateColour = nullptr;
  ui::UpDown* rotateArrows_ = nullptr;
  ui::ColourSwatch* bColour = nullptr;
  ui::Control* bOK = nullptr;
  ui::Control* bCancel = nullptr;
  std::unique_ptr<Logo9xPreviewWindow> preview_;
};

}  // namespace logos
