#include "startmenu/StartMenuModel.h"

#include <algorithm>

namespace startmenu {

namespace {

constexpr size_t kHeaderSize = 8;
constexpr size_t kItemFieldsSize = 14;

size_t RoundUp4(size_t value) {
  return (value + 3) & ~size_t{3};
}

// A separator is written with an empty text whatever its record holds, so
// the size and the bytes written agree even for a separator renamed since.
size_t WrittenTextLength(const MenuRecord& record) {
  return record.IsSeparator() ? 0 : record.text.size();
}

}  // namespace

void StartMenuModel::Clear() {
  records_.clear();
  nodes_.clear();
}

NodeId StartMenuModel::AddNode(size_t record, NodeId parent, size_t position) {
  const NodeId id = nodes_.size();
  MenuNode node;
  node.record = record;
  node.label = records_[record].text;
  node.image = records_[record].IsSeparator() ? NodeImage::kSeparator : NodeImage::kItem;
  node.parent = parent;
  node.inTree = true;
  nodes_.push_back(std::move(node));
  std::vector<NodeId>& siblings = nodes_[parent].children;
  siblings.insert(siblings.begin() + static_cast<std::ptrdiff_t>(position), id);
  return id;
}

void StartMenuModel::BuildMenuTree(std::vector<MenuRecord> records) {
  Clear();
  records_ = std::move(records);
  if (records_.empty()) return;
  MenuNode root;
  root.record = 0;
  root.label = kRootLabel;
  root.image = NodeImage::kRoot;
  root.inTree = true;
  nodes_.push_back(std::move(root));

  NodeId current = Root();
  for (size_t i = 1; i < records_.size(); ++i) {
    MenuRecord& record = records_[i];
    if (record.IsSeparator()) record.text.clear();
    const NodeId node = AddNode(i, current, nodes_[current].children.size());
    if (record.IsPopup()) {
      current = node;
    } else if (record.IsLast()) {
      // The menu that holds this item ends, and with it every menu whose
      // last item was the popup of the menu just left. The root stays.
      NodeId menu = current;
      while (menu != Root()) {
        const bool popupWasLast = records_[menu].IsLast();
        current = nodes_[menu].parent;
        if (!popupWasLast) break;
        menu = current;
      }
    }
  }
}

std::vector<MenuWalkStep> StartMenuModel::PreOrder() const {
  std::vector<MenuWalkStep> steps;
  if (nodes_.empty()) return steps;
  std::vector<MenuWalkStep> pending{{Root(), 0}};
  while (!pending.empty()) {
    const MenuWalkStep step = pending.back();
    pending.pop_back();
    steps.push_back(step);
    const std::vector<NodeId>& children = nodes_[step.node].children;
    for (auto child = children.rbegin(); child != children.rend(); ++child)
      pending.push_back({*child, step.depth + 1});
  }
  return steps;
}

size_t StartMenuModel::MenuTemplateSize() const {
  if (nodes_.empty()) return 0;
  size_t size = kHeaderSize;
  for (const MenuWalkStep& step : PreOrder()) {
    const MenuRecord& record = RecordOf(step.node);
    size += kItemFieldsSize + 2 * (WrittenTextLength(record) + 1);
    if (record.IsPopup()) size = RoundUp4(size) + 4;
    size = RoundUp4(size);
  }
  return size;
}

std::vector<uint8_t> StartMenuModel::SaveMenuTemplate() {
  if (nodes_.empty()) return {};
  const std::vector<MenuWalkStep> steps = PreOrder();
  for (const MenuWalkStep& step : steps) {
    MenuRecord& record = records_[nodes_[step.node].record];
    if (record.IsSeparator()) {
      record.text.clear();
      record.id = 0xFFFF;
    }
  }

  std::vector<uint8_t> bytes(MenuTemplateSize(), 0);
  core::ByteWriter out(bytes.data(), bytes.size());
  out.PutU16(0, 1);  // wVersion
  out.PutU16(2, 4);  // wOffset: the items follow the menu's dwHelpId
  out.PutU32(4, 0);  // dwHelpId
  size_t at = kHeaderSize;
  for (const MenuWalkStep& step : steps) {
    const MenuRecord& record = RecordOf(step.node);
    out.PutU32(at, record.type);
    out.PutU32(at + 4, record.state);
    out.PutU32(at + 8, record.id);
    out.PutU16(at + 12, record.resInfo);
    at += kItemFieldsSize;
    for (char16_t unit : record.text) {
      out.PutU16(at, static_cast<uint16_t>(unit));
      at += 2;
    }
    at += 2;  // the terminating zero; the buffer is zeroed
    if (record.IsPopup()) {
      at = RoundUp4(at);
      out.PutU32(at, static_cast<uint32_t>(record.helpId));
      at += 4;
    }
    at = RoundUp4(at);
  }
  return bytes;
}

}  // namespace startmenu
