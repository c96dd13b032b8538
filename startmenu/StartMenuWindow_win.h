#pragma once
// The Start Menu Manager (registered as `TSMmgr`): the classic Start menu of
// the shell Windows uses now as a tree to rename, turn into separators,
// remove, add and reorder items in, and the menu's vertical logo; written
// into a new copy of the shell file that then becomes the shell.

#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "startmenu/StartMenuModel.h"
#include "startmenu/StartMenuResources_win.h"
#include "ui/ChoiceDialog.h"
#include "ui/Form.h"

namespace ui {
class Button;
class Edit;
class GroupBox;
class Image;
class TreeView;
}  // namespace ui

namespace startmenu {

class MenuTreeMirror;
class VerticalLogoPreview;

class StartMenuWindow : public ui::Form {
 public:
  static constexpr int kClientWidth = 540;
  static constexpr int kClientHeight = 396;

  // bannerId: StartBannerBitmapId, the vertical logo's bitmap in the shell.
  explicit StartMenuWindow(uint32_t bannerId);
  ~StartMenuWindow() override;

  // The dialogs it shows, created with it and kept as long as it lives:
  // `TfDialog1` after OK, `TfDialog2` after Restore, `TfDialog6` the preview.
  ui::ChoiceDialog& ApplyChoice() const { return *applyChoice_; }
  ui::ChoiceDialog& RestoreChoice() const { return *restoreChoice_; }
  VerticalLogoPreview& LogoPreview() const { return *logoPreview_; }

  // The menu as edited so far, for tests.
  const StartMenuModel& Model() const { return model_; }

 protected:
  const char* ClassName() const override { return "TSMmgr"; }
  ui::FormSpec Spec() const override;
  void FormCreate() override;
  // FormActivate of an opening: the menu afresh from the shell Windows uses now.
  void LoadOnOpening() override;
  // Edits not written are gone once the window closes.
  void FormClose() override;

 private:
  static const ui::ControlDef<StartMenuWindow> kControls[];

  // Handlers, bound by the control table. While a label is being edited in
  // place, the buttons and the Delete key do nothing.
  void SMTreeChange(ui::Control& sender);
  bool SMTreeEdited(ui::TreeView& tree, HTREEITEM item, const char* text);
  void SMTreeMouseMove(ui::Control& sender);
  void SMTreeDragDrop(int x, int y);
  void SMTreeKeyDown(WORD key);
  void tTextChange(ui::Control& sender);
  void cSeparatorClick(ui::Control& sender);
  void bAddClick(ui::Control& sender);
  void bRemoveClick(ui::Control& sender);
  void bVLChangeClick(ui::Control& sender);
  void bVLRestoreClick(ui::Control& sender);
  void bVLPreviewClick(ui::Control& sender);
  void bOKClick(ui::Control& sender) override;
  void bCancelClick(ui::Control& sender) override;
  void bCloseClick(ui::Control& sender) override;
  void bApplyClick(ui::Control& sender);
  void bRestoreClick(ui::Control& sender);

  bool LabelBeingEdited() const;
  // The selected node; kNoNode for none.
  NodeId SelectedNode() const;
  // The item group for the selection: enabled with its text and separator
  // flag for an item, the empty-selection state for none or the root.
  void ShowSelection();
  // Apply is enabled by the user's changes, never by the window's filling.
  void Changed();
  void SetSeparator(NodeId node, bool on);
  void SelectNode(NodeId node);
  // Menu 204 of file into the model and the tree; false after saying why.
  bool ReadMenu(const std::string& file);
  void ShowDisplayLogo();
  // Writes and activates a new shell copy with the edits: its path, or
  // nothing once the window has said why (and, when no name is free, closed).
  std::optional<std::string> WriteNewShell();

  uint32_t bannerId_;
  StartMenuModel model_;
  VerticalLogoChange logo_;  // VLChanged, VLRestore, VLFile
  // The filling state: the window itself is putting text into tText or
  // setting cSeparator.
  bool filling_ = false;

  ui::TreeView* SMTree = nullptr;
  ui::GroupBox* b1 = nullptr;
  ui::Edit* tText = nullptr;
  ui::Button* cSeparator = nullptr;
  ui::Control* bAdd = nullptr;
  ui::Control* bRemove = nullptr;
  ui::Control* lText = nullptr;
  ui::Control* lOptions = nullptr;
  ui::Image* sp = nullptr;
  ui::Image* vl = nullptr;
  ui::Control* bOK = nullptr;
  ui::Control* bCancel = nullptr;
  ui::Control* bApply = nullptr;
  std::unique_ptr<MenuTreeMirror> mirror_;
  std::unique_ptr<ui::ChoiceDialog> applyChoice_;
  std::unique_ptr<ui::ChoiceDialog> restoreChoice_;
  std::unique_ptr<VerticalLogoPreview> logoPreview_;
};

}  // namespace startmenu
