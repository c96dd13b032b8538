#include "ui/StandardControls.h"

#include <vector>

namespace ui {

bool Button::Create(HWND parent, Kind kind, const std::string& caption, int x, int y, int width,
                    int height, bool startsGroup) {
  DWORD style = WS_TABSTOP;
  switch (kind) {
    case Kind::kCheckBox:
      style |= BS_AUTOCHECKBOX;
      break;
    case Kind::kRadioButton:
      style |= BS_AUTORADIOBUTTON;
      break;
    case Kind::kGroupBox:
      style = BS_GROUPBOX;
      break;
    case Kind::kPushButton:
      style |= BS_PUSHBUTTON;
      break;
  }
  if (startsGroup) style |= WS_GROUP;
  return Window::Create(ChildArgs(parent, "BUTTON", caption, x, y, width, height, style));
}

bool Button::Checked() const {
  return SendMessageA(Hwnd(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Button::SetChecked(bool checked) {
  SendMessageA(Hwnd(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

HBRUSH Button::OnCtlColor(HDC dc) {
  // Check and radio buttons sit on the windows' white background.
  return WhiteBackground(dc);
}

bool Edit::Create(HWND parent, const std::string& text, int x, int y, int width, int height,
                  DWORD extraStyle) {
  // A single line scrolls sideways; several lines wrap their words instead.
  const DWORD scroll = (extraStyle & ES_MULTILINE) ? 0 : ES_AUTOHSCROLL;
  CreateArgs args =
      ChildArgs(parent, "EDIT", text, x, y, width, height, WS_TABSTOP | scroll | extraStyle);
  args.exStyle = WS_EX_CLIENTEDGE;
  return Window::Create(args);
}

void Edit::SetTextQuietly(const std::string& text) {
  quiet_ = true;
  SetText(text);
  quiet_ = false;
}

void Edit::SetMaxLength(int length) {
  SendMessageA(Hwnd(), EM_LIMITTEXT, WPARAM(length), 0);
}

void Edit::SetReadOnly(bool readOnly) {
  SendMessageA(Hwnd(), EM_SETREADONLY, readOnly, 0);
}

void Edit::SelectAll() {
  SendMessageA(Hwnd(), EM_SETSEL, 0, -1);
}

bool Edit::OnCommand(WORD notifyCode) {
  if (notifyCode != EN_CHANGE) return false;
  if (!quiet_ && onChange) onChange(*this);
  return true;
}

bool ListBox::Create(HWND parent, int x, int y, int width, int height) {
  CreateArgs args = ChildArgs(parent, "LISTBOX", "", x, y, width, height,
                              WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT);
  args.exStyle = WS_EX_CLIENTEDGE;
  return Window::Create(args);
}

int ListBox::Add(const std::string& text) {
  return int(SendMessageA(Hwnd(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
}

void ListBox::Clear() {
  SendMessageA(Hwnd(), LB_RESETCONTENT, 0, 0);
}

int ListBox::Count() const {
  return int(SendMessageA(Hwnd(), LB_GETCOUNT, 0, 0));
}

std::string ListBox::ItemText(int index) const {
  LRESULT length = SendMessageA(Hwnd(), LB_GETTEXTLEN, WPARAM(index), 0);
  if (length == LB_ERR) return {};
  std::vector<char> buffer(size_t(length) + 1, '\0');
  SendMessageA(Hwnd(), LB_GETTEXT, WPARAM(index), reinterpret_cast<LPARAM>(buffer.data()));
  return buffer.data();
}

int ListBox::SelectedIndex() const {
  return int(SendMessageA(Hwnd(), LB_GETCURSEL, 0, 0));
}

void ListBox::SetSelectedIndex(int index) {
  SendMessageA(Hwnd(), LB_SETCURSEL, WPARAM(index), 0);
}

bool ListBox::OnCommand(WORD notifyCode) {
  if (notifyCode != LBN_SELCHANGE) return false;
  if (onSelectionChange) onSelectionChange(*this);
  return true;
}

bool TreeView::Create(HWND parent, int x, int y, int width, int height, bool editLabels,
                      bool dragItems) {
  DWORD style = WS_TABSTOP | TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT | TVS_SHOWSELALWAYS;
  if (editLabels) style |= TVS_EDITLABELS;
  if (!dragItems) style |= TVS_DISABLEDRAGDROP;
  CreateArgs args = ChildArgs(parent, WC_TREEVIEWA, "", x, y, width, height, style);
  args.exStyle = WS_EX_CLIENTEDGE;
  return Window::Create(args);
}

HTREEITEM TreeView::Insert(HTREEITEM parentItem, const std::string& text, LPARAM data,
                           HTREEITEM after, int image) {
  TVINSERTSTRUCTA insert{};
  insert.hParent = parentItem != nullptr ? parentItem : TVI_ROOT;
  insert.hInsertAfter = after;
  insert.item.mask = TVIF_TEXT | TVIF_PARAM;
  insert.item.pszText = const_cast<char*>(text.c_str());
  insert.item.lParam = data;
  if (image >= 0) {
    insert.item.mask |= TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    insert.item.iImage = insert.item.iSelectedImage = image;
  }
  return reinterpret_cast<HTREEITEM>(
      SendMessageA(Hwnd(), TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
}

void TreeView::Delete(HTREEITEM item) {
  SendMessageA(Hwnd(), TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(item));
}

void TreeView::Clear() {
  Delete(TVI_ROOT);
}

HTREEITEM TreeView::Root() const {
  return TreeView_GetRoot(Hwnd());
}

HTREEITEM TreeView::Selected() const {
  return TreeView_GetSelection(Hwnd());
}

void TreeView::Select(HTREEITEM item) {
  TreeView_SelectItem(Hwnd(), item);
}

HTREEITEM TreeView::ParentOf(HTREEITEM item) const {
  return TreeView_GetParent(Hwnd(), item);
}

HTREEITEM TreeView::FirstChild(HTREEITEM item) const {
  return TreeView_GetChild(Hwnd(), item);
}

HTREEITEM TreeView::NextSibling(HTREEITEM item) const {
  return TreeView_GetNextSibling(Hwnd(), item);
}

HTREEITEM TreeView::PreviousSibling(HTREEITEM item) const {
  return TreeView_GetPrevSibling(Hwnd(), item);
}

bool TreeView::IsExpanded(HTREEITEM item) const {
  return (TreeView_GetItemState(Hwnd(), item, TVIS_EXPANDED) & TVIS_EXPANDED) != 0;
}

std::string TreeView::ItemText(HTREEITEM item) const {
  // Tree items hold at most 260 characters of text that the control shows;
  // longer texts are kept by the windows in their own tables.
  char buffer[1024] = {};
  TVITEMA tv{};
  tv.mask = TVIF_TEXT;
  tv.hItem = item;
  tv.pszText = buffer;
  tv.cchTextMax = sizeof buffer;
  SendMessageA(Hwnd(), TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&tv));
  return buffer;
}

void TreeView::SetItemText(HTREEITEM item, const std::string& text) {
  TVITEMA tv{};
  tv.mask = TVIF_TEXT;
  tv.hItem = item;
  tv.pszText = const_cast<char*>(text.c_str());
  SendMessageA(Hwnd(), TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&tv));
}

void TreeView::SetItemImage(HTREEITEM item, int image) {
  TVITEMA tv{};
  tv.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE;
  tv.hItem = item;
  tv.iImage = tv.iSelectedImage = image;
  SendMessageA(Hwnd(), TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&tv));
}

LPARAM TreeView::ItemData(HTREEITEM item) const {
  TVITEMA tv{};
  tv.mask = TVIF_PARAM;
  tv.hItem = item;
  SendMessageA(Hwnd(), TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&tv));
  return tv.lParam;
}

void TreeView::Expand(HTREEITEM item) {
  TreeView_Expand(Hwnd(), item, TVE_EXPAND);
}

void TreeView::EditLabel(HTREEITEM item) {
  SetFocus(Hwnd());
  SendMessageA(Hwnd(), TVM_EDITLABELA, 0, reinterpret_cast<LPARAM>(item));
}

HWND TreeView::EditControl() const {
  return TreeView_GetEditControl(Hwnd());
}

HTREEITEM TreeView::HitTest(int x, int y) const {
  return HitTest(x, y, TVHT_ONITEM);
}

HTREEITEM TreeView::HitTest(int x, int y, UINT parts) const {
  TVHITTESTINFO info{};
  info.pt = {x, y};
  HTREEITEM item = TreeView_HitTest(Hwnd(), &info);
  return (info.flags & parts) ? item : nullptr;
}

void TreeView::SetDropTarget(HTREEITEM item) {
  TreeView_SelectDropTarget(Hwnd(), item);
}

void TreeView::SetImageList(HIMAGELIST images) {
  TreeView_SetImageList(Hwnd(), images, TVSIL_NORMAL);
}

void TreeView::SetHotTracking(bool hot) {
  // The control reads its style when the pointer moves, so a change counts at once.
  const LONG_PTR style = GetWindowLongPtrA(Hwnd(), GWL_STYLE);
  SetWindowLongPtrA(Hwnd(), GWL_STYLE, hot ? style | TVS_TRACKSELECT : style & ~TVS_TRACKSELECT);
}

void TreeView::SetIndent(int pixels) {
  TreeView_SetIndent(Hwnd(), pixels);
}

void TreeView::SetRedraw(bool redraw) {
  SendMessageA(Hwnd(), WM_SETREDRAW, redraw ? TRUE : FALSE, 0);
  if (redraw) InvalidateRect(Hwnd(), nullptr, TRUE);
}

bool TreeView::OnNotify(NMHDR* header, LRESULT* result) {
  *result = 0;
  switch (header->code) {
    case TVN_SELCHANGEDA:
    case TVN_SELCHANGEDW:
      if (onSelect) onSelect(*this, reinterpret_cast<NMTREEVIEWA*>(header)->itemNew.hItem);
      return true;
    case TVN_BEGINLABELEDITA: {
      auto* info = reinterpret_cast<NMTVDISPINFOA*>(header);
      // Nonzero cancels the edit.
      const bool cancel = onBeginEdit && !onBeginEdit(*this, info->item.hItem);
      editing_ = !cancel;
      *result = cancel ? TRUE : FALSE;
      return true;
    }
    case TVN_ENDLABELEDITA: {
      // Wine's tree ends an edit a second time when its edit box, losing the
      // focus as it is destroyed, asks to end it: one edit has one end, and
      // the repeat gets the first answer.
      if (!editing_) {
        *result = lastEditAccepted_ ? TRUE : FALSE;
        return true;
      }
      editing_ = false;
      auto* info = reinterpret_cast<NMTVDISPINFOA*>(header);
      lastEditAccepted_ = onEndEdit ? onEndEdit(*this, info->item.hItem, info->item.pszText)
                                    : info->item.pszText != nullptr;
      *result = lastEditAccepted_ ? TRUE : FALSE;
      return true;
    }
    case TVN_KEYDOWN:
      if (onKeyDown) onKeyDown(*this, reinterpret_cast<NMTVKEYDOWN*>(header)->wVKey);
      return true;
    case TVN_BEGINDRAGA:
    case TVN_BEGINDRAGW: {
      auto* info = reinterpret_cast<NMTREEVIEWA*>(header);
      if (!onBeginDrag) return true;
      dragging_ = true;
      SetCapture(Hwnd());
      // The item follows the pointer as the platform draws it; a tree
      // without an image list gets no picture and drags all the same.
      dragImage_ = TreeView_CreateDragImage(Hwnd(), info->itemNew.hItem);
      if (dragImage_ != nullptr) {
        ImageList_BeginDrag(dragImage_, 0, 0, 0);
        ImageList_DragEnter(Hwnd(), info->ptDrag.x, info->ptDrag.y);
      }
      onBeginDrag(*this, info->itemNew.hItem);
      return true;
    }
    default:
      return false;
  }
}

void TreeView::EndDragImage() {
  if (dragImage_ == nullptr) return;
  ImageList_DragLeave(Hwnd());
  ImageList_EndDrag();
  ImageList_Destroy(dragImage_);
  dragImage_ = nullptr;
}

LRESULT TreeView::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (dragging_) {
    const int x = short(LOWORD(lParam));
    const int y = short(HIWORD(lParam));
    if (msg == WM_MOUSEMOVE) {
      // The drag image is hidden while the tree repaints the drop target,
      // or the two would smear each other.
      if (dragImage_ != nullptr) ImageList_DragShowNolock(FALSE);
      SetDropTarget(HitTest(x, y));
      if (onDragOver) onDragOver(*this, x, y);
      if (dragImage_ != nullptr) {
        UpdateWindow(Hwnd());
        ImageList_DragShowNolock(TRUE);
        ImageList_DragMove(x, y);
      }
      return 0;
    }
    if (msg == WM_LBUTTONUP) {
      dragging_ = false;
      EndDragImage();
      ReleaseCapture();
      SetDropTarget(nullptr);
      if (onDrop) onDrop(*this, x, y);
      return 0;
    }
    if (msg == WM_CAPTURECHANGED) {
      dragging_ = false;
      EndDragImage();
      SetDropTarget(nullptr);
    }
  }
  return Control::WndProc(msg, wParam, lParam);
}

bool TabControl::Create(HWND parent, int x, int y, int width, int height) {
  return Window::Create(
      ChildArgs(parent, WC_TABCONTROLA, "", x, y, width, height, WS_TABSTOP | WS_CLIPSIBLINGS));
}

int TabControl::AddTab(const std::string& text) {
  TCITEMA item{};
  item.mask = TCIF_TEXT;
  item.pszText = const_cast<char*>(text.c_str());
  const int count = int(SendMessageA(Hwnd(), TCM_GETITEMCOUNT, 0, 0));
  return int(SendMessageA(Hwnd(), TCM_INSERTITEMA, WPARAM(count), reinterpret_cast<LPARAM>(&item)));
}

int TabControl::Selected() const {
  return int(SendMessageA(Hwnd(), TCM_GETCURSEL, 0, 0));
}

void TabControl::SetSelected(int index) {
  SendMessageA(Hwnd(), TCM_SETCURSEL, WPARAM(index), 0);
  SelectionChanged();
}

RECT TabControl::PageArea() const {
  RECT area = ClientRect();
  TabCtrl_AdjustRect(Hwnd(), FALSE, &area);
  return area;
}

void TabControl::AddPage(const std::string& text, Window& page) {
  AddTab(text);
  pages_.push_back(&page);
  // The display area is known only once a tab gives the strip its height: a
  // page placed before its tab existed would cover the tabs.
  const RECT area = PageArea();
  for (Window* each : pages_)
    each->SetBounds(area.left, area.top, area.right - area.left, area.bottom - area.top);
  SelectionChanged();
}

void TabControl::SelectionChanged() {
  const int selected = Selected();
  for (size_t i = 0; i < pages_.size(); ++i) pages_[i]->SetVisible(int(i) == selected);
}

bool TabControl::OnNotify(NMHDR* header, LRESULT* result) {
  *result = 0;
  if (header->code != TCN_SELCHANGE) return false;
  SelectionChanged();
  if (onChange) onChange(*this);
  return true;
}

bool ProgressBar::Create(HWND parent, int x, int y, int width, int height) {
  return Window::Create(ChildArgs(parent, PROGRESS_CLASSA, "", x, y, width, height, 0));
}

void ProgressBar::SetRange(int minimum, int maximum) {
  SendMessageA(Hwnd(), PBM_SETRANGE32, WPARAM(minimum), LPARAM(maximum));
}

void ProgressBar::SetPosition(int position) {
  SendMessageA(Hwnd(), PBM_SETPOS, WPARAM(position), 0);
}

int ProgressBar::Position() const {
  return int(SendMessageA(Hwnd(), PBM_GETPOS, 0, 0));
}

void ProgressBar::SetSmooth(bool smooth) {
  // The bar reads its style when it paints.
  const LONG_PTR style = GetWindowLongPtrA(Hwnd(), GWL_STYLE);
  SetWindowLongPtrA(Hwnd(), GWL_STYLE, smooth ? style | PBS_SMOOTH : style & ~PBS_SMOOTH);
  InvalidateRect(Hwnd(), nullptr, TRUE);
}

bool UpDown::Create(HWND parent, Edit& buddy, int minimum, int maximum) {
  RECT bounds = buddy.BoundsInParent();
  if (!Window::Create(ChildArgs(parent, UPDOWN_CLASSA, "", bounds.right, bounds.top, 16,
                                bounds.bottom - bounds.top,
                                UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS))) {
    return false;
  }
  SendMessageA(Hwnd(), UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy.Hwnd()), 0);
  SendMessageA(Hwnd(), UDM_SETRANGE32, WPARAM(minimum), LPARAM(maximum));
  return true;
}

int UpDown::Position() const {
  return int(SendMessageA(Hwnd(), UDM_GETPOS32, 0, 0));
}

void UpDown::SetPosition(int position) {
  SendMessageA(Hwnd(), UDM_SETPOS32, 0, LPARAM(position));
}

}  // namespace ui
