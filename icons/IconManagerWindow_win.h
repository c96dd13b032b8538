#pragma once
// The Icon Manager (registered as `TIconMgr`): the catalogue's icons as a
// fixed tree, the selected one's file and index, a new icon from the shell's
// Change Icon dialog, the shell's defaults, and Apply, which writes every
// setting and makes the shell reload its icons. It edits its own catalogue,
// read afresh (behind the progress window `TfDialog5`) at every opening.

#include <windows.h>
// After <windows.h>, which it needs.
#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "icons/IconCatalogue.h"
#include "icons/WindowsRegistryStore.h"
#include "ui/Form.h"

namespace ui {
class Edit;
class GroupBox;
class Image;
class Label;
class TreeView;
}  // namespace ui

namespace icons {

class IconProgressWindow;

class IconManagerWindow : public ui::Form {
 public:
  static constexpr int kClientWidth = 560;
  static constexpr int kClientHeight = 372;

  IconManagerWindow();
  ~IconManagerWindow() override;

  // Created with this window and kept as long as it lives.
  IconProgressWindow& Progress() const { return *progress_; }
  const IconCatalogue& Catalogue() const { return catalogue_; }
  // Image n is entry n's icon.
  HIMAGELIST ShellImages() const { return images_.get(); }

 protected:
  const char* ClassName() const override { return "TIconMgr"; }
  ui::FormSpec Spec() const override;
  void FormCreate() override;
  // Reads the catalogue behind the progress window, then shows "Start Menu".
  void LoadOnOpening() override;

 private:
  static const ui::ControlDef<IconManagerWindow> kControls[];

  // Handlers, bound by the control table.
  void IconTreeChange(ui::Control& sender);
  void IconTreeMouseMove(ui::Control& sender);
  void bChangeClick(ui::Control& sender);
  void bDefaultClick(ui::Control& sender);
  void bOKClick(ui::Control& sender) override;
  void bApplyClick(ui::Control& sender);
  void bRestoreClick(ui::Control& sender);
  void bRebuildClick(ui::Control& sender);

  void BuildTree();
  // The entry the selected node edits; -1 for a top-level node or none.
  int SelectedEntry() const;
  void ShowSelection();
  void AppendImage(const IconEntry& entry);
  void RefreshImage(int entry);
  // A changed entry: the details, its tree image and Apply follow.
  void EntryChanged(int entry);
  // Writes the catalogue and rebuilds the icon cache; false once the
  // window has said why not.
  bool ApplyAll();

  struct ImageListDeleter {
    void operator()(HIMAGELIST list) const { ImageList_Destroy(list); }
  };

  IconCatalogue catalogue_{};
  WindowsRegistryStore registry_;
  std::string systemDirectory_;
  std::unique_ptr<std::remove_pointer_t<HIMAGELIST>, ImageListDeleter> images_;
  std::unique_ptr<IconProgressWindow> progress_;
  std::vector<HTREEITEM> nodes_;  // one per kIconTree row
  ui::TreeView* IconTree = nullptr;
  ui::GroupBox* b1 = nullptr;
  ui::Image* iIcon = nullptr;
  ui::Edit* tIconFile = nullptr;
  ui::Label* lIconIndex = nullptr;
  ui::Control* bChange = nullptr;
  ui::Control* bDefault = nullptr;
  ui::Control* bOK = nullptr;
  ui::Control* bCancel = nullptr;
  ui::Control* bApply = nullptr;
};

}  // namespace icons
