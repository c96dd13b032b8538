#pragma once
// TSBcontext: the entries of the Start button's right-click menu, listed,
// added, changed and deleted in the registry at once.

#include "ui/Form.h"

namespace ui {
class Edit;
class ListBox;
}  // namespace ui

class TSBcontext : public ui::Form {
 public:
  static constexpr int kClientWidth = 386;
  static constexpr int kClientHeight = 288;

  // Shows the window modally, the list read afresh from the registry.
  int Execute();

  // Fills the list from the registry and empties the edits.
  void LoadMenuItems();
  // Validates the edits and writes one entry; true when written.
  bool SaveMenuItem(bool isUpdate);

  // Handlers, bound by the window's control table.
  void MenuItemsClick(ui::Control& sender);
  void bAddClick(ui::Control& sender);
  void bUpdateClick(ui::Control& sender);
  void bDeleteClick(ui::Control& sender);
  void bBrowseClick(ui::Control& sender);
  void bOKClick(ui::Control& sender);

 protected:
  const char* ClassName() const override { return "TSBcontext"; }
  ui::FormSpec Spec() const override;
  void FormCreate() override;
  void FormActivate() override;

 private:
  int Ask(const std::string& text, UINT flags);
  // The selected entry's name, or empty when none is selected.
  std::string SelectedName() const;
  bool RefuseReservedName();

  ui::ListBox* menuItems_ = nullptr;
  ui::Edit* tName_ = nullptr;
  ui::Edit* tShortcut_ = nullptr;
  bool loadPending_ = false;
};
