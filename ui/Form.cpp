#include "ui/Form.h"

#include <algorithm>
#include <iterator>

#include "controls/Colours.h"
#include "ui/Application.h"
#include "ui/Containers.h"
#include "ui/GradientButton.h"
#include "ui/GradientLabel.h"
#include "ui/GradientPushButton.h"
#include "ui/Hint.h"
#include "ui/Image.h"
#include "ui/Label.h"
#include "ui/StandardControls.h"

namespace ui {

namespace {

void UseStripColors(GradientLabel& strip) {
  controls::TGradient& gradient = strip.Gradient();
  gradient.SetColorSteps(128);
  gradient.SetStartColor(controls::kHeadingBlue);
  gradient.SetEndColor(controls::clWhite);
  gradient.SetStyle(controls::gsBottom);
}

// The frame's three buttons keep their distance from the right edge on
// every window, whatever its width.
struct FrameButtonPlace {
  const char* name;
  int fromRight;
  int width;
};
constexpr FrameButtonPlace kFrameButtonPlaces[] = {
    {"bHelpcnr", 73, 16},
    {"bMin", 55, 16},
    {"bClose", 37, 34},
};

bool IsContainer(Control* control) {
  return dynamic_cast<GroupBox*>(control) != nullptr || dynamic_cast<Page*>(control) != nullptr;
}

}  // namespace

bool Form::CreateForm(HWND owner) {
  if (IsCreated()) return true;
  const FormSpec spec = Spec();
  owner_ = owner;
  formHint_ = spec.formHint;
  helpPage_ = spec.helpPage;
  buildFailure_.clear();
  font_ = MakeFont(FormFontSpec());
  FontSpec bold = FormFontSpec();
  bold.bold = true;
  boldFont_ = MakeFont(bold);

  RECT work{};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  CreateArgs args;
  args.text = spec.caption;
  // Borderless: only the system menu and minimising, as the taskbar offers them.
  args.style = WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
  args.exStyle = owner == nullptr ? WS_EX_APPWINDOW : 0;
  args.width = spec.clientWidth;
  args.height = spec.clientHeight;
  args.x = work.left + (work.right - work.left - spec.clientWidth) / 2;
  args.y = work.top + (work.bottom - work.top - spec.clientHeight) / 2;
  args.parent = owner;
  if (!Window::Create(args)) return false;
  SendMessageA(Hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
  if (spec.frame) CreateFrame(spec);
  FormCreate();
  SendHeadingsToBack();
  if (!buildFailure_.empty()) {
    // A window with a control missing would reach for it later; it is not shown at all.
    Destroy();
    controls_.clear();
    heading_ = nullptr;
    hintLine_ = nullptr;
    defaultButton_ = cancelButton_ = nullptr;
    return false;
  }
  return true;
}

void Form::CreateFrame(const FormSpec& spec) {
  const int width = spec.clientWidth;
  heading_ = static_cast<GradientLabel*>(
      CreateControl(Kind::kHeading, spec.headingName, 0, 0, width, spec.headingHeight, "", "", 0));
  if (heading_ != nullptr) heading_->SetFormMove(true);
  if (auto* icon =
          static_cast<Image*>(CreateControl(Kind::kImage, "imgIcon", 7, 6, 16, 16, "", "", 0))) {
    icon->SetIcon(LoadProgramSmallIcon());
    icon->SetDragsWindow(true);
  }
  const std::string title = spec.title.empty() ? spec.caption : spec.title;
  if (Control* label = CreateControl(Kind::kBoldLabel, spec.titleName, 30, 7, 0, 0, title, "", 0)) {
    label->SetDragsWindow(true);
  }
  struct FrameButton {
    const char* caption;
    std::string hint;
    void (Form::*handler)(Control&);
  };
  const FrameButton buttons[] = {
      {"?", spec.helpHint, &Form::bHelpcnrClick},
      {"_", spec.minimiseHint, &Form::bMinClick},
      {"Close", spec.closeHint.empty() ? "Closes " + spec.caption : spec.closeHint,
       &Form::bCloseClick},
  };
  if (spec.frameButtons) {
    for (size_t i = 0; i < std::size(buttons); ++i) {
      const FrameButton& button = buttons[i];
      const FrameButtonPlace& place = kFrameButtonPlaces[i];
      Control* control = CreateControl(Kind::kGradButton, place.name, width - place.fromRight, 5,
                                       place.width, 16, button.caption, button.hint, 0);
      if (control == nullptr) continue;
      auto handler = button.handler;
      control->onClick = [this, handler](Control& sender) { (this->*handler)(sender); };
      static_cast<GradientLabel*>(control)->SetAlignment(controls::taCenter);
      static_cast<GradientLabel*>(control)->SetMargin(0);
    }
  }
  if (spec.hintLine) {
    const int top = spec.clientHeight - spec.footerHeight;
    CreateControl(Kind::kHeading, "grd1", 0, top, width, spec.footerHeight, "", "", 0);
    const bool wraps = spec.footerHeight > kFooterHeight;
    hintLine_ = static_cast<Label*>(CreateControl(
        wraps ? Kind::kWrapLabel : Kind::kLabel, "lHint", 5, top + 4, wraps ? width - 10 : 0,
        wraps ? spec.footerHeight - 6 : 0, LongHint(formHint_), "", 0));
  }
}

void Form::SetClientSize(int width, int height) {
  if (!IsCreated()) return;
  RECT work{};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  SetBounds(work.left + (work.right - work.left - width) / 2,
            work.top + (work.bottom - work.top - height) / 2, width, height);
  // Heading and footer keep the heights the window was built with.
  if (heading_ != nullptr) {
    const RECT heading = heading_->BoundsInParent();
    heading_->SetBounds(0, 0, width, heading.bottom - heading.top);
  }
  for (const FrameButtonPlace& place : kFrameButtonPlaces) {
    if (Control* button = Find(place.name))
      button->SetBounds(width - place.fromRight, 5, place.width, 16);
  }
  if (Control* footer = Find("grd1")) {
    const RECT bounds = footer->BoundsInParent();
    const int footerHeight = bounds.bottom - bounds.top;
    footer->SetBounds(0, height - footerHeight, width, footerHeight);
    if (hintLine_ != nullptr) {
      const RECT hint = hintLine_->BoundsInParent();
      hintLine_->SetBounds(5, height - footerHeight + 4, hint.right - hint.left,
                           hint.bottom - hint.top);
    }
  }
  Invalidate();
}

Control* Form::CreateControl(Kind kind, const std::string& name, int x, int y, int width,
                             int height, const std::string& caption, const std::string& hint,
                             int tag, const char* parentName) {
  // The first control that cannot be made fails the whole window.
  auto refuse = [this, &name]() -> Control* {
    if (buildFailure_.empty()) buildFailure_ = name;
    return nullptr;
  };
  HWND parent = Hwnd();
  TabControl* pageControl = nullptr;
  if (parentName != nullptr) {
    Control* container = Find(parentName);
    pageControl = dynamic_cast<TabControl*>(container);
    const bool fits = kind == Kind::kPage ? pageControl != nullptr : IsContainer(container);
    if (!fits) return refuse();
    parent = container->Hwnd();
  } else if (kind == Kind::kPage) {
    return refuse();
  }
  std::unique_ptr<Control> control;
  bool created = false;
  switch (kind) {
    case Kind::kHeading: {
      auto heading = std::make_unique<GradientLabel>();
      created = heading->Create(parent, caption, x, y, width, height);
      UseStripColors(*heading);
      control = std::move(heading);
      break;
    }
    case Kind::kGradButton:
    case Kind::kLinkButton: {
      auto button = std::make_unique<GradientButton>();
      created = button->Create(parent, caption, x, y, width, height);
      button->UseWindowButtonColors();
      if (kind == Kind::kGradButton) button->SetBoundLines(kAllBoundLines);
      control = std::move(button);
      break;
    }
    case Kind::kPushButton: {
      auto button = std::make_unique<GradientPushButton>();
      created = button->Create(parent, caption, x, y, width, height, nextId_++);
      control = std::move(button);
      break;
    }
    case Kind::kLabel:
    case Kind::kBoldLabel:
    case Kind::kRightLabel:
    case Kind::kWrapLabel: {
      auto label = std::make_unique<Label>();
      Label::Options options;
      options.autoSize = width == 0 && kind != Kind::kWrapLabel;
      options.wordWrap = kind == Kind::kWrapLabel;
      if (kind == Kind::kRightLabel) options.alignment = controls::taRight;
      created = label->Create(parent, caption, x, y, width, height, options);
      control = std::move(label);
      break;
    }
    case Kind::kImage: {
      auto image = std::make_unique<Image>();
      created = image->Create(parent, x, y, width, height);
      control = std::move(image);
      break;
    }
    case Kind::kRadio:
    case Kind::kCheck: {
      auto button = std::make_unique<Button>();
      const Button::Kind buttonKind =
          kind == Kind::kRadio ? Button::Kind::kRadioButton : Button::Kind::kCheckBox;
      const bool startsGroup = kind == Kind::kRadio && lastKind_ != Kind::kRadio;
      created = button->Create(parent, buttonKind, caption, x, y, width, height, startsGroup);
      control = std::move(button);
      break;
    }
    case Kind::kGroupBox: {
      auto group = std::make_unique<GroupBox>();
      created = group->Create(parent, caption, x, y, width, height);
      control = std::move(group);
      break;
    }
    case Kind::kEdit:
    case Kind::kMemo: {
      auto edit = std::make_unique<Edit>();
      const DWORD lines = kind == Kind::kMemo ? ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL : 0;
      created = edit->Create(parent, caption, x, y, width, height, lines);
      control = std::move(edit);
      break;
    }
    case Kind::kListBox: {
      auto list = std::make_unique<ListBox>();
      created = list->Create(parent, x, y, width, height);
      control = std::move(list);
      break;
    }
    case Kind::kTree:
    case Kind::kReadOnlyTree: {
      auto tree = std::make_unique<TreeView>();
      const bool editable = kind == Kind::kTree;
      created = tree->Create(parent, x, y, width, height, editable, editable);
      control = std::move(tree);
      break;
    }
    case Kind::kPages: {
      auto tab = std::make_unique<TabControl>();
      created = tab->Create(parent, x, y, width, height);
      control = std::move(tab);
      break;
    }
    case Kind::kPage: {
      auto page = std::make_unique<Page>();
      created = page->Create(*pageControl, caption);
      control = std::move(page);
      break;
    }
    case Kind::kProgress: {
      auto progress = std::make_unique<ProgressBar>();
      created = progress->Create(parent, x, y, width, height);
      control = std::move(progress);
      break;
    }
  }
  lastKind_ = kind;
  if (!created) return refuse();
  control->SetFont(kind == Kind::kBoldLabel ? boldFont_ : font_);
  return &Adopt(std::move(control), name, hint, tag);
}

void Form::BindUsualEvent(Control& control, Control::Event handler) {
  if (auto* edit = dynamic_cast<Edit*>(&control)) {
    edit->onChange = [handler](Edit& sender) { handler(sender); };
  } else if (auto* list = dynamic_cast<ListBox*>(&control)) {
    list->onSelectionChange = [handler](ListBox& sender) { handler(sender); };
  } else if (auto* tree = dynamic_cast<TreeView*>(&control)) {
    tree->onSelect = [handler](TreeView& sender, HTREEITEM) { handler(sender); };
  } else if (auto* tab = dynamic_cast<TabControl*>(&control)) {
    tab->onChange = [handler](TabControl& sender) { handler(sender); };
  } else {
    control.onClick = std::move(handler);
  }
}

void Form::BindLabelEdit(Control& control,
                         std::function<bool(TreeView&, HTREEITEM, const char*)> handler) {
  if (auto* tree = dynamic_cast<TreeView*>(&control)) {
    tree->onEndEdit = std::move(handler);
  } else if (buildFailure_.empty()) {
    buildFailure_ = control.Name();
  }
}

Control& Form::Adopt(std::unique_ptr<Control> control, const std::string& name,
                     const std::string& hint, int tag) {
  control->SetName(name);
  control->SetHint(hint);
  control->SetTag(tag);
  control->SetHost(this);
  controls_.push_back(std::move(control));
  return *controls_.back();
}

void Form::SendHeadingsToBack() {
  // Headings and shapes stand for the original's graphic controls, which lie
  // under every windowed control: headings lowest, the first declared lowest.
  for (int layer = 1; layer >= 0; --layer) {
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
      if ((*it)->Layer() != layer) continue;
      SetWindowPos((*it)->Hwnd(), HWND_BOTTOM, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
  }
}

Control* Form::Find(const std::string& name) const {
  for (const auto& control : controls_) {
    if (control->Name() == name) return control.get();
  }
  return nullptr;
}

Control* Form::AddShape(const std::string& name, const Shape& shape) {
  auto control = std::make_unique<ShapeControl>();
  if (!control->Create(Hwnd(), shape)) return nullptr;
  return &Adopt(std::move(control), name);
}

void Form::SetDefaultButton(Control* button) {
  if (auto* old = dynamic_cast<GradientPushButton*>(defaultButton_)) {
    old->SetDefault(false);
  }
  defaultButton_ = button;
  if (auto* now = dynamic_cast<GradientPushButton*>(button)) now->SetDefault(true);
}

int Form::ShowMessage(const std::string& text, UINT flags) const {
  return MessageBoxA(Hwnd(), text.c_str(), Text().c_str(), flags);
}

void Form::ShowError(const std::string& text) const {
  ShowMessage(text, MB_ICONERROR);
}

void Form::ShowInformation(const std::string& text) const {
  ShowMessage(text, MB_ICONINFORMATION);
}

bool Form::AskYesNo(const std::string& text, UINT icon) const {
  return ShowMessage(text, MB_YESNO | icon) == IDYES;
}

void Form::StartTimer(UINT_PTR id, UINT milliseconds) {
  if (IsCreated()) SetTimer(Hwnd(), id, milliseconds, nullptr);
}

void Form::StopTimer(UINT_PTR id) {
  if (IsCreated()) KillTimer(Hwnd(), id);
}

void Form::OnTimer(UINT_PTR) {}

void Form::ShowHintOf(const std::string& hint) {
  if (hintLine_ != nullptr) hintLine_->SetCaption(LongHint(hint));
}

void Form::ControlMouseMoved(Control& control) {
  // A control without a hint shows the window's, as its parent's hint.
  ShowHintOf(control.Hint().empty() ? formHint_ : control.Hint());
}

void Form::PaintBackground(HDC dc, const RECT& area) {
  POINT previous{};
  OffsetViewportOrgEx(dc, -area.left, -area.top, &previous);
  RECT client = ClientRect();
  FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  for (int layer = 0; layer <= 1; ++layer) {
    for (const auto& control : controls_) {
      if (control->Layer() != layer || !IsWindowVisible(control->Hwnd())) continue;
      RECT bounds = control->BoundsInParent();
      RECT overlap{};
      if (IntersectRect(&overlap, &bounds, &area)) {
        control->PaintOnto(dc, bounds.left, bounds.top);
      }
    }
  }
  SetViewportOrgEx(dc, previous.x, previous.y, nullptr);
}

void Form::OnPaint(HDC dc) {
  PaintBackground(dc, ClientRect());
}

int Form::Execute() {
  openingPending_ = true;
  return ShowModal();
}

int Form::ShowModal() {
  if (!IsCreated()) return mrCancel;
  modalResult_ = mrNone;
  modal_ = true;
  const HWND owner = owner_;
  const bool ownerWasEnabled = owner != nullptr && IsWindowEnabled(owner);
  if (ownerWasEnabled) EnableWindow(owner, FALSE);
  ShowWindow(Hwnd(), SW_SHOW);
  SetForegroundWindow(Hwnd());
  // Showing normally activates the window, and the activation loads it. A
  // window that already was the active one gets no new activation, and one
  // shown while another program keeps the foreground gets none yet: either
  // still reads what it shows before the user meets it.
  LoadPendingOpening();
  bool quit = false;
  int quitCode = 0;
  while (modalResult_ == mrNone && IsCreated()) {
    MSG msg;
    const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
    if (got == 0 || got == -1) {
      quit = got == 0;
      quitCode = int(msg.wParam);
      modalResult_ = mrCancel;
      break;
    }
    if (!IsDialogMessageA(Hwnd(), &msg)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
  modal_ = false;
  openingPending_ = false;
  // The owner comes back before this window hides, so activation returns to it.
  if (ownerWasEnabled) EnableWindow(owner, TRUE);
  if (IsCreated()) ShowWindow(Hwnd(), SW_HIDE);
  // A hidden owner is not given the activation: it would keep it unseen,
  // and its own next showing would then bring no activation.
  if (owner != nullptr && IsWindowVisible(owner)) SetActiveWindow(owner);
  // The quit request belongs to the program's own loop.
  if (quit) PostQuitMessage(quitCode);
  FormClose();
  return modalResult_;
}

void Form::LoadPendingOpening() {
  // Only an opening loads; coming back from this window's own message boxes
  // and dialogs keeps what the user has edited.
  if (!openingPending_) return;
  openingPending_ = false;
  loading_ = true;
  LoadOnOpening();
  loading_ = false;
}

void Form::ShowModeless() {
  if (!IsCreated()) return;
  ShowWindow(Hwnd(), SW_SHOW);
  UpdateWindow(Hwnd());
}

void Form::Close() {
  if (!IsCreated()) return;
  if (modal_) {
    if (modalResult_ == mrNone) modalResult_ = mrCancel;
    return;
  }
  Destroy();
}

void Form::CloseWith(int result) {
  SetModalResult(result);
  Close();
}

void Form::bHelpcnrClick(Control&) {
  ShowHelpPage(helpPage_);
}

void Form::bMinClick(Control&) {
  MinimizeApplication();
}

void Form::bCloseClick(Control&) {
  Close();
}

void Form::bOKClick(Control&) {
  CloseWith(mrOk);
}

void Form::bCancelClick(Control&) {
  CloseWith(mrCancel);
}

LRESULT Form::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_COMMAND:
      // Enter and Escape, as IsDialogMessage reports them (no child handle:
      // a child's own notifications went back to it before this).
      if (lParam != 0) break;
      if (LOWORD(wParam) == IDOK && defaultButton_ != nullptr && defaultButton_->Enabled()) {
        defaultButton_->Click();
        return 0;
      }
      if (LOWORD(wParam) == IDCANCEL && cancelButton_ != nullptr) {
        cancelButton_->Click();
        return 0;
      }
      break;
    case DM_GETDEFID:
      if (defaultButton_ != nullptr) {
        return MAKELONG(GetDlgCtrlID(defaultButton_->Hwnd()), DC_HASDEFID);
      }
      break;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      return reinterpret_cast<LRESULT>(WhiteBackground(reinterpret_cast<HDC>(wParam)));
    case WM_TIMER:
      OnTimer(wParam);
      return 0;
    case WM_MOUSEMOVE:
      ShowHintOf(formHint_);
      break;
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) break;
      LoadPendingOpening();
      FormActivate();
      break;
    case WM_CLOSE:
      Close();
      return 0;
    case WM_DESTROY:
      FormDestroy();
      break;
    default:
      break;
  }
  return Window::WndProc(msg, wParam, lParam);
}

}  // namespace ui
