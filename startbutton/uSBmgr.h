#pragma once
// TSBmgr: the Start button's word, tooltip and, on Windows XP, its picture,
// written into a new copy of the shell file that then becomes the shell.

#include <memory>
#include <string>

#include "startbutton/StartButtonResources.h"
#include "ui/Form.h"

class TfDialog3;
class TfDialog4;
class TSBcontext;
namespace ui {
class Edit;
}

class TSBmgr : public ui::Form {
 public:
  static constexpr int kClientWidth = 470;
  static constexpr int kClientHeight = 276;

  TSBmgr();
  ~TSBmgr() override;

  // Shows the window modally over its owner, loaded afresh from the shell
  // file Windows uses now. Edits not written are gone afterwards.
  int Execute();

  // The dialogs it shows, created with it and kept as long as it lives.
  TfDialog3& Dialog3() const { return *fDialog3_; }
  TfDialog4& Dialog4() const { return *fDialog4_; }
  TSBcontext& Context() const { return *fContext_; }
  // From Execute until the texts of the shell are in the boxes.
  bool Loading() const { return loadPending_ || loading_; }

  // Handlers, bound by the window's control table.
  void tStartChange(ui::Control& sender);
  void tTooltipChange(ui::Control& sender);
  void bOKClick(ui::Control& sender);
  void bCancelClick(ui::Control& sender);
  void bApplyClick(ui::Control& sender);
  void bRestoreClick(ui::Control& sender);
  void bContextClick(ui::Control& sender);
  void XPSBChangeClick(ui::Control& sender);
  void XPSBRestoreClick(ui::Control& sender);
  void bHelpcnrClick(ui::Control& sender) override;

 protected:
  const char* ClassName() const override { return "TSBmgr"; }
  ui::FormSpec Spec() const override;
  void FormCreate() override;
  void FormActivate() override;
  void bCloseClick(ui::Control& sender) override;

 private:
  bool IsXP() const;
  // Reads the three tables from file into the edit and the boxes.
  void LoadTables(const std::string& file);
  void FillBox(ui::Edit& box, const StringTable& table);
  void FormClose();
  void EnableApply(bool enabled);
  int Notify(const std::string& text, UINT flags);

  StartButtonEdit edit_;
  ui::Edit* tStart_ = nullptr;
  ui::Edit* tTooltip_ = nullptr;
  std::unique_ptr<TfDialog3> fDialog3_;
  std::unique_ptr<TfDialog4> fDialog4_;
  std::unique_ptr<TSBcontext> fContext_;
  bool loadPending_ = false;
  bool loading_ = false;
};
