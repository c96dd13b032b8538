#include "icons/IconProgressWindow_win.h"

#include <algorithm>
#include <utility>

#include "ui/GradientLabel.h"
#include "ui/Application.h"
#include "ui/Image.h"
#include "ui/StandardControls.h"

namespace icons {

namespace {

constexpr UINT_PTR kTimer1 = 1;
// Starts the work when the window was shown without being activated (the
// program was not in front): the reading must never wait for the user.
constexpr UINT_PTR kStartTimer = 2;

}  // namespace

// This window's heading has no buttons; its icon and caption drag it.
const ui::ControlDef<IconProgressWindow> IconProgressWindow::kControls[] = {
    {ui::Kind::kHeading, "topgr", 0, 0, kClientWidth, 25, "", "", 0},
    {ui::Kind::kImage, "imgIcon", 7, 5, 16, 16, "", "", 0},
    {ui::Kind::kBoldLabel, "lCaption", 30, 6, 0, 0, "Icon Manager", "", 0},
    {ui::Kind::kLabel, "lRetrieving", 12, 36, 0, 0, "Retrieving icon settings...", "", 0},
    {ui::Kind::kProgress, "ProgressBar1", 12, 56, kClientWidth - 24, 16, "", "", 0, nullptr,
     ui::Bind<&IconProgressWindow::ProgressBar1>},
};

ui::FormSpec IconProgressWindow::Spec() const {
  ui::FormSpec spec;
  spec.caption = "Icon Manager";
  spec.clientWidth = kClientWidth;
  spec.clientHeight = kClientHeight;
  spec.frame = false;
  spec.hintLine = false;
  return spec;
}

void IconProgressWindow::FormCreate() {
  Build(this, kControls);
  if (!ProgressBar1) return;
  static_cast<ui::GradientLabel&>(*Find("topgr")).SetFormMove(true);
  auto& icon = Get<ui::Image>("imgIcon");
  icon.SetIcon(ui::LoadProgramSmallIcon());
  icon.SetDragsWindow(true);
  Find("lCaption")->SetDragsWindow(true);
  ProgressBar1->SetSmooth(true);
}

void IconProgressWindow::Run(Work work) {
  work_ = std::move(work);
  StartTimer(kStartTimer, 1);
  ShowModal();
  StopTimer(kStartTimer);
  work_ = nullptr;
}

void IconProgressWindow::FormActivate() {
  DoWork();
}

void IconProgressWindow::DoWork() {
  // Activations after the first (a message box of another program coming
  // and going) find no work left.
  if (!work_) return;
  StopTimer(kStartTimer);
  const Work work = std::move(work_);
  work_ = nullptr;
  ProgressBar1->SetRange(0, kBarMaximum);
  ProgressBar1->SetPosition(0);
  work([this] { Advance(); });
  // Closing inside the activation would end the modal showing before the
  // window's own activation has finished; the timer closes it just after.
  StartTimer(kTimer1, 1);
}

void IconProgressWindow::Advance() {
  ProgressBar1->SetPosition(std::min(ProgressBar1->Position() + 1, kBarMaximum));
  RedrawWindow(Hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void IconProgressWindow::OnTimer(UINT_PTR id) {
  if (id == kTimer1) Timer1Timer();
  if (id == kStartTimer) DoWork();
}

void IconProgressWindow::Timer1Timer() {
  StopTimer(kTimer1);
  CloseWith(ui::mrOk);
}

}  // namespace icons
