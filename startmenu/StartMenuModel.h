#pragma once
// The classic Start menu being edited: the item records (StartMenuItems)
// and the tree that says which of them are still part of the menu and in
// which order. The Start Menu Manager's tree view (SMTree) mirrors the
// tree node for node; the window only calls the operations below and shows
// what they return. Portable.
//
// Records are only appended, never removed or reordered: a node removed
// from the tree leaves its record behind, unwritten. Every node is the node
// of the record with the same index, so a NodeId is also the node's data,
// the index of its record.
//
// Invariants the operations keep, given records read by LoadMenuTemplate:
// a node has children exactly when its record is a popup, so every popup is
// written with a sub-menu; and in every list of children the edits touch,
// exactly the final item carries the last flag.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "startmenu/MenuTemplate.h"

namespace startmenu {

using NodeId = size_t;
constexpr NodeId kNoNode = static_cast<NodeId>(-1);

// The image index the tree view shows for a node.
enum class NodeImage { kItem = 0, kSeparator = 1, kRoot = 2 };

struct MenuNode {
  size_t record = 0;  // index of the node's record: the tree item's data
  std::u16string label;
  NodeImage image = NodeImage::kItem;
  NodeId parent = kNoNode;       // kNoNode for the root
  std::vector<NodeId> children;  // in menu order
  bool inTree = false;           // false once removed with its subtree
};

struct MenuWalkStep {
  NodeId node;
  size_t depth;  // 0 for the root
};

enum class EditStatus { kDone, kRefused };

// What an editing operation did. A refusal changed nothing.
struct MenuEdit {
  EditStatus status = EditStatus::kDone;
  // For a refusal the user is told about, the text to show; empty for one
  // the window passes over in silence (the root's label, a stale node).
  std::u16string message;
  NodeId node = kNoNode;    // the node edited, or the one added
  NodeId parent = kNoNode;  // whose children changed (members, order, last flags)

  bool Done() const { return status == EditStatus::kDone; }
};

inline constexpr char16_t kRootLabel[] = u"Start Menu";
inline constexpr char16_t kNewItemText[] = u"New Item";

class StartMenuModel {
 public:
  // BuildMenuTree: the records become StartMenuItems and the tree is built
  // from them anew (the root for record 0, the others under their menus).
  // Separator records lose their text here.
  void BuildMenuTree(std::vector<MenuRecord> records);
  // Empties the records and the tree, as closing the window does.
  void Clear();

  bool Empty() const { return nodes_.empty(); }
  NodeId Root() const { return 0; }
  // A node that exists and was not removed from the tree.
  bool InTree(NodeId node) const { return node < nodes_.size() && nodes_[node].inTree; }
  const MenuNode& Node(NodeId node) const { return nodes_.at(node); }
  const MenuRecord& RecordOf(NodeId node) const { return records_.at(nodes_.at(node).record); }
  const std::vector<MenuRecord>& Records() const { return records_; }
  // The nodes of the tree, root first, then each node's children in order,
  // depth first: the order in which the template is written.
  std::vector<MenuWalkStep> PreOrder() const;

  // The byte size of the template SaveMenuTemplate writes now.
  size_t MenuTemplateSize() const;
  // The template of the tree. Separators are written, and kept in their
  // records from now on, with id 65535 and an empty text.
  std::vector<uint8_t> SaveMenuTemplate();

  // None of the operations applies to the root.
  // The text is kept up to its first zero unit, if any.
  MenuEdit RenameItem(NodeId node, std::u16string text);
  // The question to put to the user before SetSeparator(node, true) deletes
  // the node's children; empty when the node has none.
  std::u16string SeparatorQuestion(NodeId node) const;
  // On: the node's children are deleted (the caller asked first), its
  // record stops being a popup, becomes a separator with id 255 and loses
  // its text. Off: the record stops being a separator; its text and id stay
  // as they are until the menu is read anew.
  MenuEdit SetSeparator(NodeId node, bool on);
  // Refused for the root and for the only child of any node (a sub-menu,
  // and the Start menu itself, must keep one item).
  MenuEdit RemoveItem(NodeId node);
  // A "New Item" with id 65535, placed immediately before `selected`.
  MenuEdit AddItem(NodeId selected);
  // Puts `dragged`, with its sub-menu, immediately before `target`; both
  // must be in the same sub-menu.
  MenuEdit MoveItem(NodeId dragged, NodeId target);

 private:
  NodeId AddNode(size_t record, NodeId parent, size_t position);
  void RemoveSubtree(NodeId node);
  void ResetLastFlags(NodeId parent);
  size_t IndexInParent(NodeId node) const;

  std::vector<MenuRecord> records_;
  std::vector<MenuNode> nodes_;  // node i belongs to record i
};

}  // namespace startmenu
