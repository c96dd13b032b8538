#pragma once
// SMTree as the mirror of the Start menu model: one tree item per node of
// the model's tree, in the same order, its data the node's id (the index of
// its record), its label the node's label and its picture the node's image
// (item, separator, the root's Start menu).

#include <windows.h>
// After <windows.h>, which it needs.
#include <commctrl.h>

#include <set>

#include "startmenu/StartMenuModel.h"

namespace ui {
class TreeView;
}

namespace startmenu {

class MenuTreeMirror {
 public:
  explicit MenuTreeMirror(ui::TreeView& tree);
  ~MenuTreeMirror();
  MenuTreeMirror(const MenuTreeMirror&) = delete;
  MenuTreeMirror& operator=(const MenuTreeMirror&) = delete;

  // The whole tree anew, without painting meanwhile; the root expanded one
  // level and nothing selected.
  void Fill(const StartMenuModel& model);
  void Clear();
  // The children of node anew after an edit changed them (members or
  // order); sub-menus that were open stay open.
  void RefillChildren(const StartMenuModel& model, NodeId node);
  // The node's label and picture as the model has them now.
  void ShowNode(const StartMenuModel& model, NodeId node);

  HTREEITEM ItemOf(NodeId node) const;
  // kNoNode for no item.
  NodeId NodeOf(HTREEITEM item) const;

 private:
  void InsertChildren(const StartMenuModel& model, HTREEITEM item, NodeId node,
                      const std::set<NodeId>& open);
  void CollectOpen(HTREEITEM item, std::set<NodeId>& open) const;
  HTREEITEM Find(HTREEITEM from, NodeId node) const;

  ui::TreeView& tree_;
  HIMAGELIST images_ = nullptr;
};

}  // namespace startmenu
