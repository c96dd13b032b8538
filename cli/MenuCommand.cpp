// quorlo-cli menu FILE: the classic Start menu of a shell file as an
// indented tree, one item a line: its text, id, flags and, for a sub-menu,
// its help id. Lets a user or a test look into a written copy from Linux.

#include <cstdio>
#include <iterator>
#include <string>

#include "cli/Arguments.h"
#include "cli/Command.h"
#include "resedit/ResourceId.h"
#include "resedit/ResourceReader.h"
#include "startmenu/StartMenuModel.h"

namespace cli {

namespace {

struct FlagName {
  uint32_t bits;
  const char* name;
};

// MFS_GRAYED is MFS_DISABLED | 1; both print as one word.
constexpr FlagName kStateNames[] = {
    {0x3, "grayed"}, {0x8, "checked"}, {0x80, "hilite"}, {0x1000, "default"}};
constexpr FlagName kTypeNames[] = {{startmenu::kSeparatorType, "separator"}};

// The named bits of value, taken out of it, added to words.
void NameBits(uint32_t& value, const FlagName* names, size_t count, std::string& words) {
  for (size_t i = 0; i < count; ++i) {
    if ((value & names[i].bits) != names[i].bits) continue;
    value &= ~names[i].bits;
    words += words.empty() ? "" : ",";
    words += names[i].name;
  }
}

std::string Quoted(const std::u16string& text) {
  std::string quoted = "\"";
  for (char c : resedit::Utf16ToUtf8(text)) {
    if (c == '"' || c == '\\') quoted += '\\';
    if (static_cast<unsigned char>(c) < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof(escaped), "\\x%02X", static_cast<unsigned char>(c));
      quoted += escaped;
    } else {
      quoted += c;
    }
  }
  return quoted + "\"";
}

std::string ItemLine(const startmenu::MenuRecord& record, size_t depth) {
  std::string words;
  if (record.IsPopup()) words += "popup";
  if (record.IsLast()) words += words.empty() ? "last" : ",last";
  uint32_t type = record.type;
  uint32_t state = record.state;
  NameBits(type, kTypeNames, std::size(kTypeNames), words);
  NameBits(state, kStateNames, std::size(kStateNames), words);

  std::string line(2 * depth, ' ');
  line += Quoted(record.text) + " id=" + std::to_string(record.id);
  if (!words.empty()) line += " flags=" + words;
  // Bits without a name are printed as they are, so nothing read is hidden.
  char extra[48];
  if (type != 0) {
    std::snprintf(extra, sizeof(extra), " type=0x%X", type);
    line += extra;
  }
  if (state != 0) {
    std::snprintf(extra, sizeof(extra), " state=0x%X", state);
    line += extra;
  }
  if (record.IsPopup()) line += " help=" + std::to_string(record.helpId);
  return line;
}

}  // namespace

int RunMenu(const Arguments& arguments) {
  if (arguments.size() != 1) return UsageError("menu FILE");
  const std::string& path = arguments[0];
  resedit::ResourceFile file;
  const resedit::ResourceStatus status = file.Open(path);
  if (status != resedit::ResourceStatus::kSuccess)
    return Fail(path + ": " + resedit::DescribeResourceStatus(status));
  const auto bytes = file.Find(startmenu::kMenuResourceType, startmenu::kStartMenuResourceName);
  if (!bytes) return Fail(path + ": no Start menu (menu 204)");
  startmenu::MenuTemplateRead read =
      startmenu::LoadMenuTemplate(core::ByteSpan(bytes->data(), bytes->size()));
  if (!read.Ok()) return Fail(path + ": menu 204 is refused: " + read.refusal);
  startmenu::StartMenuModel model;
  model.BuildMenuTree(std::move(read.records));
  for (const startmenu::MenuWalkStep& step : model.PreOrder())
    std::printf("%s\n", ItemLine(model.RecordOf(step.node), step.depth).c_str());
  return kExitOk;
}

}  // namespace cli
