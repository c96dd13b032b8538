#pragma once
// The Start button's right-click menu window (registered as `TSBcontext`):
// its entries listed, added, changed and deleted in the registry at once.

#include <string>

#include "ui/Form.h"

namespace ui {
class Edit;
class ListBox;
}  // namespace ui

namespace startbutton {

class RightClickMenuWindow : public ui::Form {
 public:
  static constexpr int kClientWidth = 386;
  static constexpr int kClientHeight = 288;

  // Fills the list from the registry and empties the edits.
  void LoadMenuItems();
  // Validates the edits and writes one entry; true when written.
  bool SaveMenuItem(bool isUpdate);

 protected:
  const char* ClassName() const override { return "TSBcontext"; }
  ui::FormSpec Spec() const override;
  void FormCreate() override;
  void LoadOnOpening() override { LoadMenuItems(); }

 private:
  static const ui::ControlDef<RightClickMenuWindow> kControls[];

  // Handlers, bound by the control table.
  void MenuItemsClick(ui::Control& sender);
  void bAddClick(ui::Control& sender);
  void bUpdateClick(ui::Control& sender);
  void bDeleteClick(ui::Control& sender);
  void bBrowseClick(ui::Control& sender);

  // The selected entry's name, or empty when none is selected.
  std::string SelectedName() const;
  bool RefuseReservedName();

  ui::ListBox* MenuItems = nullptr;
  ui::Edit* tName = nullptr;
  ui::Edit* tShortcut = nullptr;
  ui::Control* bBrowse = nullptr;
  ui::Control* bUpdate = nullptr;
  ui::Control* bDelete = nullptr;
  ui::Control* bOK = nullptr;
};

}  // namespace startbutton
