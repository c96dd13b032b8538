#include "controls/CaptionFit.h"

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
  const int available = room.controlWidth - room.textStart - room.subCaptionWidth - room.margin;
  CaptionLayout layout;
  layout.text = FitCaption(caption, available, measure);
  const int width = measure(layout.text);
  const int areaRight = room.controlWidth - room.margin - room.subCaptionWidth;
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
  return layout;
}

bool SubCaptionFits(int subCaptionWidth, int controlWidth) {
  return subCaptionWidth + 8 <= controlWidth;
}

}  // namespace controls
