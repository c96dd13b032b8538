#pragma once
// The Start Button Manager (registered as `TSBmgr`): the Start button's
// word, tooltip and, on Windows XP, its picture, written into a new copy of
// the shell file that then becomes the shell.

#include <memory>
#include <string>

#include "startbutton/StartButtonResources.h"
#include "ui/ChoiceDialog.h"
#include "ui/Form.h"

namespace ui {
class Edit;
class GroupBox;
}  // namespace ui

namespace startbutton {

class RightClickMenuWindow;

class StartButtonWindow : public ui::Form {
 public:
  static constexpr int kClientWidth = 470;
  static constexpr int kClientHeight = 276;

  StartButtonWindow();
  ~StartButtonWindow() override;

  // The dialogs it shows, created with it and kept as long as it lives:
  // `TfDialog3` after OK, `TfDialog4` after Restore, and `TSBcontext`.
  ui::ChoiceDialog& ApplyChoice() const { return *applyChoice_; }
  ui::ChoiceDialog& RestoreChoice() const { return *restoreChoice_; }
  RightClickMenuWindow& RightClickMenu() const { return *rightClickMenu_; }

 protected:
  const char* ClassName() const override { return "TSBmgr"; }
  ui::FormSpec Spec() const override;
  void FormCreate() override;
  // Reads the texts afresh from the shell file Windows uses now.
  void LoadOnOpening() override;
  // Edits not written are gone once the window closes.
  void FormClose() override;

 private:
  static const ui::ControlDef<StartButtonWindow> kControls[];

  // Handlers, bound by the control table.
  void tStartChange(ui::Control& sender);
  void tTooltipChange(ui::Control& sender);
  void bOKClick(ui::Control& sender) override;
  void bApplyClick(ui::Control& sender);
  void bRestoreClick(ui::Control& sender);
  void bContextClick(ui::Control& sender);
  void XPSBChangeClick(ui::Control& sender);
  void XPSBRestoreClick(ui::Control& sender);

  bool IsXP() const;
  // The copy newFile with the edits, then the shell setting (and on XP the
  // XP Start Menu keys) pointed at it; a picture left out is said here.
  core::Outcome WriteCopy(const std::string& newFile) const;
  // Reads the three tables from file into the edit and the boxes.
  void LoadTables(const std::string& file);
  void FillBox(ui::Edit& box, const StringTable& table);

  StartButtonEdit edit_;
  ui::Edit* tStart = nullptr;
  ui::Edit* tTooltip = nullptr;
  ui::GroupBox* BXPSBIcon = nullptr;
  ui::Control* bOK = nullptr;
  ui::Control* bCancel = nullptr;
  ui::Control* bApply = nullptr;
  std::unique_ptr<ui::ChoiceDialog> applyChoice_;
  std::unique_ptr<ui::ChoiceDialog> restoreChoice_;
  std::unique_ptr<RightClickMenuWindow> rightClickMenu_;
};

}  // namespace startbutton
