// libFuzzer target: any bytes as menu 204. A template that is read must
// build a tree holding every record, write exactly MenuTemplateSize bytes,
// read back to the records written and write the same bytes again; then a
// run of edits chosen by the input must keep the tree a menu Windows reads
// (every popup with a sub-menu, one last item closing each list) and the
// same round trip true. A crash, a sanitizer report or a broken invariant
// (abort) is a finding.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "startmenu/StartMenuModel.h"

using namespace startmenu;

namespace {

void Require(bool condition, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
  }
}

void RequireWellFormed(const StartMenuModel& model) {
  for (const MenuWalkStep& step : model.PreOrder()) {
    const MenuNode& node = model.Node(step.node);
    Require(node.inTree, "the walk meets only nodes in the tree");
    Require(model.RecordOf(step.node).IsPopup() == !node.children.empty(),
            "a node has children exactly when its record is a popup");
    for (size_t i = 0; i < node.children.size(); ++i) {
      const bool last = model.RecordOf(node.children[i]).IsLast();
      Require(last == (i + 1 == node.children.size()), "only the final child is last");
      Require(model.Node(node.children[i]).parent == step.node, "children know their parent");
    }
  }
}

// Writes the model and reads the result back; returns the bytes written.
std::vector<uint8_t> RequireRoundTrip(StartMenuModel& model) {
  const size_t size = model.MenuTemplateSize();
  const std::vector<uint8_t> bytes = model.SaveMenuTemplate();
  Require(bytes.size() == size, "SaveMenuTemplate writes MenuTemplateSize bytes");
  MenuTemplateRead reread = LoadMenuTemplate(core::ByteSpan(bytes.data(), bytes.size()));
  Require(reread.Ok(), "a written template reads again");
  const std::vector<MenuWalkStep> steps = model.PreOrder();
  Require(reread.records.size() == steps.size(), "one record read per node written");
  for (size_t i = 0; i < steps.size(); ++i) {
    const MenuRecord& written = model.RecordOf(steps[i].node);
    MenuRecord expected = written;
    if (!expected.IsPopup()) expected.helpId = -1;
    Require(reread.records[i] == expected, "each record reads back as written");
  }
  StartMenuModel again;
  again.BuildMenuTree(std::move(reread.records));
  Require(again.SaveMenuTemplate() == bytes, "writing what was read gives the same bytes");
  return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  MenuTemplateRead read = LoadMenuTemplate(core::ByteSpan(data, size));
  if (!read.Ok()) {
    Require(read.records.empty(), "a refused template yields no records");
    Require(!read.refusal.empty(), "a refusal says why");
    return 0;
  }
  Require(!read.records.empty() && read.records[0].IsPopup() && read.records[0].IsLast(),
          "the top level is one popup");
  const size_t count = read.records.size();
  StartMenuModel model;
  model.BuildMenuTree(std::move(read.records));
  Require(model.PreOrder().size() == count, "the tree holds every record");
  RequireWellFormed(model);
  RequireRoundTrip(model);

  // Edits chosen by the input's last bytes, three to an edit.
  for (size_t at = size; at >= 3 && size - at < 3 * 24; at -= 3) {
    const uint8_t kind = data[at - 1];
    const NodeId node = data[at - 2] % (model.Records().size() + 1);
    const NodeId target = data[at - 3] % (model.Records().size() + 1);
    const size_t recordsBefore = model.Records().size();
    MenuEdit edit;
    switch (kind % 6) {
      case 0:  // a zero unit among the texts as well
        edit = model.RenameItem(node, std::u16string(target % 5, char16_t(kind >> 3)));
        break;
      case 1:
        edit = model.SetSeparator(node, true);
        break;
      case 2:
        edit = model.SetSeparator(node, false);
        break;
      case 3:
        edit = model.RemoveItem(node);
        break;
      case 4:
        edit = model.AddItem(node);
        break;
      case 5:
        edit = model.MoveItem(node, target);
        break;
    }
    Require(model.InTree(model.Root()), "the root stays");
    Require(edit.Done() || model.Records().size() == recordsBefore, "a refusal adds nothing");
    RequireWellFormed(model);
    if (kind & 0x80) RequireRoundTrip(model);
  }
  RequireRoundTrip(model);
  return 0;
}
