#include "startmenu/MenuTreeMirror_win.h"

#include "ui/Application.h"
#include "ui/StandardControls.h"
#include "win/AnsiText.h"
#include "win/ScopedGdi.h"

namespace startmenu {

namespace {

constexpr int kImageSize = 16;
constexpr COLORREF kMaskColour = RGB(255, 0, 255);

// A menu item: a small page with two lines of text.
void DrawItemPicture(HDC dc, int left) {
  RECT page{left + 3, 1, left + 13, 15};
  FillRect(dc, &page, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  FrameRect(dc, &page, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
  for (int y : {5, 8, 11}) {
    RECT line{left + 5, y, left + 11, y + 1};
    FillRect(dc, &line, static_cast<HBRUSH>(GetStockObject(DKGRAY_BRUSH)));
  }
}

// A separator: the bevelled line it is in a menu.
void DrawSeparatorPicture(HDC dc, int left) {
  RECT shadow{left + 1, 7, left + 15, 8};
  FillRect(dc, &shadow, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
  RECT light{left + 1, 8, left + 15, 9};
  FillRect(dc, &light, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
}

HIMAGELIST MakeImages() {
  HIMAGELIST images = ImageList_Create(kImageSize, kImageSize, ILC_COLOR24 | ILC_MASK, 3, 0);
  if (images == nullptr) return nullptr;
  HDC screen = GetDC(nullptr);
  win::ScopedBitmap strip(CreateCompatibleBitmap(screen, 2 * kImageSize, kImageSize));
  {
    win::ScopedCompatibleDc dc(screen);
    win::ScopedSelect select(dc.Get(), strip.Get());
    win::ScopedBrush mask(CreateSolidBrush(kMaskColour));
    RECT all{0, 0, 2 * kImageSize, kImageSize};
    FillRect(dc.Get(), &all, mask.Get());
    DrawItemPicture(dc.Get(), 0);
    DrawSeparatorPicture(dc.Get(), kImageSize);
  }
  ReleaseDC(nullptr, screen);
  // Image 0 the item, 1 the separator, 2 the root: the program's icon.
  ImageList_AddMasked(images, strip.Get(), kMaskColour);
  HICON icon = ui::LoadProgramSmallIcon();
  ImageList_AddIcon(images, icon);
  if (icon != nullptr) DestroyIcon(icon);
  return images;
}

}  // namespace

MenuTreeMirror::MenuTreeMirror(ui::TreeView& tree) : tree_(tree), images_(MakeImages()) {
  tree_.SetImageList(images_);
}

MenuTreeMirror::~MenuTreeMirror() {
  if (tree_.IsCreated()) tree_.SetImageList(nullptr);
  if (images_ != nullptr) ImageList_Destroy(images_);
}

void MenuTreeMirror::Fill(const StartMenuModel& model) {
  SendMessageA(tree_.Hwnd(), WM_SETREDRAW, FALSE, 0);
  tree_.Clear();
  if (!model.Empty()) {
    const NodeId root = model.Root();
    const MenuNode& node = model.Node(root);
    HTREEITEM item = tree_.Insert(nullptr, win::UnicodeToAnsi(node.label), LPARAM(root), TVI_LAST,
                                  int(node.image));
    InsertChildren(model, item, root, {});
    tree_.Expand(item);
  }
  SendMessageA(tree_.Hwnd(), WM_SETREDRAW, TRUE, 0);
  tree_.Invalidate();
}

void MenuTreeMirror::Clear() {
  tree_.Clear();
}

void MenuTreeMirror::InsertChildren(const StartMenuModel& model, HTREEITEM item, NodeId node,
                                    const std::set<NodeId>& open) {
  for (NodeId child : model.Node(node).children) {
    const MenuNode& childNode = model.Node(child);
    HTREEITEM childItem = tree_.Insert(item, win::UnicodeToAnsi(childNode.label), LPARAM(child),
                                       TVI_LAST, int(childNode.image));
    InsertChildren(model, childItem, child, open);
    if (open.count(child) != 0) tree_.Expand(childItem);
  }
}

void MenuTreeMirror::CollectOpen(HTREEITEM item, std::set<NodeId>& open) const {
  for (HTREEITEM child = tree_.FirstChild(item); child != nullptr;
       child = tree_.NextSibling(child)) {
    if (tree_.IsExpanded(child)) open.insert(NodeOf(child));
    CollectOpen(child, open);
  }
}

void MenuTreeMirror::RefillChildren(const StartMenuModel& model, NodeId node) {
  HTREEITEM item = ItemOf(node);
  if (item == nullptr || !model.InTree(node)) return;
  std::set<NodeId> open;
  CollectOpen(item, open);
  const bool wasOpen = tree_.IsExpanded(item);
  SendMessageA(tree_.Hwnd(), WM_SETREDRAW, FALSE, 0);
  while (HTREEITEM child = tree_.FirstChild(item)) tree_.Delete(child);
  InsertChildren(model, item, node, open);
  if (wasOpen) tree_.Expand(item);
  SendMessageA(tree_.Hwnd(), WM_SETREDRAW, TRUE, 0);
  tree_.Invalidate();
}

void MenuTreeMirror::ShowNode(const StartMenuModel& model, NodeId node) {
  HTREEITEM item = ItemOf(node);
  if (item == nullptr) return;
  tree_.SetItemText(item, win::UnicodeToAnsi(model.Node(node).label));
  tree_.SetItemImage(item, int(model.Node(node).image));
}

HTREEITEM MenuTreeMirror::ItemOf(NodeId node) const {
  for (HTREEITEM top = tree_.Root(); top != nullptr; top = tree_.NextSibling(top)) {
    if (HTREEITEM found = Find(top, node)) return found;
  }
  return nullptr;
}

HTREEITEM MenuTreeMirror::Find(HTREEITEM from, NodeId node) const {
  if (NodeOf(from) == node) return from;
  for (HTREEITEM child = tree_.FirstChild(from); child != nullptr;
       child = tree_.NextSibling(child)) {
    if (HTREEITEM found = Find(child, node)) return found;
  }
  return nullptr;
}

NodeId MenuTreeMirror::NodeOf(HTREEITEM item) const {
  return item == nullptr ? kNoNode : NodeId(tree_.ItemData(item));
}

}  // namespace startmenu
