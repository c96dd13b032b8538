#include "icons/ChangeIconDialog_win.h"

#include <algorithm>
#include <string>

#include "win/AnsiText.h"
#include "win/SystemFacts.h"

namespace icons {

namespace {

PickIconFunction replacement = nullptr;

PickIconFunction ShellPickIcon() {
  if (replacement != nullptr) return replacement;
  // shell32 stays loaded for the whole run of any program that shows a window.
  HMODULE shell32 = GetModuleHandleA("shell32.dll");
  if (shell32 == nullptr) shell32 = LoadLibraryA("shell32.dll");
  if (shell32 == nullptr) return nullptr;
  return reinterpret_cast<PickIconFunction>(
      reinterpret_cast<void*>(GetProcAddress(shell32, MAKEINTRESOURCEA(62))));
}

// Runs the dialog over a buffer of CharT; the path it holds afterwards, or
// nothing when the user cancelled.
template <class CharT, class ToBuffer, class FromBuffer>
std::optional<std::string> RunDialog(PickIconFunction pick, HWND owner, const std::string& file,
                                     int* index, ToBuffer toBuffer, FromBuffer fromBuffer) {
  CharT buffer[kPickIconPathChars] = {};
  const std::basic_string<CharT> start = toBuffer(file);
  // A longer location than the dialog takes is cut, not overrun.
  std::copy_n(start.begin(), std::min<size_t>(start.size(), kPickIconPathChars - 1), buffer);
  if (!pick(owner, buffer, kPickIconPathChars, index)) return std::nullopt;
  buffer[kPickIconPathChars - 1] = 0;
  return fromBuffer(std::basic_string<CharT>(buffer));
}

}  // namespace

PickIconFunction SetPickIconFunction(PickIconFunction function) {
  const PickIconFunction before = replacement;
  replacement = function;
  return before;
}

std::optional<IconEntry> ChooseIcon(HWND owner, const IconEntry& current) {
  const PickIconFunction pick = ShellPickIcon();
  if (pick == nullptr) return std::nullopt;
  int index = current.index;
  std::optional<std::string> file;
  if (win::PlatformFamily() == win::kPlatformNT) {
    file = RunDialog<char16_t>(pick, owner, current.file, &index, win::AnsiToUnicode,
                               win::UnicodeToAnsi);
  } else {
    const auto same = [](const std::string& text) { return text; };
    file = RunDialog<char>(pick, owner, current.file, &index, same, same);
  }
  if (!file) return std::nullopt;
  // A dialog that returns without a choice (as a shell without one does)
  // hands back what it was given.
  if (*file == current.file && index == current.index) return std::nullopt;
  IconEntry chosen;
  chosen.file = *file;
  chosen.index = index;
  return chosen;
}

}  // namespace icons
