#pragma once
// Where a gradient label's caption goes and how it is shortened. Portable:
// text widths come from a measuring function (GetTextExtentPoint32 in the
// window classes, a fixed width per character in the tests).

#include <functional>
#include <string>

namespace controls {

enum TTextAlignmt { taCenter, taLeft, taRight };

using TextMeasure = std::function<int(const std::string& text)>;

constexpr char kEllipsis[] = "...";

// The caption as drawn in `room` pixels: unchanged when it fits, otherwise
// characters are taken off its end until it fits together with "... ", and
// "..." is appended.
std::string FitCaption(const std::string& caption, int room, const TextMeasure& measure);

struct CaptionLayout {
  std::string text;  // what is drawn
  int left = 0;      // where it starts
};

struct CaptionRoom {
  int controlWidth = 0;
  int textStart = 0;        // after the glyph, or the margin
  int subCaptionWidth = 0;  // 0 when there is none
  int margin = 0;
};

// Room = control width - text start - sub-caption width - margin. A caption
// that fits is drawn whole; only a shortened one gives up the width of "... ".
// The text is then aligned inside the room.
CaptionLayout LayOutCaption(const std::string& caption, TTextAlignmt alignment,
                            const CaptionRoom& room, const TextMeasure& measure);

// Whether the sub-caption is drawn: it must fit the control with 8 pixels to
// spare.
bool SubCaptionFits(int subCaptionWidth, int controlWidth);

}  // namespace controls
