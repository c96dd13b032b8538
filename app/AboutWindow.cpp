#include "app/AboutWindow.h"

#include <shellapi.h>

#include "app/AboutLinks.h"
#include "app/AboutLogo.h"
#include "controls/Colours.h"
#include "core/Version.h"
#include "ui/Application.h"
#include "ui/GradientButton.h"
#include "ui/GradientLabel.h"
#include "ui/Image.h"
#include "win/MessagePump.h"

namespace app {

namespace {

constexpr char kMailHint[] =
    "Click to e-mail the author. Feel free to contact the author about anything to do with "
    "Quorlo.";

void OpenWithShell(HWND owner, const std::string& address) {
  // Nothing is reported when no mail program or browser is registered.
  ShellExecuteA(owner, "open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace

const ui::ControlDef<AboutWindow> AboutWindow::kControls[] = {
    // The logo and `a` take the frame heading's place; the frame's buttons stay.
    {ui::Kind::kImage, "l4", 0, 0, kAboutLogoWidth, kAboutLogoHeight, "", "", 0, nullptr,
     ui::Bind<&AboutWindow::l4>},
    {ui::Kind::kHeading, "a", kAboutLogoWidth, 0, kClientWidth - kAboutLogoWidth, 50, "", "", 0,
     nullptr, ui::Bind<&AboutWindow::a>},
    {ui::Kind::kLabel, "l1", 16, 62, 0, 0, "version:", "", 0},
    {ui::Kind::kLabel, "lVersion", 90, 62, 0, 0, QUORLO_VERSION_TEXT,
     "This is the version of Quorlo you currently have.", 0},
    {ui::Kind::kLabel, "l2", 16, 80, 0, 0, "released:", "", 0},
    {ui::Kind::kLabel, "lReleased", 90, 80, 0, 0, "1 January 2003",
     "This is the date that this version of Quorlo was released.", 0},
    {ui::Kind::kLabel, "l3", 16, 114, 0, 0, "author:", "", 0},
    {ui::Kind::kLinkButton, "bName", 88, 112, 200, 16, kAuthorName, kMailHint, 0,
     &AboutWindow::mailClick, ui::Bind<&AboutWindow::bName>},
    {ui::Kind::kLabel, "l5", 16, 134, 0, 0, "e-mail:", "", 0},
    {ui::Kind::kLinkButton, "mail", 88, 132, 200, 16, kAuthorMail, kMailHint, 0,
     &AboutWindow::mailClick, ui::Bind<&AboutWindow::mail>},
    {ui::Kind::kLabel, "l6", 16, 154, 0, 0, "web site:", "", 0},
    {ui::Kind::kLinkButton, "web1", 88, 152, 200, 16, kWebHost,
     "Click to visit the Quorlo web site, where you can find the latest version, updates, and "
     "information.",
     0, &AboutWindow::web1Click, ui::Bind<&AboutWindow::web1>},
    {ui::Kind::kLabel, "l7", 16, 174, 0, 0, "other links:", "", 0},
    {ui::Kind::kLinkButton, "otherlinks", 88, 172, 200, 16, "Other links",
     "Other links for Quorlo and contact details.", 0, &AboutWindow::otherlinksClick,
     ui::Bind<&AboutWindow::otherlinks>},
};

ui::FormSpec AboutWindow::Spec() const {
  ui::FormSpec spec;
  spec.caption = "Quorlo - About";
  spec.clientWidth = kClientWidth;
  spec.clientHeight = kClientHeight;
  spec.formHint = "Watch this space for useful information and tips.";
  spec.helpPage = "About Quorlo.htm";
  return spec;
}

void AboutWindow::FormCreate() {
  // The frame's heading, icon and title give way to the logo and `a`.
  for (const char* name : {"topgr", "imgIcon", "lCaption"}) Find(name)->SetVisible(false);
  Build(this, kControls);
  if (!otherlinks) return;
  // Pressing the logo or `a` drags the window, as the heading would.
  l4->SetBitmap(DrawAboutLogo());
  l4->SetDragsWindow(true);
  a->SetFormMove(true);
  a->Gradient().SetColorSteps(128);
  a->Gradient().SetStartColor(controls::kHeadingBlue);
  a->Gradient().SetEndColor(controls::clWhite);
  a->Gradient().SetStyle(controls::gsRight);
  a->SetBoundLines(0);

  const COLORREF frame = COLORREF(controls::kHeadingBlue);
  AddShape("Line1",
           {ui::Shape::Kind::kHorizontalLine, {0, 50, kClientWidth, 51}, RGB(128, 128, 128)});
  AddShape("Bevel1", {ui::Shape::Kind::kRectangle, {8, 56, kClientWidth - 8, 100}, frame});
  AddShape("Bevel2", {ui::Shape::Kind::kRectangle, {8, 106, kClientWidth - 8, 194}, frame});
}

void AboutWindow::FormActivate() {
  win::ProcessMessages();
}

void AboutWindow::mailClick(ui::Control&) {
  OpenWithShell(Hwnd(), MailLinkFor(mail->Text()));
}

void AboutWindow::web1Click(ui::Control&) {
  OpenWithShell(Hwnd(), WebLinkFor(web1->Text()));
}

void AboutWindow::otherlinksClick(ui::Control&) {
  ui::ShowHelpPage("Contact.htm");
}

}  // namespace app
