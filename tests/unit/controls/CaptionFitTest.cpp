#include "controls/CaptionFit.h"

#include <gtest/gtest.h>

namespace controls {
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

TEST(LayOutCaption, RoomLeavesSpaceForTheSubCaptionAndMargin) {
  // 100 - 5 - 12 - 5 = 78 pixels; shortened, 54 of them hold nine characters.
  const CaptionRoom room{100, 5, 12, 5};
  const CaptionLayout layout = LayOutCaption("Logon Dialogs Manager", taLeft, room, SixPerChar);
  EXPECT_EQ(layout.text, "Logon Dia...");
  EXPECT_EQ(layout.left, 5);
  // Thirteen characters (78 pixels) fit whole.
  EXPECT_EQ(LayOutCaption("Logon Dialogs", taLeft, room, SixPerChar).text, "Logon Dialogs");
}

TEST(LayOutCaption, SmallButtonCaptionsThatFitAreNotShortened) {
  // "?" on a 16-pixel button with no margin: 6 pixels in 16.
  const CaptionLayout layout = LayOutCaption("?", taCenter, CaptionRoom{16, 0, 0, 0}, SixPerChar);
  EXPECT_EQ(layout.text, "?");
  EXPECT_EQ(layout.left, 5);
}

TEST(LayOutCaption, AlignsInsideTheTextArea) {
  const CaptionRoom room{120, 5, 0, 5};
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
}  // namespace controls
