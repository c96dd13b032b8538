#include "icons/IconPictures_win.h"

#include <shellapi.h>

#include <string>

#include "win/Environment.h"
#include "win/ScopedGdi.h"
#include "win/ScopedHandle.h"

namespace icons {

namespace {

struct ExtractedIcons {
  win::ScopedIcon largeIcon;
  win::ScopedIcon smallIcon;
};

ExtractedIcons Extract(const IconEntry& entry) {
  ExtractedIcons found;
  if (entry.file.empty()) return found;
  const std::string file = win::ExpandEnvironment(entry.file);
  HICON largeIcon = nullptr;
  HICON smallIcon = nullptr;
  // A negative index names the icon's resource identifier, as the shell takes it.
  if (ExtractIconExA(file.c_str(), entry.index, &largeIcon, &smallIcon, 1) == 0) return found;
  found.largeIcon = win::ScopedIcon(largeIcon);
  found.smallIcon = win::ScopedIcon(smallIcon);
  return found;
}

// A size x size bitmap filled with background, with icon drawn to fill it.
HBITMAP Draw(HICON icon, int size, COLORREF background) {
  const win::ScopedWindowDc screen(nullptr);
  win::ScopedBitmap bitmap(CreateCompatibleBitmap(screen.Get(), size, size));
  if (!bitmap) return nullptr;
  const win::ScopedCompatibleDc memory(screen.Get());
  {
    const win::ScopedSelect select(memory.Get(), bitmap.Get());
    const win::ScopedBrush brush(CreateSolidBrush(background));
    const RECT all{0, 0, size, size};
    FillRect(memory.Get(), &all, brush.Get());
    if (icon != nullptr) DrawIconEx(memory.Get(), 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
  }
  return bitmap.Release();
}

}  // namespace

HBITMAP MakeIconPreview(const IconEntry& entry, COLORREF background) {
  const ExtractedIcons found = Extract(entry);
  return Draw(found.largeIcon.Get(), kPreviewSize, background);
}

HBITMAP MakeTreeImage(const IconEntry& entry, COLORREF background) {
  const ExtractedIcons found = Extract(entry);
  // A file with only a large picture still gives the tree its icon, shrunk.
  return Draw(found.smallIcon ? found.smallIcon.Get() : found.largeIcon.Get(), kTreeImageSize,
              background);
}

}  // namespace icons
