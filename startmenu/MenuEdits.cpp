// The editing operations of the Start menu tree and the texts of their
// refusals, word for word as the Start Menu Manager shows them.

#include <algorithm>

#include "startmenu/StartMenuModel.h"

namespace startmenu {

namespace {

constexpr uint32_t kSeparatorId = 255;
constexpr uint32_t kNewItemId = 0xFFFF;

MenuEdit Refused(std::u16string message = {}) {
  MenuEdit edit;
  edit.status = EditStatus::kRefused;
  edit.message = std::move(message);
  return edit;
}

MenuEdit Done(NodeId node, NodeId parent) {
  MenuEdit edit;
  edit.node = node;
  edit.parent = parent;
  return edit;
}

}  // namespace

size_t StartMenuModel::IndexInParent(NodeId node) const {
  const std::vector<NodeId>& siblings = nodes_[nodes_[node].parent].children;
  return static_cast<size_t>(std::find(siblings.begin(), siblings.end(), node) - siblings.begin());
}

void StartMenuModel::RemoveSubtree(NodeId node) {
  std::vector<NodeId>& siblings = nodes_[nodes_[node].parent].children;
  siblings.erase(std::find(siblings.begin(), siblings.end(), node));
  std::vector<NodeId> pending{node};
  while (!pending.empty()) {
    MenuNode& gone = nodes_[pending.back()];
    pending.pop_back();
    gone.inTree = false;
    pending.insert(pending.end(), gone.children.begin(), gone.children.end());
  }
}

void StartMenuModel::ResetLastFlags(NodeId parent) {
  const std::vector<NodeId>& children = nodes_[parent].children;
  for (NodeId child : children) records_[nodes_[child].record].resInfo &= ~kLastFlag;
  if (!children.empty()) records_[nodes_[children.back()].record].resInfo |= kLastFlag;
}

MenuEdit StartMenuModel::RenameItem(NodeId node, std::u16string text) {
  if (!InTree(node) || node == Root()) return Refused();
  // The template ends a text at its first zero; what follows one could only
  // be read back as the start of the next item.
  text.erase(std::min(text.find(u'\0'), text.size()));
  records_[nodes_[node].record].text = text;
  nodes_[node].label = std::move(text);
  return Done(node, kNoNode);
}

std::u16string StartMenuModel::SeparatorQuestion(NodeId node) const {
  if (!InTree(node) || node == Root() || nodes_[node].children.empty()) return {};
  return u"The item '" + nodes_[node].label + u"' has children.\r\n" +
         u"Making this item a separator will delete all its children.\r\n\r\nContinue?";
}

MenuEdit StartMenuModel::SetSeparator(NodeId node, bool on) {
  if (!InTree(node) || node == Root()) return Refused();
  MenuRecord& record = records_[nodes_[node].record];
  MenuNode& item = nodes_[node];
  if (!on) {
    record.type &= ~kSeparatorType;
    item.image = NodeImage::kItem;
    return Done(node, kNoNode);
  }
  const bool hadChildren = !item.children.empty();
  if (hadChildren) {
    const std::vector<NodeId> children = item.children;
    for (NodeId child : children) RemoveSubtree(child);
    record.resInfo &= ~kPopupFlag;
    record.helpId = -1;
  }
  record.type |= kSeparatorType;
  record.id = kSeparatorId;
  record.text.clear();
  item.label.clear();
  item.image = NodeImage::kSeparator;
  return Done(node, hadChildren ? node : kNoNode);
}

MenuEdit StartMenuModel::RemoveItem(NodeId node) {
  if (!InTree(node)) return Refused();
  if (node == Root()) return Refused(u"This item cannot be removed.");
  const NodeId parent = nodes_[node].parent;
  if (nodes_[parent].children.size() == 1) {
    return Refused(u"Cannot remove item. '" + nodes_[node].label + u"' is the only child of '" +
                   nodes_[parent].label + u"'and cannot be removed.");
  }
  RemoveSubtree(node);
  ResetLastFlags(parent);
  return Done(node, parent);
}

MenuEdit StartMenuModel::AddItem(NodeId selected) {
  if (!InTree(selected) || selected == Root()) return Refused();
  MenuRecord record;
  record.id = kNewItemId;
  record.text = kNewItemText;
  records_.push_back(std::move(record));
  const NodeId parent = nodes_[selected].parent;
  // Never the last of its menu, so no last flag moves.
  const NodeId added = AddNode(records_.size() - 1, parent, IndexInParent(selected));
  return Done(added, parent);
}

MenuEdit StartMenuModel::MoveItem(NodeId dragged, NodeId target) {
  if (!InTree(dragged) || !InTree(target) || dragged == Root()) return Refused();
  const NodeId parent = nodes_[dragged].parent;
  if (nodes_[target].parent != parent) {
    return Refused(u"You can only reorder items in the same sub-menu. This means that\r\n" +
                   std::u16string(u"you cannot move the item '") + nodes_[dragged].label +
                   u"' outside of\r\nthe sub-menu '" + nodes_[parent].label + u"'.");
  }
  if (dragged != target) {
    std::vector<NodeId>& siblings = nodes_[parent].children;
    siblings.erase(siblings.begin() + static_cast<std::ptrdiff_t>(IndexInParent(dragged)));
    siblings.insert(siblings.begin() + static_cast<std::ptrdiff_t>(IndexInParent(target)), dragged);
  }
  ResetLastFlags(parent);
  return Done(dragged, parent);
}

}  // namespace startmenu
