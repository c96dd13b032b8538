#include "logos/BootPreviewWindow_win.h"

#include <array>
#include <memory>

#include "logos/BootAnimation.h"
#include "logos/KernelBitmaps.h"
#include "ui/Control.h"
#include "win/ScopedGdi.h"

namespace logos {

namespace {

constexpr UINT_PTR kAnimationTimer = 1;

COLORREF ColourOf(const imaging::RgbQuad& quad) {
  return RGB(quad.Red, quad.Green, quad.Blue);
}

}  // namespace

// The picture with its animation, painted from the frame functions.
class BootScreen : public ui::Control {
 public:
  bool Create(HWND parent) {
    return Window::Create(
        ui::ChildArgs(parent, nullptr, "", 0, 0, kBootLogoWidth, kBootLogoHeight));
  }

  void Start(HBITMAP picture, BootPreviewWindow::Screen screen, const BootPalette& palette,
             int xpEdition) {
    picture_.Reset(picture);
    screen_ = screen;
    palette_ = palette;
    xpEdition_ = xpEdition;
    frame_ = IsXP() ? kXpBarFirstStep : 0;
    strip_.Reset();
    if (!IsXP() && picture_) {
      // The band is taken once from the picture and then only moved.
      HDC screenDc = GetDC(nullptr);
      strip_.Reset(CreateCompatibleBitmap(screenDc, kBandWidth, kBandHeight));
      win::ScopedCompatibleDc source(screenDc);
      win::ScopedCompatibleDc target(screenDc);
      ReleaseDC(nullptr, screenDc);
      win::ScopedSelect selectSource(source.Get(), picture_.Get());
      win::ScopedSelect selectTarget(target.Get(), strip_.Get());
      BitBlt(target.Get(), 0, 0, kBandWidth, kBandHeight, source.Get(), 0, kBandTop, SRCCOPY);
    }
    Invalidate();
  }

  void Stop() {
    picture_.Reset();
    strip_.Reset();
  }

  void Advance() {
    frame_ = IsXP() ? NextXpBarStep(frame_) : NextBandOffset(frame_);
    const RECT area = IsXP() ? RECT{kXpBarX, kXpBarY, kXpBarX + kXpBarWidth, kXpBarY + kXpBarHeight}
                             : RECT{0, kBandTop, kBandWidth, kBandTop + kBandHeight};
    InvalidateRect(Hwnd(), &area, FALSE);
  }

  int Frame() const { return frame_; }

 protected:
  const char* ClassName() const override { return "QuorloBootScreen"; }
  bool ClicksOnMouseUp() const override { return true; }

  void OnPaint(HDC dc) override {
    RECT client = ClientRect();
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    if (!picture_) return;
    win::ScopedCompatibleDc source(dc);
    {
      win::ScopedSelect select(source.Get(), picture_.Get());
      BitBlt(dc, 0, 0, kBootLogoWidth, kBootLogoHeight, source.Get(), 0, 0, SRCCOPY);
    }
    if (IsXP()) {
      PaintBar(dc);
    } else if (strip_) {
      win::ScopedSelect select(source.Get(), strip_.Get());
      for (const ColumnCopy& copy : BandCopies(frame_)) {
        if (copy.width <= 0) continue;
        BitBlt(dc, copy.destX, kBandTop, copy.width, kBandHeight, source.Get(), copy.sourceX, 0,
               SRCCOPY);
      }
    }
  }

 private:
  bool IsXP() const { return screen_ == BootPreviewWindow::Screen::kWindowsXP; }

  void PaintBar(HDC dc) const {
    for (int y = 0; y < kXpBarHeight; ++y) {
      for (int x = 0; x < kXpBarWidth; ++x) {
        const int entry = XpBarPaletteEntry(frame_, xpEdition_, x, y);
        SetPixelV(dc, kXpBarX + x, kXpBarY + y, ColourOf(palette_[size_t(entry)]));
      }
    }
  }

  win::ScopedBitmap picture_;
  win::ScopedBitmap strip_;
  BootPreviewWindow::Screen screen_ = BootPreviewWindow::Screen::kWindowsXP;
  BootPalette palette_{};
  int xpEdition_ = 0;
  int frame_ = 0;
};

BootPreviewWindow::BootPreviewWindow(Screen screen) : screen_(screen) {}

const char* BootPreviewWindow::ClassName() const {
  return screen_ == Screen::kWindowsXP ? "TLogoXPPreview" : "TLogo2kPreview";
}

ui::FormSpec BootPreviewWindow::Spec() const {
  ui::FormSpec spec;
  spec.caption = "Quorlo - Preview";
  spec.clientWidth = kBootLogoWidth;
  spec.clientHeight = kBootLogoHeight;
  spec.frame = false;
  spec.hintLine = false;
  return spec;
}

void BootPreviewWindow::FormCreate() {
  auto screen = std::make_unique<BootScreen>();
  if (!screen->Create(Hwnd())) return;
  picture_ = screen.get();
  ui::Control& control = Adopt(std::move(screen), "imgPreview");
  control.onClick = [this](ui::Control& sender) { imgPreviewClick(sender); };
  SetCancelButton(&control);
}

void BootPreviewWindow::ShowPicture(HBITMAP picture, const BootPalette& palette, int xpEdition) {
  if (picture_ == nullptr) {
    DeleteObject(picture);
    return;
  }
  picture_->Start(picture, screen_, palette, xpEdition);
  StartTimer(kAnimationTimer,
             screen_ == Screen::kWindowsXP ? UINT(kXpBarTickMs) : UINT(kBandTickMs));
  ShowModal();
}

int BootPreviewWindow::Frame() const {
  return picture_ != nullptr ? picture_->Frame() : 0;
}

void BootPreviewWindow::OnTimer(UINT_PTR id) {
  if (id == kAnimationTimer && picture_ != nullptr) picture_->Advance();
}

void BootPreviewWindow::FormClose() {
  StopTimer(kAnimationTimer);
  if (picture_ != nullptr) picture_->Stop();
}

void BootPreviewWindow::imgPreviewClick(ui::Control&) {
  Close();
}

}  // namespace logos
