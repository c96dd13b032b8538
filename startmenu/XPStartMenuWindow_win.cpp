#include "startmenu/XPStartMenuWindow_win.h"

#include "deploy/ShellCopySteps.h"
#include "deploy/ShellLocation.h"
#include "startmenu/StartMenuFiles.h"
#include "startmenu/XPStartMenuResources_win.h"
#include "ui/StandardControls.h"
#include "win/AnsiText.h"
#include "win/MessagePump.h"

namespace startmenu {

namespace {

constexpr char kCaption[] = "Start Menu Manager";
constexpr char kHelpPage[] = "XP Start Menu Manager Introduction.htm";

// A tree item's data: its node's place in kXPStartMenuTree, counted from 1
// so that 0 is no node.
LPARAM NodeData(size_t index) {
  return LPARAM(index + 1);
}

}  // namespace

const ui::ControlDef<XPStartMenuWindow> XPStartMenuWindow::kControls[] = {
    {ui::Kind::kWrapLabel, "lIntro", 12, 33, 446, 28,
     "Welcome to the Windows XP Start Menu Manager. Here you can customise the new look Windows "
     "XP Start Menu.",
     "", 0},
    {ui::Kind::kReadOnlyTree, "XPSMTree", 16, 66, 212, 200, "", "Select an item to customise.", 0,
     &XPStartMenuWindow::XPSMTreeChange, ui::Bind<&XPStartMenuWindow::XPSMTree>},
    {ui::Kind::kLabel, "Label1", 242, 66, 0, 0, "Customise item:", "", 0},
    {ui::Kind::kMemo, "textEdit", 242, 84, 212, 120, "",
     "Customise the selected item by changing the text.", 0, &XPStartMenuWindow::textEditChange,
     ui::Bind<&XPStartMenuWindow::textEdit>},
    {ui::Kind::kWrapLabel, "lText", 242, 214, 212, 30,
     "Start by customising the text of Start Menu items you use most!", "", 0},
    {ui::Kind::kPushButton, "bOK", 136, 276, 75, 25, "OK", deploy::kShellCopyOkHint, 0,
     &XPStartMenuWindow::bOKClick, ui::Bind<&XPStartMenuWindow::bOK>},
    {ui::Kind::kPushButton, "bCancel", 216, 276, 75, 25, "Cancel", deploy::kShellCopyCancelHint, 0,
     &XPStartMenuWindow::bCancelClick, ui::Bind<&XPStartMenuWindow::bCancel>},
    {ui::Kind::kPushButton, "bApply", 296, 276, 75, 25, "Apply", deploy::kShellCopyApplyHint, 0,
     &XPStartMenuWindow::bApplyClick, ui::Bind<&XPStartMenuWindow::bApply>},
    {ui::Kind::kPushButton, "bRestore", 379, 276, 75, 25, "Restore", deploy::kShellCopyRestoreHint,
     0, &XPStartMenuWindow::bRestoreClick},
};

XPStartMenuWindow::XPStartMenuWindow()
    : applyChoice_(std::make_unique<ui::ChoiceDialog>(
          ui::ApplyChoiceSpec("TfDialog1", kCaption, kHelpPage))),
      restoreChoice_(std::make_unique<ui::ChoiceDialog>(
          ui::RestoreChoiceSpec("TfDialog2", kCaption, kHelpPage, "Start Menu"))) {}

XPStartMenuWindow::~XPStartMenuWindow() = default;

ui::FormSpec XPStartMenuWindow::Spec() const {
  ui::FormSpec spec;
  spec.caption = kCaption;
  spec.title = "Quorlo - Windows XP Start Menu Manager";
  spec.clientWidth = kClientWidth;
  spec.clientHeight = kClientHeight;
  spec.helpPage = kHelpPage;
  spec.closeHint = deploy::kShellCopyCancelHint;
  return spec;
}

void XPStartMenuWindow::FormCreate() {
  Build(this, kControls);
  if (!bApply) return;
  textEdit->SetMaxLength(int(kXPTextLimit));
  SetDefaultButton(bOK);
  SetCancelButton(bCancel);
  bApply->SetEnabled(false);
  FillTree();
  applyChoice_->CreateForm(Hwnd());
  restoreChoice_->CreateForm(Hwnd());
}

void XPStartMenuWindow::FillTree() {
  HTREEITEM category = nullptr;
  for (size_t i = 0; i < kXPStartMenuTree.size(); ++i) {
    const XPStartMenuNode& node = kXPStartMenuTree[i];
    if (node.IsCategory()) {
      category = XPSMTree->Insert(nullptr, node.label, NodeData(i));
    } else {
      XPSMTree->Insert(category, node.label, NodeData(i));
    }
  }
}

void XPStartMenuWindow::LoadOnOpening() {
  bApply->SetEnabled(false);
  deploy::LocateCurrentShell();
  win::ProcessMessages();
  LoadTexts(deploy::CurrentShellPath);
  Invalidate();
}

void XPStartMenuWindow::LoadTexts(const std::string& shellFile) {
  XPStartMenuTextsRead read = LoadXPStartMenuStrings(shellFile);
  texts_ = std::move(read.texts);
  for (HTREEITEM category = XPSMTree->Root(); category != nullptr;
       category = XPSMTree->NextSibling(category)) {
    XPSMTree->Expand(category);
  }
  XPSMTree->Select(XPSMTree->Root());
  // Selecting the node already selected changes nothing the tree reports.
  ShowSelection();
  // Nothing can be written from texts that were not read; the user learns why now.
  if (!read.Ok()) ShowError(read.refusal);
}

const XPStartMenuNode* XPStartMenuWindow::SelectedNode() const {
  const HTREEITEM item = XPSMTree->Selected();
  if (item == nullptr) return nullptr;
  const LPARAM data = XPSMTree->ItemData(item);
  if (data < 1 || size_t(data) > kXPStartMenuTree.size()) return nullptr;
  return &kXPStartMenuTree[size_t(data) - 1];
}

void XPStartMenuWindow::ShowSelection() {
  const XPStartMenuNode* node = SelectedNode();
  if (node != nullptr && !node->IsCategory()) {
    textEdit->SetTextQuietly(win::UnicodeToAnsi(texts_.ShownText(node->id)));
    textEdit->SetReadOnly(false);
    return;
  }
  textEdit->SetReadOnly(true);
  textEdit->SetTextQuietly(node != nullptr ? kSelectPrompt : "");
}

void XPStartMenuWindow::XPSMTreeChange(ui::Control&) {
  ShowSelection();
}

void XPStartMenuWindow::textEditChange(ui::Control&) {
  const XPStartMenuNode* node = SelectedNode();
  if (node == nullptr || node->IsCategory()) {
    // Only a leaf's text can change; anything else puts the prompt back.
    ShowSelection();
    return;
  }
  texts_.SetLeafText(node->id, win::AnsiToUnicode(textEdit->Text()));
  bApply->SetEnabled(true);
}

core::Outcome XPStartMenuWindow::WriteCopy(const std::string& newFile) const {
  return WriteXPStartMenuResources(newFile, texts_);
}

void XPStartMenuWindow::bApplyClick(ui::Control&) {
  if (deploy::ApplyShellCopy(*this, [this](const std::string& file) { return WriteCopy(file); }))
    bApply->SetEnabled(false);
}

void XPStartMenuWindow::bOKClick(ui::Control&) {
  deploy::ConfirmShellCopy(*this, *applyChoice_,
                           [this](const std::string& file) { return WriteCopy(file); });
}

void XPStartMenuWindow::bRestoreClick(ui::Control&) {
  deploy::RestoreSteps steps;
  steps.restoreShell = [] { return RestoreXPStartMenuShell(); };
  steps.loadDefaults = [this] { LoadTexts(deploy::WindowsExplorerPath()); };
  steps.restoredMessage = "The Start Menu is now restored to the Windows default.";
  if (deploy::RestoreShellDefaults(*this, *restoreChoice_, steps)) bApply->SetEnabled(true);
}

void XPStartMenuWindow::FormClose() {
  texts_ = XPStartMenuTexts();
}

}  // namespace startmenu
