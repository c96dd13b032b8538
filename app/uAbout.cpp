#include "app/uAbout.h"

#include <shellapi.h>

#include "app/AboutLinks.h"
#include "app/AboutLogo.h"
#include "app/Utils.h"
#include "controls/GradLabel.h"
#include "controls/myGrdBtn.h"
#include "core/Version.h"
#include "ui/Application.h"
#include "ui/Image.h"

namespace {

constexpr char kMailHint[] =
    "Click to e-mail the author. Feel free to contact the author about anything to do with "
    "Quorlo.";

const ui::ControlDef<TfAbout> kControls[] = {
    {ui::Kind::kLabel, "l1", 16, 62, 0, 0, "version:", "", 0, nullptr},
    {ui::Kind::kLabel, "lVersion", 90, 62, 0, 0, QUORLO_VERSION_TEXT,
     "This is the version of Quorlo you currently have.", 0, nullptr},
    {ui::Kind::kLabel, "l2", 16, 80, 0, 0, "released:", "", 0, nullptr},
    {ui::Kind::kLabel, "lReleased", 90, 80, 0, 0, "1 January 2003",
     "This is the date that this version of Quorlo was released.", 0, nullptr},
    {ui::Kind::kLabel, "l3", 16, 114, 0, 0, "author:", "", 0, nullptr},
    {ui::Kind::kLinkButton, "bName", 88, 112, 200, 16, kAuthorName, kMailHint, 0,
     &TfAbout::mailClick},
    {ui::Kind::kLabel, "l5", 16, 134, 0, 0, "e-mail:", "", 0, nullptr},
    {ui::Kind::kLinkButton, "mail", 88, 132, 200, 16, kAuthorMail, kMailHint, 0,
     &TfAbout::mailClick},
    {ui::Kind::kLabel, "l6", 16, 154, 0, 0, "web site:", "", 0, nullptr},
    {ui::Kind::kLinkButton, "web1", 88, 152, 200, 16, kWebHost,
     "Click to visit the Quorlo web site, where you can find the latest version, updates, and "
     "information.",
     0, &TfAbout::web1Click},
    {ui::Kind::kLabel, "l7", 16, 174, 0, 0, "other links:", "", 0, nullptr},
    {ui::Kind::kLinkButton, "otherlinks", 88, 172, 200, 16, "Other links",
     "Other links for Quorlo and contact details.", 0, &TfAbout::otherlinksClick},
};

void OpenWithShell(HWND owner, const std::string& address) {
  // Nothing is reported when no mail program or browser is registered.
  ShellExecuteA(owner, "open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace

ui::FormSpec TfAbout::Spec() const {
  ui::FormSpec spec;
  spec.caption = "Quorlo - About";
  spec.clientWidth = kClientWidth;
  spec.clientHeight = kClientHeight;
  // The logo takes the heading's place; the buttons stay.
  spec.frame = true;
  spec.hintLine = true;
  spec.formHint = "Watch this space for useful information and tips.";
  spec.helpPage = "About Quorlo.htm";
  spec.closeHint = "Closes Quorlo - About";
  return spec;
}

void TfAbout::FormCreate() {
  // The frame's heading, icon and title give way to the logo and `a`.
  for (const char* name : {"topgr", "imgIcon", "lCaption"}) {
    if (ui::Control* control = Find(name)) control->SetVisible(false);
  }
  auto& logo = *static_cast<ui::Image*>(
      CreateControl(ui::Kind::kImage, "l4", 0, 0, kAboutLogoWidth, kAboutLogoHeight, "", "", 0));
  logo.SetBitmap(DrawAboutLogo());
  logo.onMouseDown = [this](ui::Control& sender, ui::MouseButton button, int, int) {
    if (button == ui::MouseButton::kLeft) l4MouseDown(sender);
  };
  auto& a = *static_cast<controls::TAPHeadLabel*>(CreateControl(
      ui::Kind::kHeading, "a", kAboutLogoWidth, 0, kClientWidth - kAboutLogoWidth, 50, "", "", 0));
  a.Gradient().SetColorSteps(128);
  a.Gradient().SetStartColor(14994353);
  a.Gradient().SetEndColor(controls::clWhite);
  a.Gradient().SetStyle(controls::gsRight);
  a.SetBoundLines(0);
  a.onMouseDown = [this](ui::Control& sender, ui::MouseButton button, int, int) {
    if (button == ui::MouseButton::kLeft) l4MouseDown(sender);
  };

  const COLORREF frame = RGB(177, 203, 228);
  AddShape("Line1",
           {ui::Shape::Kind::kHorizontalLine, {0, 50, kClientWidth, 51}, RGB(128, 128, 128)});
  AddShape("Bevel1", {ui::Shape::Kind::kRectangle, {8, 56, kClientWidth - 8, 100}, frame});
  AddShape("Bevel2", {ui::Shape::Kind::kRectangle, {8, 106, kClientWidth - 8, 194}, frame});
  Build(this, kControls);
  for (const char* name : {"bName", "mail", "web1", "otherlinks"}) {
    Get<controls::TmyGrdBtn>(name).SetHandCursor(true);
  }
}

void TfAbout::FormActivate() {
  ui::ProcessMessages();
}

void TfAbout::l4MouseDown(ui::Control& sender) {
  ui::DragWindow(sender.Hwnd());
}

void TfAbout::mailClick(ui::Control&) {
  OpenWithShell(Hwnd(), MailLinkFor(Get<controls::TmyGrdBtn>("mail").Text()));
}

void TfAbout::web1Click(ui::Control&) {
  OpenWithShell(Hwnd(), WebLinkFor(Get<controls::TmyGrdBtn>("web1").Text()));
}

void TfAbout::otherlinksClick(ui::Control&) {
  ShowHelpTopic("Contact.htm");
}

void TfAbout::bHelpcnrClick(ui::Control&) {
  ShowHelpTopic("About Quorlo.htm");
}
