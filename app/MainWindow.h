#pragma once
// The main window (registered as `TfMain`): the program's home, alive from
// start-up to the end. A column of gradient buttons opens the managers; the
// text on the right describes the button under the mouse. Its creation runs
// the version and rights checks; a failed check asks for the program to end
// before the window is ever shown.

#include <windows.h>

#include <memory>

#include "ui/Form.h"
#include "win/VersionRule.h"

namespace logos {
class BootLogoWindow;
class Logo9xWindow;
}  // namespace logos
namespace logon {
class LogonDialogsWindow;
}  // namespace logon
namespace icons {
class IconManagerWindow;
}
namespace startbutton {
class StartButtonWindow;
}
namespace startmenu {
class StartMenuChooser;
class StartMenuWindow;
class XPStartMenuWindow;
}  // namespace startmenu
namespace ui {
class GradientButton;
class GradientLabel;
class Label;
}  // namespace ui

namespace app {

class AboutWindow;

// The tags of the main window's buttons: the description each shows and the
// manager each opens.
enum MainTag : int {
  kWelcomeTag = 0,
  kStartMenuTag = 1,
  kStartButtonTag = 2,
  kIconsTag = 3,
  kLogosTag = 4,
  kLogonDialogsTag = 5,
  kAboutTag = 6,
};

// The texts shown for the control under the mouse, by its tag.
struct MainDescription {
  const char* title;
  const char* subTitle;
  const char* info;
};
const MainDescription& MainDescriptionFor(int tag);

class MainWindow : public ui::Form {
 public:
  static constexpr int kClientWidth = 577;
  static constexpr int kClientHeight = 266;

  MainWindow();
  ~MainWindow() override;

  // windowsVersion as WindowsVersion gives it. False when the window cannot be created.
  bool Create(HINSTANCE instance, int windowsVersion);
  HWND Handle() const { return Hwnd(); }
  // Set by a failed check during creation.
  bool TerminationRequested() const { return terminationRequested_; }

  // The manager windows, once created; nullptr before first use.
  AboutWindow* About() const { return about_.get(); }
  startbutton::StartButtonWindow* StartButton() const { return startButton_.get(); }
  startmenu::StartMenuWindow* StartMenu() const { return startMenu_.get(); }
  startmenu::StartMenuChooser* StartMenuChooser() const { return startMenuChooser_.get(); }
  startmenu::XPStartMenuWindow* XPStartMenu() const { return xpStartMenu_.get(); }
  logos::Logo9xWindow* Logos9x() const { return logos9x_.get(); }
  logos::BootLogoWindow* BootLogo() const { return bootLogo_.get(); }
  logon::LogonDialogsWindow* LogonDialogs() const { return logonDialogs_.get(); }
  icons::IconManagerWindow* IconManager() const { return iconManager_.get(); }

 protected:
  const char* ClassName() const override { return "TfMain"; }
  ui::FormSpec Spec() const override;
  void FormCreate() override;
  void FormDestroy() override;
  void OnTimer(UINT_PTR id) override;

 private:
  static const ui::ControlDef<MainWindow> kControls[];

  // Handlers, bound by the control table.
  void MainClick(ui::Control& sender);
  void bImgrMouseMove(ui::Control& sender);
  void Timer1Timer();

  void ShowTexts(int tag);
  // The Start Menu Manager button: on Windows XP the chooser first.
  void OpenStartMenuManager();
  // The classic Start Menu Manager `TSMmgr`.
  void OpenClassicStartMenuManager();
  // Creates the window on first use; false when Windows refuses it.
  template <class W>
  W* Open(std::unique_ptr<W>& window);

  int windowsVersion_ = win::kUnsupportedWindows;
  bool terminationRequested_ = false;
  ui::Label* Label2 = nullptr;
  ui::GradientLabel* APHeadLabel1 = nullptr;
  ui::GradientButton* bSMmgr = nullptr;
  ui::GradientButton* bSBmgr = nullptr;
  ui::GradientButton* bImgr = nullptr;
  ui::GradientButton* bLmgr = nullptr;
  ui::GradientButton* bLDmgr = nullptr;
  ui::GradientButton* bAbout = nullptr;
  ui::Label* lTitle = nullptr;
  ui::Label* lSubTitle = nullptr;
  ui::Label* lInfo = nullptr;
  ui::SharedFont titleFont_;
  ui::SharedFont textFont_;
  std::unique_ptr<AboutWindow> about_;
  std::unique_ptr<startbutton::StartButtonWindow> startButton_;
  std::unique_ptr<startmenu::StartMenuWindow> startMenu_;
  std::unique_ptr<startmenu::StartMenuChooser> startMenuChooser_;
  std::unique_ptr<startmenu::XPStartMenuWindow> xpStartMenu_;
  // The Logos Manager of this Windows: 95/98/Millennium or 2000/XP.
  std::unique_ptr<logos::Logo9xWindow> logos9x_;
  std::unique_ptr<logos::BootLogoWindow> bootLogo_;
  std::unique_ptr<logon::LogonDialogsWindow> logonDialogs_;
  std::unique_ptr<icons::IconManagerWindow> iconManager_;
};

}  // namespace app
