#include "imaging/PictureDialog_win.h"

#include <commdlg.h>
#include <windows.h>

#include <cstring>
#include <vector>

#include "imaging/FastDIB.h"
#include "imaging/MetafilePicture_win.h"
#include "imaging/PictureFile.h"

namespace imaging {

namespace {

constexpr WORD kPlaceholderId = 0x045F;  // stc32: where the standard controls go
constexpr WORD kPreviewLabelId = 1101;
constexpr WORD kPreviewId = 1102;

struct PreviewState {
  TFastDIB picture;
  bool loaded = false;

  void Load(const std::string& path) {
    loaded = false;
    TFastDIB candidate;
    const PictureKind kind = PictureKindOf(path);
    if (kind == PictureKind::kEnhancedMetafile || kind == PictureKind::kMetafile) {
      loaded = LoadMetafilePicture(path, kind == PictureKind::kEnhancedMetafile, candidate);
    } else if (kind != PictureKind::kUnknown) {
      loaded = LoadPortablePicture(path, GetSysColor(COLOR_BTNFACE), candidate);
    }
    if (loaded) picture.TakeOver(candidate);
  }

  void Paint(const DRAWITEMSTRUCT& item) const {
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
    FrameRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_BTNSHADOW));
    if (!loaded) return;
    const int boxWidth = item.rcItem.right - item.rcItem.left - 4;
    const int boxHeight = item.rcItem.bottom - item.rcItem.top - 4;
    int width = picture.Width(), height = picture.AbsHeight;
    // Larger pictures are scaled down with their proportions kept; smaller
    // ones are shown at their own size.
    if (width > boxWidth || height > boxHeight) {
      if (int64_t(width) * boxHeight > int64_t(height) * boxWidth) {
        height = MulDiv(height, boxWidth, width), width = boxWidth;
      } else {
        width = MulDiv(width, boxHeight, height), height = boxHeight;
      }
    }
    const int x = item.rcItem.left + 2 + (boxWidth - width) / 2;
    const int y = item.rcItem.top + 2 + (boxHeight - height) / 2;
    SetStretchBltMode(item.hDC, COLORONCOLOR);
    StretchDIBits(item.hDC, x, y, width < 1 ? 1 : width, height < 1 ? 1 : height, 0, 0,
                  picture.Width(), picture.AbsHeight, picture.Bits(),
                  reinterpret_cast<const BITMAPINFO*>(&picture.Info), DIB_RGB_COLORS, SRCCOPY);
  }
};

// A dialog template in memory: the placeholder for the standard controls,
// and to its right a "Preview" caption over an owner-drawn preview box.
class TemplateBuilder {
 public:
  TemplateBuilder(DWORD style, short cx, short cy, WORD items) {
    Align();
    Add32(style);
    Add32(0);
    Add16(items);
    Add16(0), Add16(0), Add16(WORD(cx)), Add16(WORD(cy));
    Add16(0), Add16(0), Add16(0);  // no menu, default class, no title
  }
  void AddStatic(DWORD style, short x, short y, short cx, short cy, WORD id, const wchar_t* text) {
    Align();
    Add32(style | WS_CHILD | WS_VISIBLE);
    Add32(0);
    Add16(WORD(x)), Add16(WORD(y)), Add16(WORD(cx)), Add16(WORD(cy)), Add16(id);
    Add16(0xFFFF), Add16(0x0082);  // the STATIC class
    for (const wchar_t* c = text; *c; ++c) Add16(WORD(*c));
    Add16(0);
    Add16(0);  // no creation data
  }
  const DLGTEMPLATE* Template() const {
    return reinterpret_cast<const DLGTEMPLATE*>(words_.data());
  }

 private:
  void Add16(WORD value) { words_.push_back(value); }
  void Add32(DWORD value) { Add16(LOWORD(value)), Add16(HIWORD(value)); }
  void Align() {
    if (words_.size() % 2) words_.push_back(0);
  }
  std::vector<WORD> words_;
};

UINT_PTR CALLBACK PreviewHook(HWND dialog, UINT message, WPARAM, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: {
      const auto* ofn = reinterpret_cast<const OPENFILENAMEA*>(lParam);
      SetWindowLongPtrA(dialog, GWLP_USERDATA, LONG_PTR(ofn->lCustData));
      return TRUE;
    }
    case WM_NOTIFY: {
      const auto* notify = reinterpret_cast<const OFNOTIFYA*>(lParam);
      auto* state = reinterpret_cast<PreviewState*>(GetWindowLongPtrA(dialog, GWLP_USERDATA));
      if (state == nullptr || notify->hdr.code != UINT(CDN_SELCHANGE)) return FALSE;
      char path[MAX_PATH] = {};
      if (SendMessageA(GetParent(dialog), CDM_GETFILEPATH, MAX_PATH, LPARAM(path)) > 0) {
        state->Load(path);
      } else {
        state->loaded = false;
      }
      InvalidateRect(GetDlgItem(dialog, kPreviewId), nullptr, TRUE);
      return FALSE;
    }
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      auto* state = reinterpret_cast<PreviewState*>(GetWindowLongPtrA(dialog, GWLP_USERDATA));
      if (item->CtlID != kPreviewId || state == nullptr) return FALSE;
      state->Paint(*item);
      return TRUE;
    }
  }
  return FALSE;
}

}  // namespace

std::string PictureDialogFilter() {
  static const char kFilter[] =
      "All (*.jpg;*.jpeg;*.bmp;*.ico;*.emf;*.wmf)\0*.jpg;*.jpeg;*.bmp;*.ico;*.emf;*.wmf\0"
      "JPEG Image File (*.jpg)\0*.jpg\0"
      "JPEG Image File (*.jpeg)\0*.jpeg\0"
      "Bitmaps (*.bmp)\0*.bmp\0"
      "Icons (*.ico)\0*.ico\0"
      "Enhanced Metafiles (*.emf)\0*.emf\0"
      "Metafiles (*.wmf)\0*.wmf\0";
  return std::string(kFilter, sizeof(kFilter));
}

std::optional<std::string> ShowPictureDialog(HWND owner) {
  TemplateBuilder layout(WS_CHILD | WS_CLIPSIBLINGS | DS_3DLOOK | DS_CONTROL, 130, 130, 3);
  // As tall as the template, so the preview lies beside the standard controls, not below.
  layout.AddStatic(0, 0, 0, 4, 130, kPlaceholderId, L"");
  layout.AddStatic(SS_LEFT, 10, 6, 110, 10, kPreviewLabelId, L"Preview");
  layout.AddStatic(SS_OWNERDRAW, 10, 18, 110, 100, kPreviewId, L"");

  PreviewState state;
  const std::string filter = PictureDialogFilter();
  char file[MAX_PATH] = {};
  OPENFILENAMEA ofn{};
  // The size Windows 95, 98 and Millennium know; later versions accept it too.
  ofn.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
  ofn.hwndOwner = owner;
  ofn.hInstance = reinterpret_cast<HINSTANCE>(const_cast<DLGTEMPLATE*>(layout.Template()));
  ofn.lpstrFilter = filter.c_str();
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = file;
  ofn.nMaxFile = MAX_PATH;
  ofn.lpstrTitle = "Open Picture File";
  ofn.Flags = OFN_EXPLORER | OFN_ENABLEHOOK | OFN_ENABLETEMPLATEHANDLE | OFN_FILEMUSTEXIST |
              OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_ENABLESIZING;
  ofn.lpfnHook = PreviewHook;
  ofn.lCustData = LPARAM(&state);
  if (!GetOpenFileNameA(&ofn)) return std::nullopt;
  return std::string(file);
}

}  // namespace imaging
