#include "imaging/FastDIB.h"

#include <algorithm>
#include <cstring>

#include "imaging/FastDIBSurface.h"

namespace imaging {

namespace {

bool IsSupportedDepth(int bpp) {
  return bpp == 1 || bpp == 4 || bpp == 8 || bpp == 16 || bpp == 24 || bpp == 32;
}

uint32_t LowMask(int bits) {
  return bits >= 32 ? 0xFFFFFFFFu : (1u << bits) - 1u;
}

uint8_t ShiftFor(int bits) {
  return uint8_t(bits < 8 ? 8 - bits : 0);
}

int PaletteEntryCount(const TFastDIB& dib) {
  if (dib.Bpp() > 8) return 0;
  const uint32_t full = 1u << dib.Bpp();
  const uint32_t used = dib.Info.Header.ClrUsed;
  return int(used != 0 && used < full ? used : full);
}

// GDI paints a solid colour into a palette bitmap with the nearest entry.
uint8_t NearestIndex(const TFastDIB& dib, uint8_t red, uint8_t green, uint8_t blue) {
  int best = 0;
  int bestDistance = 1 << 30;
  for (int i = 0; i < PaletteEntryCount(dib); ++i) {
    const RgbQuad& c = dib.Colors[i];
    const int dr = c.Red - red, dg = c.Green - green, db = c.Blue - blue;
    const int distance = dr * dr + dg * dg + db * db;
    if (distance < bestDistance) {
      bestDistance = distance;
      best = i;
    }
  }
  return uint8_t(best);
}

void PutIndex(uint8_t* row, int32_t x, int bpp, uint8_t index) {
  if (bpp == 8) {
    row[x] = index;
  } else if (bpp == 4) {
    uint8_t& byte = row[x / 2];
    byte =
        (x & 1) ? uint8_t((byte & 0xF0) | (index & 0x0F)) : uint8_t((byte & 0x0F) | (index << 4));
  } else {
    const uint8_t bit = uint8_t(0x80 >> (x & 7));
    row[x / 8] = index ? uint8_t(row[x / 8] | bit) : uint8_t(row[x / 8] & ~bit);
  }
}

}  // namespace

int MaskBits(uint32_t mask) {
  if (mask == 0) return 0;
  int low = 0;
  while (!(mask & (1u << low))) ++low;
  int high = 31;
  while (!(mask & (1u << high))) --high;
  return high - low + 1;
}

TFastDIB::TFastDIB() {
  Reset();
}

TFastDIB::~TFastDIB() {
  ReleaseMemory();
}

void TFastDIB::Reset() {
  bits_ = nullptr;
  Rows.clear();
  std::memset(&Info, 0, sizeof(Info));
  Info.Header.Size = 40;
  Info.Header.Planes = 1;
  Colors = Info.Colors;
  RowBytes = AbsHeight = Gap = 0;
  BlueBits = GreenBits = RedBits = 0;
  BlueShr = GreenShr = RedShr = 0;
  GreenShl = RedShl = 0;
}

void TFastDIB::ReleaseMemory() {
  section_.reset();
  plainBits_.reset();
  bits_ = nullptr;
}

GdiHandle TFastDIB::Dc() const {
  return surface::DcOf(section_.get());
}

GdiHandle TFastDIB::Bitmap() const {
  return surface::BitmapOf(section_.get());
}

GdiHandle TFastDIB::Brush() const {
  return surface::BrushOf(section_.get());
}

bool TFastDIB::SetSize(int32_t width, int32_t height, int bpp, NewPixels pixels) {
  return SetSizeEx(nullptr, width, height, bpp, 0, 0, 0, pixels);
}

bool TFastDIB::SetSizeEx(uint8_t* outsideMemory, int32_t width, int32_t height, int bpp,
                         int blueBits, int greenBits, int redBits, NewPixels pixels) {
  if (bpp == 0) {
    bpp = surface::ScreenBitsPerPixel();
    if (bpp == 16) {
      redBits = 5;
      greenBits = surface::ScreenGreenBits();
      blueBits = 5;
    } else if (bpp == 32) {
      redBits = greenBits = blueBits = 8;
    }
  }
  if (!IsSupportedDepth(bpp)) return false;
  if (width <= 0 || width > kMaxDimension || height == 0 || height < -kMaxDimension ||
      height > kMaxDimension) {
    return false;
  }
  const int32_t absHeight = height < 0 ? -height : height;
  const int64_t rowBytes = (int64_t(width) * bpp + 31) / 32 * 4;
  const uint64_t imageSize = uint64_t(rowBytes) * uint64_t(absHeight);
  if (imageSize > kMaxImageBytes) return false;

  const bool hasChannels = bpp == 16 || bpp == 32;
  if (!hasChannels) blueBits = greenBits = redBits = 0;
  const bool defaultChannels = blueBits == 0 && greenBits == 0 && redBits == 0;
  if (hasChannels && !defaultChannels) {
    if (blueBits <= 0 || greenBits <= 0 || redBits <= 0 || blueBits + greenBits + redBits > bpp) {
      return false;
    }
  }
  if (hasChannels && defaultChannels) {
    blueBits = greenBits = redBits = bpp == 16 ? 5 : 8;
  }

  Info.Header.Compression = defaultChannels ? kBiRgb : kBiBitfields;
  if (hasChannels) {
    const uint32_t blueMask = LowMask(blueBits);
    const uint32_t greenMask = LowMask(greenBits + blueBits) & ~blueMask;
    const uint32_t redMask = LowMask(redBits + greenBits + blueBits) & ~(blueMask | greenMask);
    std::memcpy(&Colors[0], &redMask, 4);
    std::memcpy(&Colors[1], &greenMask, 4);
    std::memcpy(&Colors[2], &blueMask, 4);
  }

  const bool sameGeometry = width == Info.Header.Width && height == Info.Header.Height &&
                            bpp == Info.Header.BitCount && blueBits == BlueBits &&
                            greenBits == GreenBits && redBits == RedBits;
  // Same geometry keeps the pixels: the callers rely on it to redraw a kept
  // bitmap. A plain allocation counts as much as a DC here, so both builds
  // behave alike.
  if (!outsideMemory && sameGeometry && bits_ != nullptr && (section_ || plainBits_)) {
    return true;
  }

  Info.Header.Width = width;
  Info.Header.Height = height;
  Info.Header.BitCount = uint16_t(bpp);
  AbsHeight = absHeight;
  BlueBits = uint8_t(blueBits);
  GreenBits = uint8_t(greenBits);
  RedBits = uint8_t(redBits);
  BlueShr = hasChannels ? ShiftFor(blueBits) : 0;
  GreenShr = hasChannels ? ShiftFor(greenBits) : 0;
  RedShr = hasChannels ? ShiftFor(redBits) : 0;
  GreenShl = uint8_t(blueBits);
  RedShl = uint8_t(blueBits + greenBits);
  RowBytes = int32_t(rowBytes);
  const int64_t pixelBytes = (int64_t(width) * bpp + 7) / 8;
  Gap = int32_t(rowBytes - pixelBytes);
  Info.Header.SizeImage = uint32_t(imageSize);

  ReleaseMemory();
  if (outsideMemory) {
    bits_ = outsideMemory;
  } else if (!(UseGDI && (section_ = surface::Create(Info, bits_)))) {
    // Zeroed, as a new DIB section is, so both builds start from the same bytes.
    const size_t size = size_t(imageSize);
    plainBits_.reset(pixels == NewPixels::kZeroed ? new uint8_t[size]() : new uint8_t[size]);
    bits_ = plainBits_.get();
    if (pixels == NewPixels::kOverwritten && Gap > 0) {
      for (int32_t i = 0; i < absHeight; ++i) {
        std::memset(bits_ + size_t(i) * size_t(RowBytes) + size_t(RowBytes - Gap), 0, size_t(Gap));
      }
    }
  }
  FillRows();
  return true;
}

void TFastDIB::FillRows() {
  Rows.resize(size_t(AbsHeight));
  for (int32_t i = 0; i < AbsHeight; ++i) Rows[size_t(i)] = bits_ + size_t(i) * size_t(RowBytes);
}

bool TFastDIB::SetSizeFromInfo(const BitmapInfo& info) {
  BitmapInfo copy = info;
  const int bpp = copy.Header.BitCount;
  int blue = 0, green = 0, red = 0;
  if ((bpp == 16 || bpp == 32) && copy.Header.Compression == kBiBitfields) {
    uint32_t masks[3];
    std::memcpy(masks, copy.Colors, sizeof(masks));
    red = MaskBits(masks[0]);
    green = MaskBits(masks[1]);
    blue = MaskBits(masks[2]);
  }
  if (bpp <= 8) std::memcpy(Colors, copy.Colors, sizeof(copy.Colors));
  if (!SetSizeEx(nullptr, copy.Header.Width, copy.Header.Height, bpp, blue, green, red)) {
    return false;
  }
  Info.Header.ClrUsed = bpp <= 8 ? copy.Header.ClrUsed : 0;
  Info.Header.ClrImportant = bpp <= 8 ? copy.Header.ClrImportant : 0;
  Info.Header.XPelsPerMeter = copy.Header.XPelsPerMeter;
  Info.Header.YPelsPerMeter = copy.Header.YPelsPerMeter;
  return true;
}

void TFastDIB::SetBrush(uint32_t style, uint32_t color, uint32_t hatch) {
  BrushStyle = style;
  BrushColor = color;
  BrushHatch = hatch;
  surface::SelectBrush(section_.get(), style, color, hatch);
}

bool TFastDIB::FillRect(const Rect& rect) {
  if (bits_ == nullptr) return false;
  if (BrushStyle == kBsNull) return true;
  if (BrushStyle != kBsSolid) {
    // A brush set before the section existed is made now.
    if (Brush() == nullptr)
      surface::SelectBrush(section_.get(), BrushStyle, BrushColor, BrushHatch);
    return surface::GdiFillRect(section_.get(), rect);
  }
  const int32_t left = std::max(rect.Left, 0), right = std::min(rect.Right, Width());
  const int32_t top = std::max(rect.Top, 0), bottom = std::min(rect.Bottom, AbsHeight);
  if (left >= right || top >= bottom) return true;

  const uint8_t red = uint8_t(BrushColor), green = uint8_t(BrushColor >> 8),
                blue = uint8_t(BrushColor >> 16);
  const int bpp = Bpp();
  uint32_t word = 0;
  if (bpp == 16) {
    word = (uint32_t(blue >> BlueShr)) | (uint32_t(green >> GreenShr) << GreenShl) |
           (uint32_t(red >> RedShr) << RedShl);
  }
  const uint8_t index = bpp <= 8 ? NearestIndex(*this, red, green, blue) : 0;
  for (int32_t y = top; y < bottom; ++y) {
    uint8_t* row = DisplayRow(y);
    for (int32_t x = left; x < right; ++x) {
      switch (bpp) {
        case 32:
          row[4 * x] = blue, row[4 * x + 1] = green, row[4 * x + 2] = red;
          break;
        case 24:
          row[3 * x] = blue, row[3 * x + 1] = green, row[3 * x + 2] = red;
          break;
        case 16:
          row[2 * x] = uint8_t(word), row[2 * x + 1] = uint8_t(word >> 8);
          break;
        default:
          PutIndex(row, x, bpp, index);
      }
    }
  }
  return true;
}

bool TFastDIB::Draw(TFastDIB& target, int32_t x, int32_t y) const {
  if (bits_ == nullptr || target.bits_ == nullptr || Bpp() != target.Bpp() || Bpp() < 16) {
    return false;
  }
  if (Bpp() == 16 &&
      (BlueBits != target.BlueBits || GreenBits != target.GreenBits || RedBits != target.RedBits)) {
    return false;
  }
  const int bytesPerPixel = Bpp() / 8;
  const int32_t fromX = std::max(0, -x), toX = std::min(Width(), target.Width() - x);
  const int32_t fromY = std::max(0, -y), toY = std::min(AbsHeight, target.AbsHeight - y);
  if (fromX >= toX || fromY >= toY) return true;
  const size_t length = size_t(toX - fromX) * size_t(bytesPerPixel);
  for (int32_t row = fromY; row < toY; ++row) {
    std::memcpy(target.DisplayRow(row + y) + size_t(fromX + x) * size_t(bytesPerPixel),
                DisplayRow(row) + size_t(fromX) * size_t(bytesPerPixel), length);
  }
  return true;
}

void TFastDIB::TakeOver(TFastDIB& other) {
  if (&other == this) return;
  ReleaseMemory();
  RowBytes = other.RowBytes;
  AbsHeight = other.AbsHeight;
  Gap = other.Gap;
  Info = other.Info;
  Colors = Info.Colors;
  BlueBits = other.BlueBits, GreenBits = other.GreenBits, RedBits = other.RedBits;
  BlueShr = other.BlueShr, GreenShr = other.GreenShr, RedShr = other.RedShr;
  GreenShl = other.GreenShl, RedShl = other.RedShl;
  UseGDI = other.UseGDI;
  BrushStyle = other.BrushStyle, BrushColor = other.BrushColor, BrushHatch = other.BrushHatch;
  // Moving the block's owner keeps the block, so bits_ and Rows stay valid.
  plainBits_ = std::move(other.plainBits_);
  section_ = std::move(other.section_);
  bits_ = other.bits_;
  Rows = std::move(other.Rows);

  other.plainBits_.reset();
  other.Rows.clear();
  other.Reset();
}

int64_t TFastDIB::CountColors() const {
  if (bits_ == nullptr) return 0;
  const int32_t width = Width();
  int64_t count = 0;
  switch (Bpp()) {
    case 24:
    case 32: {
      const int step = Bpp() / 8;
      std::vector<uint8_t> seen(size_t(1) << 21, 0);
      for (int32_t y = 0; y < AbsHeight; ++y) {
        const uint8_t* p = Rows[size_t(y)];
        for (int32_t x = 0; x < width; ++x, p += step) {
          const uint32_t key = (uint32_t(p[2]) << 16) | (uint32_t(p[1]) << 8) | p[0];
          uint8_t& cell = seen[key >> 3];
          const uint8_t bit = uint8_t(1u << (key & 7));
          if (!(cell & bit)) {
            cell |= bit;
            ++count;
          }
        }
      }
      return count;
    }
    case 16: {
      // Only the channel bits make the colour; an unused top bit does not.
      const uint32_t mask = LowMask(BlueBits + GreenBits + RedBits);
      std::vector<uint8_t> seen(65536, 0);
      for (int32_t y = 0; y < AbsHeight; ++y) {
        const uint8_t* p = Rows[size_t(y)];
        for (int32_t x = 0; x < width; ++x, p += 2) {
          const uint32_t key = (p[0] | (uint32_t(p[1]) << 8)) & mask;
          if (!seen[key]) {
            seen[key] = 1;
            ++count;
          }
        }
      }
      return count;
    }
    case 8:
    case 4: {
      bool seen[256] = {};
      for (int32_t y = 0; y < AbsHeight; ++y) {
        const uint8_t* row = Rows[size_t(y)];
        for (int32_t x = 0; x < width; ++x) {
          const uint8_t value =
              Bpp() == 8 ? row[x] : uint8_t((x & 1) ? (row[x / 2] & 0x0F) : (row[x / 2] >> 4));
          if (!seen[value]) {
            seen[value] = true;
            ++count;
          }
        }
      }
      return count;
    }
    case 1:
      // Two equal entries still show one colour.
      return std::memcmp(&Colors[0], &Colors[1], 4) != 0 ? 2 : 1;
  }
  return 0;
}

}  // namespace imaging
