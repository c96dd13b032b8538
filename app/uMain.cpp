#include "app/uMain.h"

#include <string>

#include "app/Constants.h"
#include "app/SingleInstance.h"
#include "app/uAbout.h"
#include "controls/GradLabel.h"
#include "controls/myGrdBtn.h"
#include "help/HelpTopic.h"
#include "startbutton/uSBmgr.h"
#include "ui/Application.h"
#include "ui/Colours.h"
#include "ui/Label.h"
#include "ui/MessageBox.h"
#include "win/ProgramIdentity.h"
#include "win/SystemFacts.h"

namespace {

constexpr UINT_PTR kTimer1 = 1;

constexpr char kLogonDialogsOnlyMessage[] =
    "The Logon Dialogs Manager is only available for users running\r\nWindows 2000 and Windows "
    "XP.";

const MainDescription kDescriptions[] = {
    {"Welcome to Quorlo", "Welcome to Quorlo - the tool to customise your computer",
     "Quorlo allows you to customise your computer making it more fun and enjoyable. To customise "
     "your computer, move your mouse over the buttons on the left to find out more.\r\n\r\nHave "
     "fun!"},
    {"Start Menu Manager", "Start Menu Manager - Configure and customise your Start Menu",
     "Use the Start Menu Manager to configure and customise your Start Menu. Version 4 of Quorlo "
     "allows you to have unlimited characters in any Start Menu item, make any item a separator, "
     "remove any item from the Start Menu, and add new items, such as separators, to the "
     "menu.\r\n\r\nWindows XP users can also configure and customise their new-look Windows XP "
     "Start Menu."},
    {"Start Button Manager", "Start Button Manager - Configure and customise your Start Button",
     "Use the Start Button Manager to configure and customise your Start Button. With the "
     "manager, you can customise the word 'Start', the tooltip 'Click here to begin', and the "
     "right-click menu of the Start Button. New abilities in version 4 allows you to have "
     "unlimited text length, and change the Windows XP Start Button Icon."},
    {"Icon Manager", "Icon Manager - Customise your shell icons",
     "Use the Icon Manager to customise your system's icons. With it, you can change the icons "
     "found on the Desktop, in My Computer and Control Panel, and many more."},
    {"Logos Manager", "Logos Manager - Customise the startup/shut down logos",
     "Use the Logos Manager to customise the logos you see when you start and shut down your "
     "computer. New features in version 4 include smart dithering, smooth resizing, palette "
     "optimisation and animation."},
    {"Logon Dialogs Manager", "Logon Dialogs Manager - Customise the logon dialogs",
     "Use the Logon Dialogs Manger to customise the Logon Dialogs you see when you logon to your "
     "computer. Options available are to change the pictures shown on the dialogs and the "
     "animated bar.\r\n\r\nNote: This tool is only available on Windows 2000/XP."},
    {"About Quorlo", "About Quorlo - Version information and contact details",
     "Feel free to contact the author about anything to do with Quorlo, visit the Quorlo web site "
     "to see whats new, see what version of Quorlo you have, and other links."},
};

const ui::ControlDef<TfMain> kControls[] = {
    {ui::Kind::kLabel, "Label2", 70, 7, 0, 0, " - the tool to customise your computer", "", 0,
     nullptr},
    {ui::Kind::kHeading, "APHeadLabel1", 1, 26, 273, 239, "", "", kWelcomeTag, &TfMain::MainClick},
    {ui::Kind::kGradButton, "bSMmgr", 6, 31, 121, 29, "Start Menu Manager", "", kStartMenuTag,
     &TfMain::MainClick},
    {ui::Kind::kGradButton, "bSBmgr", 6, 63, 121, 29, "Start Button Manager", "", kStartButtonTag,
     &TfMain::MainClick},
    {ui::Kind::kGradButton, "bImgr", 6, 95, 121, 29, "Icon Manager", "", kIconsTag,
     &TfMain::MainClick},
    {ui::Kind::kGradButton, "bLmgr", 6, 127, 121, 29, "Logos Manager", "", kLogosTag,
     &TfMain::MainClick},
    {ui::Kind::kGradButton, "bLDmgr", 6, 159, 121, 29, "Logon Dialogs Manager", "",
     kLogonDialogsTag, &TfMain::MainClick},
    {ui::Kind::kGradButton, "bAbout", 6, 199, 121, 29, "About Quorlo", "", kAboutTag,
     &TfMain::MainClick},
    {ui::Kind::kGradButton, "myGrdBtn1", 509, 247, 65, 16, "Quorlo Help", "", kWelcomeTag,
     &TfMain::bHelpcnrClick},
};

constexpr const char* kManagerButtons[] = {"APHeadLabel1", "bSMmgr", "bSBmgr", "bImgr",
                                           "bLmgr",        "bLDmgr", "bAbout"};

}  // namespace

const MainDescription& MainDescriptionFor(int tag) {
  if (tag < 0 || tag >= int(sizeof kDescriptions / sizeof kDescriptions[0])) {
    return kDescriptions[0];
  }
  return kDescriptions[tag];
}

TfMain::TfMain() = default;

TfMain::~TfMain() {
  // Destroyed here, while the object is still a TfMain, so FormDestroy runs.
  if (Hwnd() != nullptr) DestroyWindow(Hwnd());
}

bool TfMain::Create(HINSTANCE, int windowsVersion) {
  windowsVersion_ = windowsVersion;
  return CreateForm(nullptr);
}

ui::FormSpec TfMain::Spec() const {
  ui::FormSpec spec;
  spec.caption = win::kApplicationTitle;
  spec.clientWidth = kClientWidth;
  spec.clientHeight = kClientHeight;
  spec.title = win::kApplicationTitle;
  spec.titleName = "Label1";
  spec.hintLine = false;
  spec.helpPage = "Welcome.htm";
  return spec;
}

void TfMain::FormCreate() {
  ui::SetMainWindow(Hwnd());
  ui::SetHelpHandler([](const std::string& page) { help::ShowHelpTopic(page); });

  // Both checks always run, so an unsupported Windows without rights shows
  // both messages before the program ends.
  if (windowsVersion_ < win::kWindows95 || windowsVersion_ > win::kWindowsXP) {
    ui::ShowMessageBox(app::kUnsupportedWindowsMessage, win::kApplicationTitle, MB_ICONERROR,
                       Hwnd());
    terminationRequested_ = true;
  }
  if (!win::IsAdministrator()) {
    ui::ShowMessageBox(app::NoRightsMessage(win::CurrentUserName()), win::kApplicationTitle,
                       MB_ICONERROR, Hwnd());
    terminationRequested_ = true;
  }
  InstallInstanceHandler(Hwnd());

  // The heading of the main window runs from light blue at the top to white.
  auto& topgr = Get<controls::TAPHeadLabel>("topgr");
  topgr.Gradient().SetStyle(controls::gsTop);

  // Behind the texts: a white ellipse and square, and a line under the title.
  const COLORREF line = ui::kHeadingBlue;
  AddShape("Shape1", {ui::Shape::Kind::kEllipse, {150, 28, 577, 98}, RGB(255, 255, 255)});
  AddShape("Shape2", {ui::Shape::Kind::kRectangle, {160, 96, 554, 240}, RGB(255, 255, 255)});
  AddShape("Shape3", {ui::Shape::Kind::kHorizontalLine, {300, 62, 563, 63}, line});

  Build(this, kControls);
  // The heading, the icon and both title labels drag the window.
  Get<controls::TAPHeadLabel>("topgr").SetFormMove(false);
  for (const char* name : {"topgr", "imgIcon", "Label1", "Label2"}) {
    ui::Control& control = Get<ui::Control>(name);
    control.SetDragsWindow(false);
    control.onMouseDown = [this](ui::Control& sender, ui::MouseButton button, int, int) {
      if (button == ui::MouseButton::kLeft) topgrMouseDown(sender);
    };
  }

  auto& panel = Get<controls::TAPHeadLabel>("APHeadLabel1");
  panel.Gradient().SetStyle(controls::gsTop);

  ui::FontSpec titleSpec;
  titleSpec.face = "Arial";
  titleSpec.pixels = 16;
  titleSpec.bold = true;
  titleFont_ = ui::MakeFont(titleSpec);
  ui::FontSpec textSpec;
  textSpec.pixels = 13;
  textFont_ = ui::MakeFont(textSpec);

  ui::Label::Options right;
  right.alignment = controls::taRight;
  auto title = std::make_unique<ui::Label>();
  title->Create(Hwnd(), "", 563, 38, 0, 0, right);
  title->SetFont(titleFont_);
  lTitle_ = static_cast<ui::Label*>(&Adopt(std::move(title), "lTitle"));
  auto subTitle = std::make_unique<ui::Label>();
  subTitle->Create(Hwnd(), "", 562, 72, 0, 0, right);
  subTitle->SetFont(textFont_);
  lSubTitle_ = static_cast<ui::Label*>(&Adopt(std::move(subTitle), "lSubTitle"));
  ui::Label::Options info;
  info.wordWrap = true;
  info.autoSize = false;
  // Opaque, so a new description does not flicker over what lies beneath.
  info.transparent = false;
  auto infoLabel = std::make_unique<ui::Label>();
  infoLabel->Create(Hwnd(), "", 168, 102, 377, 131, info);
  infoLabel->SetFont(textFont_);
  lInfo_ = static_cast<ui::Label*>(&Adopt(std::move(infoLabel), "lInfo"));

  for (const char* name : kManagerButtons) {
    Find(name)->onMouseMove = [this](ui::Control& sender, ui::MouseButton, int, int) {
      bImgrMouseMove(sender);
    };
  }
  for (const char* name : {"bSMmgr", "bSBmgr", "bImgr", "bLmgr", "bLDmgr", "bAbout"}) {
    Get<controls::TmyGrdBtn>(name).SetAlignment(controls::taCenter);
  }

  ShowTexts(0);
  SetTimer(Hwnd(), kTimer1, 1000, nullptr);
}

void TfMain::FormDestroy() {
  KillTimer(Hwnd(), kTimer1);
  RemoveInstanceHandler(Hwnd());
  ui::SetMainWindow(nullptr);
  PostQuitMessage(0);
}

LRESULT TfMain::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_TIMER && wParam == kTimer1) {
    Timer1Timer();
    return 0;
  }
  return Form::WndProc(msg, wParam, lParam);
}

void TfMain::ShowTexts(int tag) {
  const MainDescription& texts = MainDescriptionFor(tag);
  lTitle_->SetCaption(texts.title);
  lSubTitle_->SetCaption(texts.subTitle);
  lInfo_->SetCaption(texts.info);
}

void TfMain::bImgrMouseMove(ui::Control& sender) {
  UpdateWindow(Hwnd());
  ShowTexts(sender.Tag());
}

void TfMain::MainClick(ui::Control& sender) {
  switch (sender.Tag()) {
    case kStartButtonTag:
      if (!fSBmgr_) {
        fSBmgr_ = std::make_unique<TSBmgr>();
        if (!fSBmgr_->CreateForm(Hwnd())) {
          fSBmgr_.reset();
          break;
        }
      }
      fSBmgr_->Execute();
      break;
    case kLogonDialogsTag:
      if (windowsVersion_ != win::kWindows2000 && windowsVersion_ != win::kWindowsXP) {
        ui::ShowMessageBox(kLogonDialogsOnlyMessage, Text(), MB_ICONINFORMATION, Hwnd());
      }
      break;
    case kAboutTag:
      if (!fAbout_) {
        fAbout_ = std::make_unique<TfAbout>();
        if (!fAbout_->CreateForm(Hwnd())) {
          fAbout_.reset();
          break;
        }
      }
      fAbout_->ShowModal();
      break;
    default:
      // The other managers open here once they are part of the program.
      break;
  }
}

void TfMain::topgrMouseDown(ui::Control& sender) {
  ui::DragWindow(sender.Hwnd());
}

void TfMain::bHelpcnrClick(ui::Control&) {
  help::ShowHelpTopic("Welcome.htm");
}

void TfMain::bMinClick(ui::Control&) {
  ui::MinimizeApplication();
}

void TfMain::bCloseClick(ui::Control&) {
  Close();
}

void TfMain::Timer1Timer() {
  ui::ProcessMessages();
}
