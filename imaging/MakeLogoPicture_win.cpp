#include <windows.h>

#include "imaging/LogoPipeline.h"
#include "imaging/OpenPicture.h"
#include "ui/MessageBox.h"
#include "win/SystemFacts.h"

namespace imaging {

void MakeLogoPicture(const std::string& pictureFile, int logoWidth, int logoHeight,
                     std::string& outFileName, bool keepPalette, bool fit, COLORREF background,
                     HWND statusLabel, int logoBpp) {
  SetCursor(LoadCursor(nullptr, IDC_ARROW));
  LogoSpec spec;
  spec.Width = logoWidth;
  spec.Height = logoHeight;
  spec.Bpp = logoBpp;
  spec.KeepPalette = keepPalette;
  spec.Fit = fit;
  spec.Background = background;
  LogoCallbacks callbacks;
  callbacks.Status = [statusLabel](const char* text) {
    if (statusLabel == nullptr) return;
    SetWindowTextA(statusLabel, text);
    // The work runs on this thread: repaint now so the text is seen.
    HWND owner = GetParent(statusLabel);
    RedrawWindow(owner != nullptr ? owner : statusLabel, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  };
  callbacks.Ask = [statusLabel](const std::string& question) {
    HWND owner = statusLabel != nullptr ? GetAncestor(statusLabel, GA_ROOT) : nullptr;
    return ui::ShowMessageBox(question, "Picture selection error", MB_YESNO | MB_ICONQUESTION,
                              owner) == IDYES;
  };
  const std::string logoFile = win::GetTempDir() + "_tempbmp.bmp";
  switch (MakeLogo(pictureFile, spec, callbacks, logoFile)) {
    case LogoResult::kCopied:
    case LogoResult::kMade:
      outFileName = logoFile;
      break;
    case LogoResult::kDeclined:
    case LogoResult::kPictureRefused:
    case LogoResult::kNotWritten:
    case LogoResult::kFailed:
      outFileName.clear();
      break;
  }
  SetCursor(LoadCursor(nullptr, IDC_ARROW));
}

}  // namespace imaging
