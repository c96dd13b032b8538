#include "icons/IconManagerWindow_win.h"

#include <optional>

#include "deploy/Activation.h"
#include "deploy/ShellLocation.h"
#include "icons/ChangeIconDialog_win.h"
#include "icons/IconPictures_win.h"
#include "icons/IconProgressWindow_win.h"
#include "icons/IconSettings.h"
#include "icons/ShellIconCache_win.h"
#include "ui/Containers.h"
#include "ui/Hint.h"
#include "ui/Image.h"
#include "ui/Label.h"
#include "ui/StandardControls.h"
#include "win/MessagePump.h"
#include "win/SystemFacts.h"

namespace icons {

namespace {

constexpr char kCaption[] = "Icon Manager";
constexpr char kNoSelection[] = "Select an item to customise";
constexpr char kTreeHint[] =
    "|Select an icon type to customise. You can then customise the icon type by using the "
    "available options to the right.";
constexpr char kCloseHint[] = "|Discards any changes you may have made and close this dialog.";
constexpr char kRestoredMessage[] = "All the icons are now restored to the default.";
constexpr int kTreeIndent = 19;

COLORREF ButtonFace() {
  return GetSysColor(COLOR_BTNFACE);
}

}  // namespace

const ui::ControlDef<IconManagerWindow> IconManagerWindow::kControls[] = {
    {ui::Kind::kWrapLabel, "l3", 30, 22, 520, 26,
     "Welcome to the Icon Manager. Here you can customise the icons that appear on your desktop, "
     "in the Start Menu, in My Computer, and other places in your Windows Operating System.",
     "", 0},
    {ui::Kind::kReadOnlyTree, "IconTree", 8, 57, 256, 273, "", "", 0,
     &IconManagerWindow::IconTreeChange, ui::Bind<&IconManagerWindow::IconTree>, nullptr,
     &IconManagerWindow::IconTreeMouseMove},
    {ui::Kind::kGroupBox, "b1", 272, 57, 280, 160, kNoSelection, "", 0, nullptr,
     ui::Bind<&IconManagerWindow::b1>},
    {ui::Kind::kImage, "iIcon", 14, 24, 32, 32, "", "", 0, nullptr,
     ui::Bind<&IconManagerWindow::iIcon>, "b1"},
    {ui::Kind::kLabel, "lCurrentIcon", 58, 22, 0, 0, "Current Icon:", "", 0, nullptr, nullptr,
     "b1"},
    {ui::Kind::kEdit, "tIconFile", 58, 38, 208, 21, kNoSelection, "", 0, nullptr,
     ui::Bind<&IconManagerWindow::tIconFile>, "b1"},
    {ui::Kind::kLabel, "lIconIndex", 58, 68, 0, 0, "", "", 0, nullptr,
     ui::Bind<&IconManagerWindow::lIconIndex>, "b1"},
    {ui::Kind::kPushButton, "bChange", 14, 120, 112, 25, "Change Icon...",
     "|Opens a Change Icon dialog that allows you to select a new icon for the currently selected "
     "icon type.",
     0, &IconManagerWindow::bChangeClick, ui::Bind<&IconManagerWindow::bChange>, "b1"},
    {ui::Kind::kPushButton, "bDefault", 154, 120, 112, 25, "Set to default",
     "|Sets the currently selected icon type to your computer's default.", 0,
     &IconManagerWindow::bDefaultClick, ui::Bind<&IconManagerWindow::bDefault>, "b1"},
    {ui::Kind::kPushButton, "bOK", 272, 229, 88, 25, "OK",
     "|Saves the changes you have made and closes the dialog. The changes will take effect "
     "immediately.",
     0, &IconManagerWindow::bOKClick, ui::Bind<&IconManagerWindow::bOK>},
    {ui::Kind::kPushButton, "bCancel", 368, 229, 88, 25, "Cancel", kCloseHint, 0,
     &IconManagerWindow::bCancelClick, ui::Bind<&IconManagerWindow::bCancel>},
    {ui::Kind::kPushButton, "bApply", 464, 229, 88, 25, "Apply",
     "|Apply the changes you have made without closing this dialog.", 0,
     &IconManagerWindow::bApplyClick, ui::Bind<&IconManagerWindow::bApply>},
    {ui::Kind::kPushButton, "bRestore", 272, 263, 136, 25, "Restore",
     "|Restores your computer's original settings at the time of installation. After clicking "
     "Restore, you will need to click OK or Apply for the changes to take effect.",
     0, &IconManagerWindow::bRestoreClick},
    {ui::Kind::kPushButton, "bRebuild", 416, 263, 136, 25, "Rebuild Icons",
     "|If your computer displays incorrect icons on the desktop or other places, click Rebuild "
     "Icons to fix the problem. Rebuild Icons will rebuild the Windows icon cache and update your "
     "computer with the correct icons.",
     0, &IconManagerWindow::bRebuildClick},
};

IconManagerWindow::IconManagerWindow() : progress_(std::make_unique<IconProgressWindow>()) {}

IconManagerWindow::~IconManagerWindow() = default;

ui::FormSpec IconManagerWindow::Spec() const {
  ui::FormSpec spec;
  spec.caption = kCaption;
  spec.title = "Quorlo - Icon Manager";
  spec.titleName = "l4";
  spec.headingName = "grd2";
  spec.headingHeight = 49;
  spec.footerHeight = 34;
  spec.clientWidth = kClientWidth;
  spec.clientHeight = kClientHeight;
  spec.helpPage = "Icon Manager Introduction.htm";
  spec.closeHint = kCloseHint;
  return spec;
}

void IconManagerWindow::FormCreate() {
  Build(this, kControls);
  if (!bApply) return;
  Find("l3")->SetDragsWindow(true);
  SetDefaultButton(bOK);
  SetCancelButton(bCancel);
  tIconFile->SetReadOnly(true);
  bApply->SetEnabled(false);

  IconTree->SetHotTracking(true);
  IconTree->SetIndent(kTreeIndent);
  // 16x16 pictures without a mask: each is drawn over the tree's own colour.
  images_.reset(ImageList_Create(kTreeImageSize, kTreeImageSize, ILC_COLOR24, kIconCount, 0));
  IconTree->SetImageList(images_.get());
  BuildTree();
  ShowSelection();

  systemDirectory_ = win::GetSystemDir();
  progress_->CreateForm(Hwnd());
}

void IconManagerWindow::BuildTree() {
  // The parent of a node is the nearest earlier node one level up.
  std::vector<HTREEITEM> lastAtDepth;
  for (size_t node = 0; node < kIconTree.size(); ++node) {
    const IconTreeNode& row = kIconTree[node];
    lastAtDepth.resize(size_t(row.depth));
    const HTREEITEM parent = row.depth == 0 ? nullptr : lastAtDepth.back();
    const HTREEITEM item = IconTree->Insert(parent, row.label, LPARAM(node));
    IconTree->SetItemImage(item, row.entry);
    lastAtDepth.push_back(item);
    nodes_.push_back(item);
  }
}

void IconManagerWindow::LoadOnOpening() {
  IconTree->SetRedraw(false);
  win::ProcessMessages();
  ImageList_RemoveAll(images_.get());
  progress_->Run([this](const IconProgressWindow::Step& step) {
    catalogue_ =
        LoadIconCatalogue(registry_, systemDirectory_, [this, &step](int, const IconEntry& loaded) {
          step();
          AppendImage(loaded);
        });
  });
  IconTree->SetRedraw(true);
  for (HTREEITEM item : nodes_) IconTree->Expand(item);
  IconTree->Select(nodes_.front());
  // Selecting the node already selected changes nothing the tree reports.
  ShowSelection();
  bApply->SetEnabled(false);
}

int IconManagerWindow::SelectedEntry() const {
  const HTREEITEM item = IconTree->Selected();
  // Only nodes with a parent edit an entry; the top-level ones only group.
  if (item == nullptr || IconTree->ParentOf(item) == nullptr) return -1;
  const LPARAM node = IconTree->ItemData(item);
  if (node < 0 || size_t(node) >= kIconTree.size()) return -1;
  return kIconTree[size_t(node)].entry;
}

void IconManagerWindow::ShowSelection() {
  const int entry = SelectedEntry();
  const bool editable = entry >= 0;
  for (ui::Control* control :
       std::initializer_list<ui::Control*>{b1, tIconFile, lIconIndex, bChange, bDefault}) {
    control->SetEnabled(editable);
  }
  if (!editable) {
    b1->SetText(kNoSelection);
    tIconFile->SetTextQuietly(kNoSelection);
    lIconIndex->SetCaption("");
    iIcon->SetBitmap(MakeIconPreview(IconEntry(), ButtonFace()));
    return;
  }
  const IconEntry& current = catalogue_[size_t(entry)];
  b1->SetText(IconTree->ItemText(IconTree->Selected()));
  iIcon->SetBitmap(MakeIconPreview(current, ButtonFace()));
  tIconFile->SetTextQuietly(current.file);
  lIconIndex->SetCaption("Icon Index: " + std::to_string(current.index));
  b1->Invalidate();
}

void IconManagerWindow::AppendImage(const IconEntry& entry) {
  const win::ScopedBitmap image(MakeTreeImage(entry, GetSysColor(COLOR_WINDOW)));
  ImageList_Add(images_.get(), image.Get(), nullptr);
}

void IconManagerWindow::RefreshImage(int entry) {
  const win::ScopedBitmap image(
      MakeTreeImage(catalogue_[size_t(entry)], GetSysColor(COLOR_WINDOW)));
  ImageList_Replace(images_.get(), entry, image.Get(), nullptr);
  IconTree->Invalidate();
}

void IconManagerWindow::EntryChanged(int entry) {
  ShowSelection();
  RefreshImage(entry);
  bApply->SetEnabled(true);
}

void IconManagerWindow::IconTreeChange(ui::Control&) {
  ShowSelection();
}

void IconManagerWindow::IconTreeMouseMove(ui::Control&) {
  POINT point{};
  GetCursorPos(&point);
  ScreenToClient(IconTree->Hwnd(), &point);
  const bool overNode = IconTree->HitTest(point.x, point.y) != nullptr;
  IconTree->SetHint(overNode ? kTreeHint : "");
  if (HintLine() != nullptr) HintLine()->SetCaption(overNode ? ui::LongHint(kTreeHint) : "");
}

void IconManagerWindow::bChangeClick(ui::Control&) {
  const int entry = SelectedEntry();
  if (entry < 0) return;
  const std::optional<IconEntry> chosen = ChooseIcon(Hwnd(), catalogue_[size_t(entry)]);
  if (!chosen) return;
  catalogue_[size_t(entry)] = *chosen;
  EntryChanged(entry);
}

void IconManagerWindow::bDefaultClick(ui::Control&) {
  const int entry = SelectedEntry();
  if (entry < 0) return;
  catalogue_[size_t(entry)] = DefaultIconEntry(registry_, systemDirectory_, entry);
  EntryChanged(entry);
}

void IconManagerWindow::bRestoreClick(ui::Control&) {
  HCURSOR previous = SetCursor(LoadCursor(nullptr, IDC_WAIT));
  IconTree->SetRedraw(false);
  ImageList_RemoveAll(images_.get());
  for (int entry = 0; entry < kIconCount; ++entry) {
    catalogue_[size_t(entry)] = DefaultIconEntry(registry_, systemDirectory_, entry);
    AppendImage(catalogue_[size_t(entry)]);
  }
  IconTree->SetRedraw(true);
  bApply->SetEnabled(true);
  ShowSelection();
  SetCursor(previous);
  ShowInformation(kRestoredMessage);
}

bool IconManagerWindow::ApplyAll() {
  IconWriteResult result = ApplyIcons(registry_, catalogue_, win::WindowsVersion());
  if (result.ok) result = RebuildShellIconCache(registry_);
  if (result.ok) return true;
  ShowError(result.message);
  return false;
}

void IconManagerWindow::bApplyClick(ui::Control&) {
  // After a failure the edits stay, and Apply with them, for another try.
  if (ApplyAll()) bApply->SetEnabled(false);
}

void IconManagerWindow::bOKClick(ui::Control&) {
  if (!ApplyAll()) return;
  // The shell setting is written again with the full path of the shell in force.
  deploy::LocateCurrentShell();
  deploy::ActivateShell(deploy::CurrentShellPath);
  CloseWith(ui::mrOk);
}

void IconManagerWindow::bRebuildClick(ui::Control&) {
  const IconWriteResult result = RebuildShellIconCache(registry_);
  if (!result.ok) ShowError(result.message);
}

}  // namespace icons
