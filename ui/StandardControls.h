#pragma once
// Thin wrappers over the standard controls the windows use. Each method is
// one message; events come back through the parent as WM_COMMAND/WM_NOTIFY.

#include <windows.h>
// After <windows.h>, which it needs.
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "ui/Control.h"

namespace ui {

// Check box, radio button or group box.
class Button : public Control {
 public:
  enum class Kind { kCheckBox, kRadioButton, kGroupBox, kPushButton };
  // The first radio button of a group gets WS_GROUP.
  bool Create(HWND parent, Kind kind, const std::string& caption, int x, int y, int width,
              int height, bool startsGroup = false);
  bool Checked() const;
  void SetChecked(bool checked);
  HBRUSH OnCtlColor(HDC dc) override;
};

class Edit : public Control {
 public:
  bool Create(HWND parent, const std::string& text, int x, int y, int width, int height,
              DWORD extraStyle = 0);
  // Text put in by the window itself: onChange does not fire.
  void SetTextQuietly(const std::string& text);
  void SetMaxLength(int length);
  void SetReadOnly(bool readOnly);
  void SelectAll();
  std::function<void(Edit&)> onChange;
  bool OnCommand(WORD notifyCode) override;

 private:
  bool quiet_ = false;
};

class ListBox : public Control {
 public:
  bool Create(HWND parent, int x, int y, int width, int height);
  int Add(const std::string& text);
  void Clear();
  int Count() const;
  std::string ItemText(int index) const;
  int SelectedIndex() const;
  void SetSelectedIndex(int index);
  std::function<void(ListBox&)> onSelectionChange;
  bool OnCommand(WORD notifyCode) override;
};

class TreeView : public Control {
 public:
  bool Create(HWND parent, int x, int y, int width, int height, bool editLabels, bool dragItems);
  // image: the index in the image list, for the item selected too; -1 none.
  HTREEITEM Insert(HTREEITEM parentItem, const std::string& text, LPARAM data = 0,
                   HTREEITEM after = TVI_LAST, int image = -1);
  void Delete(HTREEITEM item);
  void Clear();
  HTREEITEM Root() const;
  HTREEITEM Selected() const;
  void Select(HTREEITEM item);
  HTREEITEM ParentOf(HTREEITEM item) const;
  HTREEITEM FirstChild(HTREEITEM item) const;
  HTREEITEM NextSibling(HTREEITEM item) const;
  HTREEITEM PreviousSibling(HTREEITEM item) const;
  bool IsExpanded(HTREEITEM item) const;
  std::string ItemText(HTREEITEM item) const;
  void SetItemText(HTREEITEM item, const std::string& text);
  // The image list's image shown for the item, selected or not.
  void SetItemImage(HTREEITEM item, int image);
  LPARAM ItemData(HTREEITEM item) const;
  void Expand(HTREEITEM item);
  void EditLabel(HTREEITEM item);
  // While a label is being edited in place; the editor's edit control.
  bool Editing() const { return editing_; }
  HWND EditControl() const;
  // The item at a point of the control's client area, or nullptr.
  HTREEITEM HitTest(int x, int y) const;
  // The same for the parts of the row that `parts` names (TVHT_ONITEM,
  // TVHT_ONITEMINDENT, TVHT_ONITEMRIGHT, ...).
  HTREEITEM HitTest(int x, int y, UINT parts) const;
  void SetDropTarget(HTREEITEM item);
  void SetImageList(HIMAGELIST images);
  // Items light up under the mouse pointer.
  void SetHotTracking(bool hot);
  void SetIndent(int pixels);
  // Off while many items change, so the tree paints once at the end.
  void SetRedraw(bool redraw);

  std::function<void(TreeView&, HTREEITEM)> onSelect;
  // Returns whether the new text is accepted; text is nullptr when cancelled.
  std::function<bool(TreeView&, HTREEITEM, const char* text)> onEndEdit;
  std::function<bool(TreeView&, HTREEITEM)> onBeginEdit;
  // A key pressed on the tree itself (not in the label editor).
  std::function<void(TreeView&, WORD virtualKey)> onKeyDown;
  // Dragging: begins with the item, moves over (client) points, ends with a
  // drop. The tree shows the platform's drag image of the item meanwhile.
  std::function<void(TreeView&, HTREEITEM)> onBeginDrag;
  std::function<void(TreeView&, int x, int y)> onDragOver;
  std::function<void(TreeView&, int x, int y)> onDrop;
  bool Dragging() const { return dragging_; }

  bool OnNotify(NMHDR* header, LRESULT* result) override;

 protected:
  LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  void EndDragImage();

  bool dragging_ = false;
  HIMAGELIST dragImage_ = nullptr;
  bool editing_ = false;
  bool lastEditAccepted_ = false;
};

// A tab control; as a page control each tab shows one page (ui/Containers.h)
// and hides the others.
class TabControl : public Control {
 public:
  bool Create(HWND parent, int x, int y, int width, int height);
  int AddTab(const std::string& text);
  int Selected() const;
  // Selects the tab and shows its page, as a user's click would, but
  // without onChange.
  void SetSelected(int index);
  // The area inside the tabs' frame, in the control's client coordinates.
  RECT PageArea() const;
  // Adds a tab for `page`; the first page added is shown.
  void AddPage(const std::string& text, Window& page);
  std::function<void(TabControl&)> onChange;
  bool OnNotify(NMHDR* header, LRESULT* result) override;

 private:
  void SelectionChanged();

  std::vector<Window*> pages_;
};

class ProgressBar : public Control {
 public:
  bool Create(HWND parent, int x, int y, int width, int height);
  void SetRange(int minimum, int maximum);
  void SetPosition(int position);
  int Position() const;
  // One continuous bar instead of blocks.
  void SetSmooth(bool smooth);
};

// A number box: an up-down control bound to an edit.
class UpDown : public Control {
 public:
  bool Create(HWND parent, Edit& buddy, int minimum, int maximum);
  int Position() const;
  void SetPosition(int position);
};

}  // namespace ui
