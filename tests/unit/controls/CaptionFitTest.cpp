#include "controls/CaptionFit.h"

#include <gtest/gtest.h>

namespace controls::test {
namespace {

// Six pixels a character, like a small fixed font.
int SixPerChar(const std::string& text) {
  return int(text.size()) * 6;
}

TEST(FitCaption, ShortensOnlyWhatDoesNotFit) {
  struct Case {
    std::string caption;
    int room;
    std::string expected;
  };
  // "... " is 24 pixels: a shortened caption keeps room - 24 for its text.
  const Case cases[] = {
      {"Close", 30, "Close"},
      {"Close", 100, "Close"},
      {"?", 6, "?"},
      {"Start Menu Manager", 84, "Start Menu..."},
      {"Start Menu Manager", 107, "Start Menu Ma..."},
      {"Start Menu Manager", 108, "Start Menu Manager"},
      {"Start Menu Manager", 5, "..."},
      {"Start Menu Manager", -20, "..."},
      {"", 0, ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FitCaption(c.caption, c.room, SixPerChar), c.expected)
        << "caption '" << c.caption << "' in " << c.room << " pixels";
  }
}

TEST(LayOutCaption, CaptionMayRunToTheRightEdgeOrTheSubCaptionDrawn) {
  struct Case {
    const char* what;
    std::string caption;
    CaptionRoom room;
    std::string expected;
  };
  // Room: width - start, less the sub-caption and its margin only when the
  // sub-caption is drawn; the label's own margin never shortens a caption.
  const Case cases[] = {
      // 121-pixel main window button: 20 characters (120 pixels) from 1.
      {"fits to the edge", "Start Button Manager", {121, 1, 0, 5, 8}, "Start Button Manager"},
      {"fits exactly", "Start Button Manager", {125, 5, 0, 5, 8}, "Start Button Manager"},
      {"one pixel short", "Start Button Manager", {124, 5, 0, 5, 8}, "Start Button Ma..."},
      // 100 - 5 - 12 - 8 = 75 pixels; shortened, 51 of them hold eight characters.
      {"beside a sub-caption", "Logon Dialogs Manager", {100, 5, 12, 5, 8}, "Logon Di..."},
      {"twelve characters beside it", "Logon Dialog", {100, 5, 12, 5, 8}, "Logon Dialog"},
      // A sub-caption without 8 pixels to spare is not drawn and takes no room.
      {"sub-caption not drawn",
       "Logon Dialogs Manager",
       {130, 4, 123, 5, 8},
       "Logon Dialogs Manager"},
      {"really too wide", "A caption much too wide", {70, 5, 0, 5, 8}, "A capt..."},
  };
  for (const Case& c : cases) {
    const CaptionLayout layout = LayOutCaption(c.caption, taLeft, c.room, SixPerChar);
    EXPECT_EQ(layout.text, c.expected) << c.what;
    EXPECT_EQ(layout.left, c.room.textStart) << c.what;
  }
}

TEST(LayOutCaption, WholeCaptionWiderThanTheTextAreaStaysInsideTheRoom) {
  // 120 pixels of text on a 121-pixel button whose text area (margin 5 on
  // both sides) is 111 pixels: it starts at 1 and ends at the edge.
  for (TTextAlignmt alignment : {taLeft, taCenter, taRight}) {
    const CaptionLayout layout =
        LayOutCaption("Start Button Manager", alignment, CaptionRoom{121, 1, 0, 5, 8}, SixPerChar);
    EXPECT_EQ(layout.text, "Start Button Manager");
    EXPECT_EQ(layout.left, 1) << "alignment " << int(alignment);
  }
  // Centred and right-aligned captions end at the sub-caption when one is drawn.
  const CaptionRoom withSub{120, 5, 30, 5, 8};  // the caption may use 5..82
  EXPECT_EQ(LayOutCaption("Quorlo Help", taRight, withSub, SixPerChar).left, 11);
  EXPECT_EQ(LayOutCaption("Quorlo Help", taCenter, withSub, SixPerChar).left, 8);
}

TEST(LayOutCaption, SmallButtonCaptionsThatFitAreNotShortened) {
  // "?" on a 16-pixel button with no margin: 6 pixels in 16.
  const CaptionLayout layout =
      LayOutCaption("?", taCenter, CaptionRoom{16, 0, 0, 0, 8}, SixPerChar);
  EXPECT_EQ(layout.text, "?");
  EXPECT_EQ(layout.left, 5);
}

TEST(LayOutCaption, AlignsInsideTheTextArea) {
  const CaptionRoom room{120, 5, 0, 5, 8};
  struct Case {
    TTextAlignmt alignment;
    int left;
  };
  // "Help" is 24 pixels; the text area runs from 5 to 115.
  const Case cases[] = {{taLeft, 5}, {taRight, 91}, {taCenter, 48}};
  for (const Case& c : cases) {
    const CaptionLayout layout = LayOutCaption("Help", c.alignment, room, SixPerChar);
    EXPECT_EQ(layout.text, "Help");
    EXPECT_EQ(layout.left, c.left) << "alignment " << int(c.alignment);
  }
}

TEST(SubCaptionFits, NeedsEightPixelsToSpare) {
  EXPECT_TRUE(SubCaptionFits(92, 100));
  EXPECT_FALSE(SubCaptionFits(93, 100));
}

}  // namespace
}  // namespace controls::test
