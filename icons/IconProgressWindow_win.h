#pragma once
// The progress window (registered as `TfDialog5`) shown while the Icon
// Manager reads the catalogue: it runs the reading inside its own
// activation (or, shown while the program is not in front, as soon as it
// shows), moving its bar one step per entry, and closes itself once that
// activation has ended.

#include <functional>

#include "ui/Form.h"

namespace ui {
class ProgressBar;
}

namespace icons {

class IconProgressWindow : public ui::Form {
 public:
  static constexpr int kClientWidth = 225;
  static constexpr int kClientHeight = 85;
  // The bar's end: reached at the 53rd of the 54 steps, so the last leaves it full.
  static constexpr int kBarMaximum = 53;

  // Called once per entry; it moves the bar and repaints the window.
  using Step = std::function<void()>;
  // The reading, given the step to call after each entry.
  using Work = std::function<void(const Step& step)>;

  // Shows the window modally while `work` runs; returns once it has closed.
  void Run(Work work);

  const ui::ProgressBar& Bar() const { return *ProgressBar1; }

 protected:
  const char* ClassName() const override { return "TfDialog5"; }
  ui::FormSpec Spec() const override;
  void FormCreate() override;
  void FormActivate() override;
  void OnTimer(UINT_PTR id) override;

 private:
  static const ui::ControlDef<IconProgressWindow> kControls[];

  void Timer1Timer();
  // Reads the catalogue, once per Run, then has the window closed.
  void DoWork();
  void Advance();

  Work work_;
  ui::ProgressBar* ProgressBar1 = nullptr;
};

}  // namespace icons
