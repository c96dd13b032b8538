#include "app/MainWindow.h"

#include <string>

#include "app/AboutWindow.h"
#include "app/Constants.h"
#include "app/SingleInstance.h"
#include "app/StartBanner.h"
#include "app/u2kEdition.h"
#include "app/uXPEdition.h"
#include "controls/Colours.h"
#include "help/HelpTopic.h"
#include "icons/IconManagerWindow_win.h"
#include "logon/LogonDialogsWindow_win.h"
#include "logos/BootLogoWindow_win.h"
#include "logos/Logo9xWindow_win.h"
#include "startbutton/StartButtonWindow.h"
#include "startmenu/StartMenuChooser_win.h"
#include "startmenu/StartMenuWindow_win.h"
#include "startmenu/XPStartMenuWindow_win.h"
#include "ui/Application.h"
#include "ui/GradientButton.h"
#include "ui/GradientLabel.h"
#include "ui/Label.h"
#include "ui/MessageBox.h"
#include "win/MessagePump.h"
#include "win/ProgramIdentity.h"
#include "win/SystemFacts.h"

namespace app {

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

}  // namespace

const ui::ControlDef<MainWindow> MainWindow::kControls[] = {
    {ui::Kind::kLabel, "Label2", 70, 7, 0, 0, " - the tool to customise your computer", "", 0,
     nullptr, ui::Bind<&MainWindow::Label2>},
    {ui::Kind::kHeading, "APHeadLabel1", 1, 26, 273, 239, "", "", kWelcomeTag,
     &MainWindow::MainClick, ui::Bind<&MainWindow::APHeadLabel1>, nullptr,
     &MainWindow::bImgrMouseMove},
    {ui::Kind::kGradButton, "bSMmgr", 6, 31, 121, 29, "Start Menu Manager", "", kStartMenuTag,
     &MainWindow::MainClick, ui::Bind<&MainWindow::bSMmgr>, nullptr, &MainWindow::bImgrMouseMove},
    {ui::Kind::kGradButton, "bSBmgr", 6, 63, 121, 29, "Start Button Manager", "", kStartButtonTag,
     &MainWindow::MainClick, ui::Bind<&MainWindow::bSBmgr>, nullptr, &MainWindow::bImgrMouseMove},
    {ui::Kind::kGradButton, "bImgr", 6, 95, 121, 29, "Icon Manager", "", kIconsTag,
     &MainWindow::MainClick, ui::Bind<&MainWindow::bImgr>, nullptr, &MainWindow::bImgrMouseMove},
    {ui::Kind::kGradButton, "bLmgr", 6, 127, 121, 29, "Logos Manager", "", kLogosTag,
     &MainWindow::MainClick, ui::Bind<&MainWindow::bLmgr>, nullptr, &MainWindow::bImgrMouseMove},
    {ui::Kind::kGradButton, "bLDmgr", 6, 159, 121, 29, "Logon Dialogs Manager", "",
     kLogonDialogsTag, &MainWindow::MainClick, ui::Bind<&MainWindow::bLDmgr>, nullptr,
     &MainWindow::bImgrMouseMove},
    {ui::Kind::kGradButton, "bAbout", 6, 199, 121, 29, "About Quorlo", "", kAboutTag,
     &MainWindow::MainClick, ui::Bind<&MainWindow::bAbout>, nullptr, &MainWindow::bImgrMouseMove},
    {ui::Kind::kGradButton, "myGrdBtn1", 509, 247, 65, 16, "Quorlo Help", "", 0,
     &MainWindow::bHelpcnrClick},
    {ui::Kind::kRightLabel, "lTitle", 563, 38, 0, 0, "", "", 0, nullptr,
     ui::Bind<&MainWindow::lTitle>},
    {ui::Kind::kRightLabel, "lSubTitle", 562, 72, 0, 0, "", "", 0, nullptr,
     ui::Bind<&MainWindow::lSubTitle>},
    {ui::Kind::kWrapLabel, "lInfo", 168, 102, 377, 131, "", "", 0, nullptr,
     ui::Bind<&MainWindow::lInfo>},
};

const MainDescription& MainDescriptionFor(int tag) {
  if (tag < 0 || tag >= int(sizeof kDescriptions / sizeof kDescriptions[0])) {
    return kDescriptions[0];
  }
  return kDescriptions[tag];
}

MainWindow::MainWindow() = default;

MainWindow::~MainWindow() = default;

bool MainWindow::Create(HINSTANCE, int windowsVersion) {
  windowsVersion_ = windowsVersion;
  return CreateForm(nullptr);
}

ui::FormSpec MainWindow::Spec() const {
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

void MainWindow::FormCreate() {
  ui::SetMainWindow(Hwnd());
  ui::SetHelpHandler([](const std::string& page) {
    const core::Outcome shown = help::ShowHelpTopic(page);
    if (!shown.ok) ui::ShowMessageBox(shown.message, win::kApplicationTitle, MB_ICONERROR, nullptr);
  });

  // Both checks always run, so an unsupported Windows without rights shows
  // both messages before the program ends.
  if (windowsVersion_ < win::kWindows95 || windowsVersion_ > win::kWindowsXP) {
    ShowError(kUnsupportedWindowsMessage);
    terminationRequested_ = true;
  }
  if (!win::IsAdministrator()) {
    ShowError(NoRightsMessage(win::CurrentUserName()));
    terminationRequested_ = true;
  }
  InstallInstanceHandler(Hwnd());

  // Behind the texts: a white ellipse and square, and a line under the title.
  const COLORREF line = controls::kHeadingBlue;
  AddShape("Shape1", {ui::Shape::Kind::kEllipse, {150, 28, 577, 98}, RGB(255, 255, 255)});
  AddShape("Shape2", {ui::Shape::Kind::kRectangle, {160, 96, 554, 240}, RGB(255, 255, 255)});
  AddShape("Shape3", {ui::Shape::Kind::kHorizontalLine, {300, 62, 563, 63}, line});

  Build(this, kControls);
  if (!lInfo) return;
  // The heading of the main window and its panel run from light blue at the top to white.
  Heading()->Gradient().SetStyle(controls::gsTop);
  APHeadLabel1->Gradient().SetStyle(controls::gsTop);
  // The title beside the heading's drags the window like it.
  Label2->SetDragsWindow(true);
  for (ui::GradientButton* button : {bSMmgr, bSBmgr, bImgr, bLmgr, bLDmgr, bAbout}) {
    button->SetAlignment(controls::taCenter);
  }

  ui::FontSpec titleSpec;
  titleSpec.face = "Arial";
  titleSpec.pixels = 16;
  titleSpec.bold = true;
  titleFont_ = ui::MakeFont(titleSpec);
  ui::FontSpec textSpec;
  textSpec.pixels = 13;
  textFont_ = ui::MakeFont(textSpec);
  lTitle->SetFont(titleFont_);
  lSubTitle->SetFont(textFont_);
  lInfo->SetFont(textFont_);
  // Opaque, so a new description does not flicker over what lies beneath.
  lInfo->SetTransparent(false);

  ShowTexts(kWelcomeTag);
  StartTimer(kTimer1, 1000);
}

void MainWindow::FormDestroy() {
  StopTimer(kTimer1);
  RemoveInstanceHandler(Hwnd());
  ui::SetMainWindow(nullptr);
  PostQuitMessage(0);
}

void MainWindow::OnTimer(UINT_PTR id) {
  if (id == kTimer1) Timer1Timer();
}

void MainWindow::ShowTexts(int tag) {
  const MainDescription& texts = MainDescriptionFor(tag);
  lTitle->SetCaption(texts.title);
  lSubTitle->SetCaption(texts.subTitle);
  lInfo->SetCaption(texts.info);
}

void MainWindow::bImgrMouseMove(ui::Control& sender) {
  UpdateWindow(Hwnd());
  ShowTexts(sender.Tag());
}

template <class W>
W* MainWindow::Open(std::unique_ptr<W>& window) {
  if (!window) {
    window = std::make_unique<W>();
    if (!window->CreateForm(Hwnd())) window.reset();
  }
  return window.get();
}

void MainWindow::MainClick(ui::Control& sender) {
  switch (sender.Tag()) {
    case kStartMenuTag:
      OpenStartMenuManager();
      break;
    case kStartButtonTag:
      if (auto* window = Open(startButton_)) window->Execute();
      break;
    case kIconsTag:
      if (auto* window = Open(iconManager_)) window->Execute();
      break;
    case kLogosTag:
      if (windowsVersion_ >= win::kWindows95 && windowsVersion_ <= win::kWindowsMillennium) {
        if (auto* window = Open(logos9x_)) window->Execute();
      } else if (windowsVersion_ == win::kWindows2000 || windowsVersion_ == win::kWindowsXP) {
        if (auto* window = Open(bootLogo_)) {
          window->SetEdition(windowsVersion_ == win::kWindowsXP ? GetXPEdition()
                                                                : Get2000Edition());
          window->Execute();
        }
      }
      break;
    case kLogonDialogsTag: {
      if (windowsVersion_ != win::kWindows2000 && windowsVersion_ != win::kWindowsXP) {
        ShowInformation(kLogonDialogsOnlyMessage);
        break;
      }
      // The edition picks the library's bitmaps; asked here, before the
      // manager shows, the first time it is not known.
      const int edition = windowsVersion_ == win::kWindowsXP ? GetXPEdition() : Get2000Edition();
      if (!logonDialogs_) {
        auto window = std::make_unique<logon::LogonDialogsWindow>(windowsVersion_);
        if (window->CreateForm(Hwnd())) logonDialogs_ = std::move(window);
      }
      if (logonDialogs_) {
        logonDialogs_->SetEdition(edition);
        logonDialogs_->Execute();
      }
      break;
    }
    case kAboutTag:
      if (auto* window = Open(about_)) window->ShowModal();
      break;
    default:
      // The heading (welcome tag) opens nothing.
      break;
  }
}

void MainWindow::OpenStartMenuManager() {
  if (windowsVersion_ == win::kWindowsXP) {
    startmenu::StartMenuChooser* chooser = Open(startMenuChooser_);
    if (chooser == nullptr) return;
    // "XP Start Menu" opens the XP manager and nothing else; any other
    // answer is the classic manager's.
    if (chooser->ShowModal() == startmenu::StartMenuChooser::kXPStartMenu) {
      if (auto* window = Open(xpStartMenu_)) window->Execute();
      return;
    }
  }
  OpenClassicStartMenuManager();
}

void MainWindow::OpenClassicStartMenuManager() {
  if (!startMenu_) {
    // The window needs the banner's id before it exists: its display copy.
    startMenu_ = std::make_unique<startmenu::StartMenuWindow>(uint32_t(StartBannerBitmapId()));
    if (!startMenu_->CreateForm(Hwnd())) startMenu_.reset();
  }
  if (startMenu_) startMenu_->Execute();
}

void MainWindow::Timer1Timer() {
  win::ProcessMessages();
}

}  // namespace app
