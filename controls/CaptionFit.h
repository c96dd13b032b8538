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

// The caption as drawn in `room` pixels: whole when it fits, otherwise
// characters are taken off its end until it fits together with "... ", and
// "..." is appended.
std::string FitCaption(const std::string& caption, int room, const TextMeasure& measure);

struct CaptionLayout {
  std::string text;  // what is drawn
  int left = 0;      // where it starts
};

struct CaptionRoom {
  int controlWidth = 0;
  int textStart = 0;         // after the glyph, or the margin
  int subCaptionWidth = 0;   // 0 when there is none
  int margin = 0;            // the label's: kept right of a right-aligned or centred caption
  int subCaptionMargin = 0;  // between the sub-caption and the right edge
};

// The caption may run from its start to the right edge, or to the
// sub-caption when one is drawn; only a caption wider than that is
// shortened. Alignment places it inside the text area (which keeps `margin`
// on its right), but never past the room it may use.
CaptionLayout LayOutCaption(const std::string& caption, TTextAlignmt alignment,
                            const CaptionRoom& room, const TextMeasure& measure);

// Whether the sub-caption is drawn: it must fit the control with 8 pixels to
// spare.
bool SubCaptionFits(int subCaptionWidth, int controlWidth);

}  // namespace controls
