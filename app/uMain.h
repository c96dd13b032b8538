#pragma once
// The main window: the program's home, alive from start-up to the end. A
// column of gradient buttons opens the managers; the text on the right
// describes the button under the mouse. Its creation runs the version and
// rights checks; a failed check asks for the program to end before the
// window is ever shown.

#include <windows.h>

#include <memory>

#include "ui/Form.h"
#include "win/VersionRule.h"

class TfAbout;
class TSBmgr;
namespace ui {
class Label;
}

// The tags of the main window's buttons: which texts each shows under the
// mouse and which window it opens. The heading and the help button show the
// welcome.
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

class TfMain : public ui::Form {
 public:
  static constexpr int kClientWidth = 577;
  static constexpr int kClientHeight = 266;

  TfMain();
  ~TfMain() override;

  // windowsVersion as WindowsVersion gives it. False when the window cannot be created.
  bool Create(HINSTANCE instance, int windowsVersion);
  HWND Handle() const { return Hwnd(); }
  // Set by a failed check during creation.
  bool TerminationRequested() const { return terminationRequested_; }

  // The manager windows, once created; nullptr before first use.
  TfAbout* About() const { return fAbout_.get(); }
  TSBmgr* SBmgr() const { return fSBmgr_.get(); }

 protected:
  const char* ClassName() const override { return "TfMain"; }
  ui::FormSpec Spec() const override;
  void FormCreate() override;
  void FormDestroy() override;
  LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

 public:
  // Handlers, bound by the window's control table.
  void MainClick(ui::Control& sender);
  void bImgrMouseMove(ui::Control& sender);
  void topgrMouseDown(ui::Control& sender);
  void bHelpcnrClick(ui::Control& sender) override;
  void bMinClick(ui::Control& sender) override;
  void bCloseClick(ui::Control& sender) override;
  void Timer1Timer();

 protected:
 private:
  void ShowTexts(int tag);

  int windowsVersion_ = win::kUnsupportedWindows;
  bool terminationRequested_ = false;
  ui::Label* lTitle_ = nullptr;
  ui::Label* lSubTitle_ = nullptr;
  ui::Label* lInfo_ = nullptr;
  ui::SharedFont titleFont_;
  ui::SharedFont textFont_;
  std::unique_ptr<TfAbout> fAbout_;
  std::unique_ptr<TSBmgr> fSBmgr_;
};
