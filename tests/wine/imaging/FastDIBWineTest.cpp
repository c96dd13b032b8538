// TFastDIB on Windows: pixel memory in a DIB section with its own DC, kept
// across a same-size SetSize, filled by GDI for hatched brushes, and drawn
// onto another DC.

#include <gtest/gtest.h>
#include <windows.h>

#include "imaging/FastDIB.h"
#include "imaging/FastDIBDraw_win.h"

namespace imaging::test {
namespace {

TEST(FastDIBOnWindows, PixelsLiveInADibSectionKeptAcrossTheSameSize) {
  TFastDIB dib;
  ASSERT_TRUE(dib.SetSize(5, 3, 24));
  ASSERT_NE(dib.Dc(), nullptr);
  ASSERT_NE(dib.Bitmap(), nullptr);
  EXPECT_FALSE(dib.OwnsPlainPixels());
  EXPECT_EQ(GetCurrentObject(static_cast<HDC>(dib.Dc()), OBJ_BITMAP), dib.Bitmap());
  DIBSECTION section{};
  ASSERT_EQ(GetObjectA(static_cast<HBITMAP>(dib.Bitmap()), sizeof(section), &section),
            int(sizeof(section)));
  EXPECT_EQ(section.dsBm.bmBits, dib.Bits());
  dib.Bits()[0] = 0x5A;
  GdiHandle dc = dib.Dc(), bitmap = dib.Bitmap();
  ASSERT_TRUE(dib.SetSize(5, 3, 24));
  EXPECT_EQ(dib.Dc(), dc);
  EXPECT_EQ(dib.Bitmap(), bitmap);
  EXPECT_EQ(dib.Bits()[0], 0x5A);
}

TEST(FastDIBOnWindows, HatchedBrushIsPaintedByGdi) {
  TFastDIB dib;
  ASSERT_TRUE(dib.SetSize(8, 8, 24));
  dib.SetBrush(kBsHatched, RGB(255, 0, 0), HS_CROSS);
  ASSERT_NE(dib.Brush(), nullptr);
  ASSERT_TRUE(dib.FillRect(Rect{0, 0, 8, 8}));
  int red = 0;
  for (int32_t y = 0; y < 8; ++y) {
    for (int32_t x = 0; x < 8; ++x) {
      const uint8_t* p = dib.DisplayRow(y) + 3 * x;
      red += p[2] == 255 && p[1] == 0 && p[0] == 0;
    }
  }
  EXPECT_GT(red, 0) << "hatch lines drawn";
  EXPECT_LT(red, 64) << "only lines, not the whole area";
}

TEST(FastDIBOnWindows, DrawCopiesOntoAnotherDc) {
  TFastDIB source, target;
  ASSERT_TRUE(source.SetSize(2, 2, 24));
  source.SetBrush(kBsSolid, RGB(10, 20, 30), 0);
  ASSERT_TRUE(source.FillRect(Rect{0, 0, 2, 2}));
  ASSERT_TRUE(target.SetSize(4, 4, 24));
  EXPECT_NE(DrawToDC(source, static_cast<HDC>(target.Dc()), 1, 1), 0);
  GdiFlush();
  EXPECT_EQ(target.DisplayRow(1)[3 * 1 + 2], 10);
  EXPECT_EQ(target.DisplayRow(2)[3 * 2 + 0], 30);
  EXPECT_EQ(target.DisplayRow(0)[0], 0);
  TFastDIB plain;
  plain.UseGDI = false;
  ASSERT_TRUE(plain.SetSize(1, 1, 24));
  plain.Bits()[2] = 200;
  EXPECT_NE(DrawToDC(plain, static_cast<HDC>(target.Dc()), 3, 3), 0);
  GdiFlush();
  EXPECT_EQ(target.DisplayRow(3)[3 * 3 + 2], 200);
}

}  // namespace
}  // namespace imaging::test
