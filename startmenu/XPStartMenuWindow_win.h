#pragma once
// The XP Start Menu Manager (registered as `TXPSMmgr`): the names and hints
// of the new-look Windows XP Start menu and two of its notification messages,
// picked from a fixed tree and written into a new copy of the shell file
// that then becomes the shell, with the XP Start Menu item keys pointed at it.

#include <memory>
#include <string>

#include "core/Outcome.h"
#include "startmenu/XPStartMenuTexts.h"
#include "ui/ChoiceDialog.h"
#include "ui/Form.h"

namespace ui {
class Edit;
class TreeView;
}  // namespace ui

namespace startmenu {

class XPStartMenuWindow : public ui::Form {
 public:
  static constexpr int kClientWidth = 470;
  static constexpr int kClientHeight = 330;
  // What the text box shows while a category or nothing is selected.
  static constexpr char kSelectPrompt[] = "Select an item to customise";

  XPStartMenuWindow();
  ~XPStartMenuWindow() override;

  // The Start Menu Manager's choices, created with the window and kept as
  // long as it lives: `TfDialog1` after OK, `TfDialog2` after Restore.
  ui::ChoiceDialog& ApplyChoice() const { return *applyChoice_; }
  ui::ChoiceDialog& RestoreChoice() const { return *restoreChoice_; }

 protected:
  const char* ClassName() const override { return "TXPSMmgr"; }
  ui::FormSpec Spec() const override;
  void FormCreate() override;
  // Reads the texts afresh from the shell file Windows uses now.
  void LoadOnOpening() override;
  // Edits not written are gone once the window closes.
  void FormClose() override;

 private:
  static const ui::ControlDef<XPStartMenuWindow> kControls[];

  // Handlers, bound by the control table.
  void XPSMTreeChange(ui::Control& sender);
  void textEditChange(ui::Control& sender);
  void bOKClick(ui::Control& sender) override;
  void bApplyClick(ui::Control& sender);
  void bRestoreClick(ui::Control& sender);

  void FillTree();
  // LoadXPStartMenuStrings: the six blocks of shellFile into the tables,
  // the tree fully expanded with its first node selected.
  void LoadTexts(const std::string& shellFile);
  // The text box for the selected node: a leaf's text to edit, or the
  // prompt (a category) or nothing, read-only.
  void ShowSelection();
  const XPStartMenuNode* SelectedNode() const;
  // The copy newFile with the six blocks, then the keys and the shell
  // setting pointed at it.
  core::Outcome WriteCopy(const std::string& newFile) const;

  XPStartMenuTexts texts_;
  ui::TreeView* XPSMTree = nullptr;
  ui::Edit* textEdit = nullptr;
  ui::Control* bOK = nullptr;
  ui::Control* bCancel = nullptr;
  ui::Control* bApply = nullptr;
  std::unique_ptr<ui::ChoiceDialog> applyChoice_;
  std::unique_ptr<ui::ChoiceDialog> restoreChoice_;
};

}  // namespace startmenu
