#pragma once
// The Logon Dialogs Manager (registered as `TLogonDlgMgr`): the pictures of
// the 2000/XP logon dialogs and their animated bar, read from the logon
// library in force and written, on OK, into a new copy of it that Windows
// then uses as its logon library.

#include <array>
#include <memory>

#include "logon/BarAnimation.h"
#include "logon/LogonLibrary_win.h"
#include "logon/LogonWrite_win.h"
#include "ui/Form.h"

namespace imaging {
class TFastDIB;
}
namespace ui {
class TabControl;
}

namespace logon {

class PaintBox;
class PictureBox;

class LogonDialogsWindow : public ui::Form {
 public:
  static constexpr int kClientWidth = 616;
  static constexpr int kClientHeight = 258;
  // The tab of the moving bar, the third.
  static constexpr int kAnimationTab = 2;

  // windowsVersion as WindowsVersion gives it: 5 takes the XP rows of the
  // bitmap table, any other the 2000 rows.
  explicit LogonDialogsWindow(int windowsVersion);
  ~LogonDialogsWindow() override;

  // The edition the main window asked for (GetXPEdition or Get2000Edition);
  // read at the next opening.
  void SetEdition(int edition) { edition_ = edition; }

  // The bar's phase (BarOffset), for a look from outside.
  int BarOffset() const { return bar_.Offset(); }

 protected:
  const char* ClassName() const override { return "TLogonDlgMgr"; }
  ui::FormSpec Spec() const override;
  void FormCreate() override;
  // Reads the library in force and its pictures afresh.
  void LoadOnOpening() override;
  // Pictures not written are gone once the window closes.
  void FormClose() override;
  void OnTimer(UINT_PTR id) override;

 private:
  static const ui::ControlDef<LogonDialogsWindow> kControls[];

  // Handlers, bound by the control table.
  void bChangeClick(ui::Control& sender);
  void bOKClick(ui::Control& sender) override;
  void bRestoreClick(ui::Control& sender);
  void PageControl1Change(ui::Control& sender);
  void Timer1Timer();
  void PaintBox1Paint(PaintBox& sender, HDC dc);

  // Shows a bitmap file as picture `index`; the bar also becomes BarBitmap.
  void ShowPicture(int index, const std::vector<uint8_t>& file);
  // The timer runs exactly while the "Animation" tab is in front.
  void FollowActiveTab();

  int windowsVersion_;
  int edition_ = 0;
  LogonModule module_;
  LogonEdit edit_;
  BarAnimation bar_;
  std::unique_ptr<imaging::TFastDIB> barBitmap_;
  std::array<PictureBox*, kPictureCount> pictures_{};
  PaintBox* PaintBox1 = nullptr;
  ui::TabControl* PageControl1 = nullptr;
  ui::Control* bOK = nullptr;
  ui::Control* bCancel = nullptr;
  ui::Control* bRestore = nullptr;
  ui::Control* TabSheet1 = nullptr;
  ui::Control* TabSheet2 = nullptr;
  ui::Control* TabSheet3 = nullptr;
};

}  // namespace logon
