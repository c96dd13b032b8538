#include "tests/wine/startmenu/MenuAsWindowsReadsIt.h"

#include <windows.h>

#include <cstddef>

#include "win/AnsiText.h"

namespace startmenu::test {

namespace {

std::string Line(size_t depth, bool separator, bool popup, const std::string& text, UINT id) {
  std::string line(depth * 2, ' ');
  if (separator) return line + "---- (separator)";
  line += text;
  return popup ? line + " >" : line + " #" + std::to_string(id);
}

void Walk(HMENU menu, size_t depth, std::vector<std::string>& lines) {
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    char text[512] = {};
    MENUITEMINFOA info{};
    // The size Windows 95 knows; every later version takes it too.
    info.cbSize = offsetof(MENUITEMINFOA, hbmpItem);
    info.fMask = MIIM_TYPE | MIIM_ID | MIIM_SUBMENU;
    info.dwTypeData = text;
    info.cch = sizeof text;
    if (!GetMenuItemInfoA(menu, UINT(i), TRUE, &info)) {
      lines.push_back("<item " + std::to_string(i) + " does not read>");
      continue;
    }
    const bool separator = (info.fType & MFT_SEPARATOR) != 0;
    // GetMenuStringA is how the shell's own code reads an item's text.
    char byPosition[512] = {};
    GetMenuStringA(menu, UINT(i), byPosition, sizeof byPosition, MF_BYPOSITION);
    if (!separator && std::string(byPosition) != text)
      lines.push_back("<texts differ: " + std::string(byPosition) + " / " + text + ">");
    lines.push_back(Line(depth, separator, info.hSubMenu != nullptr, text, info.wID));
    if (info.hSubMenu != nullptr) Walk(info.hSubMenu, depth + 1, lines);
  }
}

}  // namespace

std::vector<std::string> MenuAsWindowsReadsIt(const std::string& shellFile) {
  HMODULE module = LoadLibraryExA(shellFile.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (module == nullptr) return {"<" + shellFile + " does not load>"};
  HMENU menu = LoadMenuA(module, MAKEINTRESOURCEA(204));
  std::vector<std::string> lines;
  if (menu == nullptr) {
    lines.push_back("<menu 204 of " + shellFile + " does not load>");
  } else if (GetMenuItemCount(menu) != 1 || GetSubMenu(menu, 0) == nullptr) {
    lines.push_back("<the top level is not one popup>");
  } else {
    Walk(GetSubMenu(menu, 0), 0, lines);
  }
  if (menu != nullptr) DestroyMenu(menu);
  FreeLibrary(module);
  return lines;
}

std::vector<std::string> MenuOfTheModel(const startmenu::StartMenuModel& model) {
  std::vector<std::string> lines;
  for (const startmenu::MenuWalkStep& step : model.PreOrder()) {
    if (step.node == model.Root()) continue;
    const startmenu::MenuRecord& record = model.RecordOf(step.node);
    lines.push_back(Line(step.depth - 1, record.IsSeparator(), record.IsPopup(),
                         win::UnicodeToAnsi(record.text), record.id));
  }
  return lines;
}

std::vector<std::string> TopLevelTexts(const std::string& shellFile) {
  std::vector<std::string> texts;
  for (const std::string& line : MenuAsWindowsReadsIt(shellFile)) {
    if (line.empty() || line[0] == ' ') continue;
    if (line[0] == '<' || line.rfind("----", 0) == 0) {
      texts.push_back(line.substr(0, 4) == "----" ? "----" : line);
      continue;
    }
    const size_t mark = line.find_last_of(">#");
    texts.push_back(line.substr(0, mark - 1));
  }
  return texts;
}

}  // namespace startmenu::test
