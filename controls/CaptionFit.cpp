#include "controls/CaptionFit.h"

#include <algorithm>

namespace controls {

std::string FitCaption(const std::string& caption, int room, const TextMeasure& measure) {
  if (measure(caption) <= room) return caption;
  // The shortened text and its "... " share the room.
  const int textRoom = room - measure(std::string(kEllipsis) + " ");
  std::string shortened = caption;
  while (!shortened.empty() && measure(shortened) > textRoom) shortened.pop_back();
  return shortened + kEllipsis;
}

CaptionLayout LayOutCaption(const std::string& caption, TTextAlignmt alignment,
                            const CaptionRoom& room, const TextMeasure& measure) {
  // A sub-caption too wide to be drawn takes no room either.
  const bool subCaptionDrawn =
      room.subCaptionWidth > 0 && SubCaptionFits(room.subCaptionWidth, room.controlWidth);
  const int right =
      room.controlWidth - (subCaptionDrawn ? room.subCaptionWidth + room.subCaptionMargin : 0);
  CaptionLayout layout;
  layout.text = FitCaption(caption, right - room.textStart, measure);
  const int width = measure(layout.text);
  const int areaRight = right - room.margin;
  switch (alignment) {
    case taLeft:
      layout.left = room.textStart;
      break;
    case taRight:
      layout.left = areaRight - width;
      break;
    case taCenter:
      layout.left = room.textStart + (areaRight - room.textStart - width) / 2;
      break;
  }
  // A caption wider than the text area but not than the room starts early
  // enough to end inside the room, and never before its start.
  layout.left = std::max(room.textStart, std::min(layout.left, right - width));
  return layout;
}

bool SubCaptionFits(int subCaptionWidth, int controlWidth) {
  return subCaptionWidth + 8 <= controlWidth;
}

}  // namespace controls
