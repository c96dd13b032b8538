#include "startmenu/StartMenuWindow_win.h"

#include "core/Text.h"
#include "deploy/Restart.h"
#include "deploy/ShellLocation.h"
#include "imaging/OpenPicture.h"
#include "startmenu/LogoBitmap_win.h"
#include "startmenu/MenuTreeMirror_win.h"
#include "startmenu/StartMenuFiles.h"
#include "startmenu/VerticalLogoPreview_win.h"
#include "ui/Containers.h"
#include "ui/Image.h"
#include "ui/MessageBox.h"
#include "ui/StandardControls.h"
#include "win/AnsiText.h"
#include "win/MessagePump.h"

namespace startmenu {

namespace {

constexpr int kMaxTextLength = 254;
constexpr char kCaption[] = "Start Menu Manager";
constexpr char kHelpPage[] = "Start Menu Manager Introduction.htm";
constexpr char kNoSelectionText[] = "Select an item to customise";
constexpr char kCloseHint[] = "Discards any changes you may have made and close this dialog.";
constexpr char kTreeHint[] =
    "Select an item to customise. You can then customise the item by using the available options "
    "to the right. You can also rearrange the order of the Start Menu by dragging items up and "
    "down (drag to the left to insert, otherwise add a child).";
constexpr char kLogoHint[] =
    "Click this, or Preview, to see what your current Start Menu vertical logo looks like. This "
    "picture is the Windows default and may not necessarily show your current Start Menu vertical "
    "logo.";
// Where the vertical logo's display copy goes in its group, and how much of
// a long one the group shows.
constexpr int kLogoLeft = 11;
constexpr int kLogoTop = 21;
constexpr int kLogoMaxWidth = 300;
constexpr int kLogoMaxHeight = 28;

}  // namespace

const ui::ControlDef<StartMenuWindow> StartMenuWindow::kControls[] = {
    {ui::Kind::kWrapLabel, "lIntro", 12, 32, 516, 42,
     "Welcome to the Start Menu Manager. Here you can customise your own Start Menu. With this "
     "manager you can customise the text of Start Menu items, add and remove items, and other "
     "extended options.",
     "", 0},
    {ui::Kind::kTree, "SMTree", 12, 78, 250, 190, "", kTreeHint, 0, &StartMenuWindow::SMTreeChange,
     ui::Bind<&StartMenuWindow::SMTree>, nullptr, &StartMenuWindow::SMTreeMouseMove,
     &StartMenuWindow::SMTreeEdited},
    {ui::Kind::kGroupBox, "b1", 272, 74, 256, 132, "Customise Start Menu item:", "", 0, nullptr,
     ui::Bind<&StartMenuWindow::b1>},
    {ui::Kind::kLabel, "lText", 12, 26, 0, 0, "Text:", "", 0, nullptr,
     ui::Bind<&StartMenuWindow::lText>, "b1"},
    {ui::Kind::kEdit, "tText", 60, 23, 184, 21, kNoSelectionText,
     "Enter the text you would like for the currently selected Start Menu item here. This text is "
     "ignored when the item is going to be a separator.",
     0, &StartMenuWindow::tTextChange, ui::Bind<&StartMenuWindow::tText>, "b1"},
    {ui::Kind::kLabel, "lOptions", 12, 54, 0, 0, "Options:", "", 0, nullptr,
     ui::Bind<&StartMenuWindow::lOptions>, "b1"},
    {ui::Kind::kCheck, "cSeparator", 12, 72, 232, 17, "Make item a separator (ignores text)",
     "Makes the currently selected Start Menu item a separator. Separators are horizontal "
     "bevelled lines that divide a menu. To restore full functionality after making the item a "
     "separator, click Restore.",
     0, &StartMenuWindow::cSeparatorClick, ui::Bind<&StartMenuWindow::cSeparator>, "b1"},
    {ui::Kind::kPushButton, "bAdd", 12, 98, 80, 25, "Add item",
     "Adds a new item above the currently selected Start Menu item. You can then change its text "
     "and other options.",
     0, &StartMenuWindow::bAddClick, ui::Bind<&StartMenuWindow::bAdd>, "b1"},
    {ui::Kind::kPushButton, "bRemove", 100, 98, 80, 25, "Remove",
     "Removes the currently selected Start Menu item. If you decide you would like this item back "
     "after removing it, you will need to click Restore.",
     0, &StartMenuWindow::bRemoveClick, ui::Bind<&StartMenuWindow::bRemove>, "b1"},
    {ui::Kind::kGroupBox, "b2", 12, 276, 516, 58, "Start Menu vertical logo:", "", 0},
    // The flat button lies under the picture and one pixel around it; both
    // open the preview.
    {ui::Kind::kImage, "sp", kLogoLeft - 1, kLogoTop - 1, 2, 2, "", kLogoHint, 0,
     &StartMenuWindow::bVLPreviewClick, ui::Bind<&StartMenuWindow::sp>, "b2"},
    {ui::Kind::kImage, "vl", kLogoLeft, kLogoTop, 0, 0, "", kLogoHint, 0,
     &StartMenuWindow::bVLPreviewClick, ui::Bind<&StartMenuWindow::vl>, "b2"},
    {ui::Kind::kPushButton, "bVLChange", 322, 20, 60, 25, "Change...",
     "Click this to change the Start Menu vertical logo. You will need to select a bitmap to use "
     "for the new logo.",
     0, &StartMenuWindow::bVLChangeClick, nullptr, "b2"},
    {ui::Kind::kPushButton, "bVLRestore", 386, 20, 60, 25, "Restore",
     "Click this to Restore the Start Menu vertical logo to the Windows default. The restoration "
     "will take effect after clicking OK or Apply.",
     0, &StartMenuWindow::bVLRestoreClick, nullptr, "b2"},
    {ui::Kind::kPushButton, "bVLPreview", 450, 20, 60, 25, "Preview...",
     "Click this to preview the new or current Start Menu vertical logo.", 0,
     &StartMenuWindow::bVLPreviewClick, nullptr, "b2"},
    {ui::Kind::kPushButton, "bOK", 206, 342, 75, 25, "OK",
     "Saves the changes you have made and closes the dialog. Options available are to apply the "
     "changes instantly, or to restart for the changes to take effect.",
     0, &StartMenuWindow::bOKClick, ui::Bind<&StartMenuWindow::bOK>},
    {ui::Kind::kPushButton, "bCancel", 286, 342, 75, 25, "Cancel", kCloseHint, 0,
     &StartMenuWindow::bCancelClick, ui::Bind<&StartMenuWindow::bCancel>},
    {ui::Kind::kPushButton, "bApply", 366, 342, 75, 25, "Apply",
     "Apply the changes you have made so that you can see them without having to restart your "
     "computer.",
     0, &StartMenuWindow::bApplyClick, ui::Bind<&StartMenuWindow::bApply>},
    {ui::Kind::kPushButton, "bRestore", 453, 342, 75, 25, "Restore",
     "Restores your computer's original settings. You can either restore the settings and then "
     "restart, or restore the settings and then make changes.",
     0, &StartMenuWindow::bRestoreClick},
};

StartMenuWindow::StartMenuWindow(uint32_t bannerId)
    : bannerId_(bannerId),
      applyChoice_(std::make_unique<ui::ChoiceDialog>(
          ui::ApplyChoiceSpec("TfDialog1", kCaption, kHelpPage))),
      restoreChoice_(std::make_unique<ui::ChoiceDialog>(
          ui::RestoreChoiceSpec("TfDialog2", kCaption, kHelpPage, "Start Menu"))),
      logoPreview_(std::make_unique<VerticalLogoPreview>()) {}

StartMenuWindow::~StartMenuWindow() = default;

ui::FormSpec StartMenuWindow::Spec() const {
  ui::FormSpec spec;
  spec.caption = kCaption;
  spec.title = "Quorlo - Start Menu Manager";
  spec.clientWidth = kClientWidth;
  spec.clientHeight = kClientHeight;
  spec.helpPage = kHelpPage;
  spec.closeHint = kCloseHint;
  return spec;
}

void StartMenuWindow::FormCreate() {
  Build(this, kControls);
  if (bApply == nullptr || SMTree == nullptr || sp == nullptr || vl == nullptr) return;
  tText->SetMaxLength(kMaxTextLength);
  SetDefaultButton(bOK);
  SetCancelButton(bCancel);
  bApply->SetEnabled(false);
  sp->SetClickable(true);
  vl->SetClickable(true);
  mirror_ = std::make_unique<MenuTreeMirror>(*SMTree);
  SMTree->onBeginDrag = [this](ui::TreeView& tree, HTREEITEM item) { tree.Select(item); };
  SMTree->onDrop = [this](ui::TreeView&, int x, int y) { SMTreeDragDrop(x, y); };
  SMTree->onKeyDown = [this](ui::TreeView&, WORD key) { SMTreeKeyDown(key); };
  ShowDisplayLogo();
  ShowSelection();

  applyChoice_->CreateForm(Hwnd());
  restoreChoice_->CreateForm(Hwnd());
  logoPreview_->CreateForm(Hwnd());
}

void StartMenuWindow::ShowDisplayLogo() {
  const std::optional<std::vector<uint8_t>> shown =
      ReadVerticalLogoDisplayCopy(deploy::WindowsExplorerPath(), bannerId_);
  win::ScopedBitmap bitmap = shown ? BitmapOfFileBytes(*shown) : win::ScopedBitmap();
  const SIZE size = BitmapSize(bitmap.Get());
  const int width = std::min<int>(size.cx, kLogoMaxWidth);
  const int height = std::min<int>(size.cy, kLogoMaxHeight);
  vl->SetBounds(kLogoLeft, kLogoTop, width, height);
  vl->SetBitmap(bitmap.Release());
  // The flat button is 2 pixels wider (and taller) than the picture.
  sp->SetBounds(kLogoLeft - 1, kLogoTop - 1, width + 2, height + 2);
}

void StartMenuWindow::LoadOnOpening() {
  logo_ = VerticalLogoChange{};
  bApply->SetEnabled(false);
  mirror_->Clear();
  ShowSelection();
  deploy::LocateCurrentShell();
  win::ProcessMessages();
  ReadMenu(deploy::CurrentShellPath);
  Invalidate();
}

bool StartMenuWindow::ReadMenu(const std::string& file) {
  StartMenuModel read;
  const core::Outcome outcome = ReadStartMenu(file, read);
  if (!outcome.ok) {
    ShowError(outcome.message);
    return false;
  }
  model_ = std::move(read);
  mirror_->Fill(model_);
  ShowSelection();
  return true;
}

void StartMenuWindow::FormClose() {
  if (mirror_) mirror_->Clear();
  model_.Clear();
}

bool StartMenuWindow::LabelBeingEdited() const {
  return SMTree->Editing();
}

NodeId StartMenuWindow::SelectedNode() const {
  const NodeId node = mirror_->NodeOf(SMTree->Selected());
  return model_.InTree(node) ? node : kNoNode;
}

void StartMenuWindow::SelectNode(NodeId node) {
  if (HTREEITEM item = mirror_->ItemOf(node)) SMTree->Select(item);
}

void StartMenuWindow::Changed() {
  if (!filling_) bApply->SetEnabled(true);
}

void StartMenuWindow::ShowSelection() {
  // Each control of the group is disabled itself, so Windows draws the box's
  // "Select an item to customise" and the rest in its grey.
  const NodeId node = SelectedNode();
  const bool item = node != kNoNode && node != model_.Root();
  for (ui::Control* control :
       {static_cast<ui::Control*>(b1), static_cast<ui::Control*>(tText),
        static_cast<ui::Control*>(cSeparator), bAdd, bRemove, lText, lOptions}) {
    control->SetEnabled(item);
  }
  filling_ = true;
  if (item) {
    tText->SetTextQuietly(win::UnicodeToAnsi(model_.RecordOf(node).text));
    cSeparator->SetChecked(model_.RecordOf(node).IsSeparator());
  } else {
    tText->SetTextQuietly(kNoSelectionText);
    cSeparator->SetChecked(false);
  }
  filling_ = false;
}

void StartMenuWindow::SMTreeChange(ui::Control&) {
  ShowSelection();
}

bool StartMenuWindow::SMTreeEdited(ui::TreeView& tree, HTREEITEM item, const char* text) {
  if (text == nullptr) return false;
  tree.Select(item);
  const NodeId node = mirror_->NodeOf(item);
  // The root keeps its label: it stands for the whole menu, not an item.
  if (node == model_.Root() || !model_.InTree(node)) return false;
  // Through the text box, so the rename is the one a typed text makes.
  tText->SetText(text);
  return true;
}

void StartMenuWindow::SMTreeMouseMove(ui::Control&) {
  POINT point{};
  GetCursorPos(&point);
  ScreenToClient(SMTree->Hwnd(), &point);
  SMTree->SetHint(SMTree->HitTest(point.x, point.y) != nullptr ? kTreeHint : "");
  ControlMouseMoved(*SMTree);
}

void StartMenuWindow::tTextChange(ui::Control&) {
  const NodeId node = SelectedNode();
  if (filling_ || node == kNoNode || node == model_.Root()) return;
  if (!model_.RenameItem(node, win::AnsiToUnicode(tText->Text())).Done()) return;
  mirror_->ShowNode(model_, node);
  Changed();
  if (!tText->Text().empty() && cSeparator->Checked()) {
    // A text makes the item an item again; the check box follows quietly.
    filling_ = true;
    cSeparator->SetChecked(false);
    SetSeparator(node, false);
    filling_ = false;
  }
}

void StartMenuWindow::cSeparatorClick(ui::Control&) {
  const NodeId node = SelectedNode();
  if (node == kNoNode || node == model_.Root()) return;
  SetSeparator(node, cSeparator->Checked());
}

void StartMenuWindow::SetSeparator(NodeId node, bool on) {
  HTREEITEM item = mirror_->ItemOf(node);
  SMTree->SetItemImage(item, int(on ? NodeImage::kSeparator : NodeImage::kItem));
  Changed();
  win::ProcessMessages();
  if (on) {
    const std::u16string question = model_.SeparatorQuestion(node);
    if (!question.empty() && !AskYesNo(win::UnicodeToAnsi(question))) {
      // Apply stays enabled: the user did change something, then took it back.
      cSeparator->SetChecked(false);
      SetSeparator(node, false);
      return;
    }
  }
  model_.SetSeparator(node, on);
  if (on) {
    filling_ = true;
    tText->SetTextQuietly("");
    filling_ = false;
    mirror_->RefillChildren(model_, node);
  }
  mirror_->ShowNode(model_, node);
  SMTree->Invalidate();
}

void StartMenuWindow::bAddClick(ui::Control&) {
  const NodeId selected = SelectedNode();
  if (LabelBeingEdited() || selected == kNoNode) return;
  const MenuEdit added = model_.AddItem(selected);
  if (!added.Done()) return;
  mirror_->RefillChildren(model_, added.parent);
  Changed();
  SelectNode(added.node);
  SMTree->EditLabel(mirror_->ItemOf(added.node));
}

void StartMenuWindow::bRemoveClick(ui::Control&) {
  const NodeId selected = SelectedNode();
  if (LabelBeingEdited() || selected == kNoNode) return;
  const MenuEdit removed = model_.RemoveItem(selected);
  if (!removed.Done()) {
    if (!removed.message.empty()) ShowError(win::UnicodeToAnsi(removed.message));
    return;
  }
  mirror_->RefillChildren(model_, removed.parent);
  Changed();
  ShowSelection();
}

void StartMenuWindow::SMTreeKeyDown(WORD key) {
  if (key == VK_DELETE) bRemoveClick(*SMTree);
}

void StartMenuWindow::SMTreeDragDrop(int x, int y) {
  const NodeId dragged = SelectedNode();
  // Any part of a row names the target; only the item itself, its
  // indentation and the row to its right take the drop.
  HTREEITEM targetItem =
      SMTree->HitTest(x, y, TVHT_ONITEM | TVHT_ONITEMINDENT | TVHT_ONITEMRIGHT | TVHT_ONITEMBUTTON);
  const NodeId target = mirror_->NodeOf(targetItem);
  if (dragged == kNoNode || !model_.InTree(target)) return;
  if (model_.Node(dragged).parent != model_.Node(target).parent) {
    const MenuEdit refused = model_.MoveItem(dragged, target);
    if (!refused.message.empty()) ShowError(win::UnicodeToAnsi(refused.message));
    return;
  }
  if (SMTree->HitTest(x, y, TVHT_ONITEM | TVHT_ONITEMINDENT | TVHT_ONITEMRIGHT) == nullptr) return;
  const MenuEdit moved = model_.MoveItem(dragged, target);
  if (!moved.Done()) return;
  mirror_->RefillChildren(model_, moved.parent);
  Changed();
  SelectNode(dragged);
}

void StartMenuWindow::bVLChangeClick(ui::Control&) {
  if (LabelBeingEdited()) return;
  std::string file;
  if (!imaging::OpenPictureFile(file, Hwnd()) || file.empty()) return;
  const core::Outcome usable = CheckVerticalLogoFile(file);
  if (!usable.ok) {
    ShowError(usable.message);
    return;
  }
  logo_.file = file;
  logo_.changed = true;
  logo_.restore = false;
  Changed();
  ShowInformation("The Start Menu vertical logo will be changed when you\r\nclick OK or Apply.");
}

void StartMenuWindow::bVLRestoreClick(ui::Control&) {
  if (LabelBeingEdited()) return;
  logo_.changed = true;
  logo_.restore = true;
  ShowInformation("The Start Menu vertical logo will now be restored" + core::LineBreaks(1) +
                  "when you click OK or Apply.");
  Changed();
}

void StartMenuWindow::bVLPreviewClick(ui::Control&) {
  if (LabelBeingEdited()) return;
  win::ScopedBitmap logo;
  if (logo_.changed && !logo_.restore) {
    logo = BitmapOfFile(logo_.file);
  } else if (const auto file = ReadVerticalLogo(deploy::CurrentShellPath, bannerId_)) {
    logo = BitmapOfFileBytes(*file);
  }
  if (!logo) {
    ShowError("The Start Menu vertical logo cannot be shown.");
    return;
  }
  logoPreview_->ShowLogo(std::move(logo));
}

std::optional<std::string> StartMenuWindow::WriteNewShell() {
  const deploy::UniqueName name = deploy::MakeUniqueShellName(deploy::CurrentShellPath);
  if (!name.found) {
    ui::ShowErrorAndClose(Hwnd(), name.message);
    return std::nullopt;
  }
  const StartMenuWrite written = WriteStartMenuResources(name.path, model_, logo_, bannerId_);
  if (written.logoProblem) ShowError(*written.logoProblem);
  if (!written.outcome.ok) {
    ShowError(written.outcome.message);
    return std::nullopt;
  }
  // Separators are written with their new id and empty text; the box shows it.
  ShowSelection();
  return name.path;
}

void StartMenuWindow::bApplyClick(ui::Control&) {
  if (LabelBeingEdited()) return;
  const std::optional<std::string> newFile = WriteNewShell();
  if (!newFile) return;
  deploy::RestartShell(*newFile);
  bApply->SetEnabled(false);
}

void StartMenuWindow::bOKClick(ui::Control&) {
  if (LabelBeingEdited()) return;
  if (applyChoice_->ShowModal() != ui::mrOk) return;
  // A failed write keeps the window open, with the edits, for another try.
  const std::optional<std::string> newFile = WriteNewShell();
  if (!newFile) return;
  if (applyChoice_->Choice() == ui::ChoiceDialog::kApplyNow) {
    deploy::RestartShell(*newFile);
  } else if (ui::AskToRestart(Hwnd(), Text(), false)) {
    deploy::RestartWindows();
  }
  CloseWith(ui::mrOk);
}

void StartMenuWindow::bCancelClick(ui::Control& sender) {
  if (!LabelBeingEdited()) ui::Form::bCancelClick(sender);
}

void StartMenuWindow::bCloseClick(ui::Control& sender) {
  if (!LabelBeingEdited()) ui::Form::bCloseClick(sender);
}

void StartMenuWindow::bRestoreClick(ui::Control&) {
  if (LabelBeingEdited()) return;
  if (restoreChoice_->ShowModal() != ui::mrOk) return;
  bApply->SetEnabled(true);
  if (restoreChoice_->Choice() == ui::ChoiceDialog::kRestorePhysical) {
    const core::Outcome restored = RestoreWindowsShell();
    if (!restored.ok) {
      ShowError(restored.message);
      return;
    }
    if (ui::AskToRestart(Hwnd(), Text(), true)) deploy::RestartWindows();
    CloseWith(ui::mrOk);
    return;
  }
  if (!ReadMenu(deploy::WindowsExplorerPath())) return;
  SelectNode(model_.Root());
  ShowSelection();
  ShowInformation("The Start Menu is now restored to the Windows default.");
}

}  // namespace startmenu
