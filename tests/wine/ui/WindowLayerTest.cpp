// The window layer on real windows: notifications of controls inside group
// boxes and pages reach their handlers, the control table fills typed
// members and refuses a wrong one, timers reach OnTimer, and Destroy runs
// the form's own end.

#include <windows.h>
// After <windows.h>, which it needs.
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/robot/Robot.h"
#include "ui/Containers.h"
#include "ui/Form.h"
#include "ui/GradientPushButton.h"
#include "ui/Label.h"
#include "ui/StandardControls.h"

namespace ui::test {

// A window whose table puts each kind of control inside a container.
class NestedForm : public Form {
 public:
  std::vector<std::string> events;
  int destroyed = 0;
  std::vector<UINT_PTR> timers;

  GroupBox* group = nullptr;
  Button* cOption = nullptr;
  TabControl* pages = nullptr;
  Page* pageOne = nullptr;
  Page* pageTwo = nullptr;
  Edit* tName = nullptr;
  ListBox* lItems = nullptr;
  TreeView* tvItems = nullptr;
  Label* lNote = nullptr;
  ui::GradientPushButton* bGo = nullptr;

 protected:
  FormSpec Spec() const override {
    FormSpec spec;
    spec.caption = "Window layer test";
    spec.clientWidth = 400;
    spec.clientHeight = 300;
    return spec;
  }
  void FormCreate() override;
  void FormDestroy() override { ++destroyed; }
  void OnTimer(UINT_PTR id) override { timers.push_back(id); }

 private:
  void Record(Control& sender) { events.push_back(sender.Name()); }
  bool tvItemsEdited(TreeView&, HTREEITEM, const char* text) {
    events.push_back(std::string("edited:") + (text != nullptr ? text : "(cancelled)"));
    return text != nullptr;
  }

  static const ControlDef<NestedForm> kControls[];
};

const ControlDef<NestedForm> NestedForm::kControls[] = {
    {Kind::kGroupBox, "group", 10, 30, 180, 80, "Group", "", 0, nullptr, Bind<&NestedForm::group>},
    {Kind::kCheck, "cOption", 10, 20, 150, 17, "Option", "", 0, &NestedForm::Record,
     Bind<&NestedForm::cOption>, "group"},
    {Kind::kPushButton, "bGo", 10, 45, 75, 25, "Go", "", 0, &NestedForm::Record,
     Bind<&NestedForm::bGo>, "group"},
    {Kind::kPages, "pages", 200, 30, 190, 200, "", "", 0, &NestedForm::Record,
     Bind<&NestedForm::pages>},
    {Kind::kPage, "pageOne", 0, 0, 0, 0, "One", "", 0, nullptr, Bind<&NestedForm::pageOne>,
     "pages"},
    {Kind::kEdit, "tName", 5, 5, 150, 21, "", "", 0, &NestedForm::Record, Bind<&NestedForm::tName>,
     "pageOne"},
    {Kind::kListBox, "lItems", 5, 35, 150, 60, "", "", 0, &NestedForm::Record,
     Bind<&NestedForm::lItems>, "pageOne"},
    {Kind::kPage, "pageTwo", 0, 0, 0, 0, "Two", "", 0, nullptr, Bind<&NestedForm::pageTwo>,
     "pages"},
    {Kind::kTree, "tvItems", 5, 5, 150, 100, "", "", 0, &NestedForm::Record,
     Bind<&NestedForm::tvItems>, "pageTwo", nullptr, &NestedForm::tvItemsEdited},
    {Kind::kWrapLabel, "lNote", 10, 240, 120, 40, "A note long enough to take two lines", "", 0,
     nullptr, Bind<&NestedForm::lNote>},
};

void NestedForm::FormCreate() {
  Build(this, kControls);
}

class WindowLayer : public ::testing::Test {
 protected:
  void SetUp() override {
    INITCOMMONCONTROLSEX init{sizeof init, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&init);
    SetCursorPos(0, 0);
    ASSERT_TRUE(form.CreateForm(nullptr)) << "row " << form.BuildFailure();
    form.ShowModeless();
    robot::PumpMessages(50);
  }
  void TearDown() override { form.Destroy(); }
  NestedForm form;
};

TEST_F(WindowLayer, TheTableFillsEveryTypedMemberWithItsControl) {
  const struct {
    const char* name;
    Control* member;
  } rows[] = {{"group", form.group},     {"cOption", form.cOption}, {"pages", form.pages},
              {"pageOne", form.pageOne}, {"tName", form.tName},     {"lItems", form.lItems},
              {"pageTwo", form.pageTwo}, {"tvItems", form.tvItems}, {"lNote", form.lNote},
              {"bGo", form.bGo}};
  for (const auto& row : rows) {
    ASSERT_NE(row.member, nullptr) << row.name;
    EXPECT_EQ(row.member, form.Find(row.name)) << row.name;
  }
  // Rows naming a container are its children, placed relative to it.
  EXPECT_EQ(GetParent(form.cOption->Hwnd()), form.group->Hwnd());
  EXPECT_EQ(GetParent(form.tName->Hwnd()), form.pageOne->Hwnd());
  EXPECT_EQ(GetParent(form.pageOne->Hwnd()), form.pages->Hwnd());
  EXPECT_EQ(form.cOption->BoundsInParent().left, 10);
}

TEST_F(WindowLayer, ControlsInAGroupBoxReachTheirHandlers) {
  robot::Click(form.cOption->Hwnd());
  robot::Click(form.bGo->Hwnd());
  robot::PumpMessages(50);
  EXPECT_EQ(form.events, (std::vector<std::string>{"cOption", "bGo"}));
  EXPECT_TRUE(form.cOption->Checked());
}

TEST_F(WindowLayer, ControlsOnPagesReachTheirHandlersAndTabsSwitchPages) {
  EXPECT_TRUE(form.pageOne->Visible());
  EXPECT_FALSE(form.pageTwo->Visible());
  robot::Type(form.tName->Hwnd(), "x");
  form.lItems->Add("first");
  form.lItems->Add("second");
  // A user's selection: the list box tells its parent, the page.
  form.lItems->SetSelectedIndex(1);
  SendMessageA(form.pageOne->Hwnd(), WM_COMMAND,
               MAKEWPARAM(GetDlgCtrlID(form.lItems->Hwnd()), LBN_SELCHANGE),
               reinterpret_cast<LPARAM>(form.lItems->Hwnd()));
  // Text the window puts in itself is no change of the user's.
  form.tName->SetTextQuietly("quiet");
  EXPECT_EQ(form.events, (std::vector<std::string>{"tName", "lItems"}));

  form.events.clear();
  form.pages->SetSelected(1);
  EXPECT_FALSE(form.pageOne->Visible());
  EXPECT_TRUE(form.pageTwo->Visible());
  HTREEITEM root = form.tvItems->Insert(nullptr, "Root");
  form.tvItems->Select(root);
  form.tvItems->EditLabel(root);
  HWND editor =
      reinterpret_cast<HWND>(SendMessageA(form.tvItems->Hwnd(), TVM_GETEDITCONTROL, 0, 0));
  ASSERT_NE(editor, nullptr);
  SetWindowTextA(editor, "Renamed");
  SendMessageA(form.tvItems->Hwnd(), TVM_ENDEDITLABELNOW, FALSE, 0);
  robot::PumpMessages(50);
  EXPECT_EQ(form.events, (std::vector<std::string>{"tvItems", "edited:Renamed"}));
  EXPECT_EQ(form.tvItems->ItemText(root), "Renamed");
}

TEST_F(WindowLayer, TimersReachOnTimerUntilStopped) {
  form.StartTimer(7, 10);
  ASSERT_TRUE(robot::WaitUntil([this] { return form.timers.size() >= 2; }));
  form.StopTimer(7);
  robot::PumpMessages(20);
  const size_t counted = form.timers.size();
  robot::PumpMessages(100);
  EXPECT_EQ(form.timers.size(), counted);
  for (UINT_PTR id : form.timers) EXPECT_EQ(id, 7u);
}

TEST_F(WindowLayer, DestroyRunsFormDestroyAndTheFormCanBeMadeAgain) {
  HWND hwnd = form.Hwnd();
  form.Destroy();
  EXPECT_EQ(form.destroyed, 1);
  EXPECT_FALSE(IsWindow(hwnd));
  EXPECT_FALSE(form.IsCreated());
  form.Destroy();
  EXPECT_EQ(form.destroyed, 1) << "a second Destroy ended nothing";
}

// A window made of nothing but its table: a member that does not fit its
// row, or a row naming no container.
template <class F>
class TableOnly : public Form {
 protected:
  FormSpec Spec() const override {
    FormSpec spec;
    spec.caption = F::kCaption;
    spec.clientWidth = 200;
    spec.clientHeight = 100;
    return spec;
  }
  void FormCreate() override { Build(static_cast<F*>(this), F::kControls); }
};

struct WrongMember : TableOnly<WrongMember> {
  static constexpr char kCaption[] = "Wrong member";
  static const ControlDef<WrongMember> kControls[1];
  Edit* tOption = nullptr;
};

const ControlDef<WrongMember> WrongMember::kControls[1] = {
    {Kind::kCheck, "tOption", 10, 30, 100, 17, "Option", "", 0, nullptr,
     Bind<&WrongMember::tOption>},
};

struct NoContainer : TableOnly<NoContainer> {
  static constexpr char kCaption[] = "No container";
  static const ControlDef<NoContainer> kControls[2];
};

const ControlDef<NoContainer> NoContainer::kControls[2] = {
    {Kind::kLabel, "lText", 10, 30, 0, 0, "Text", "", 0},
    {Kind::kCheck, "cOption", 10, 30, 100, 17, "Option", "", 0, nullptr, nullptr, "lText"},
};

TEST(ControlTable, AWindowWhoseTableDoesNotFitIsNotMade) {
  WrongMember wrong;
  EXPECT_FALSE(wrong.CreateForm(nullptr));
  EXPECT_EQ(wrong.BuildFailure(), "tOption");
  EXPECT_FALSE(wrong.IsCreated());
  EXPECT_EQ(robot::WaitForWindow("QuorloForm", "Wrong member", 0), nullptr);

  NoContainer orphan;
  EXPECT_FALSE(orphan.CreateForm(nullptr));
  EXPECT_EQ(orphan.BuildFailure(), "cOption");
  EXPECT_FALSE(orphan.IsCreated());
}


// A window that counts the loads of its openings.
class LoadingForm : public Form {
 public:
  int loads = 0;

 protected:
  FormSpec Spec() const override {
    FormSpec spec;
    spec.caption = "Loading form";
    spec.clientWidth = 200;
    spec.clientHeight = 100;
    return spec;
  }
  void FormCreate() override {}
  void LoadOnOpening() override { ++loads; }
};

// Opens the form modally and closes it from beside once it has loaded;
// returns the loads it had counted by then, or -1 when it never finished opening.
int LoadsSeenByOneOpening(LoadingForm& form) {
  int seen = -1;
  robot::RobotThread closer([&] {
    if (robot::WaitUntil([&] { return IsWindowVisible(form.Hwnd()) && !form.Opening(); })) {
      seen = form.loads;
    }
    PostMessageA(form.Hwnd(), WM_CLOSE, 0, 0);
  });
  form.Execute();
  closer.Join();
  return seen;
}

// Activation is what normally starts the load, but a window that is already
// the active one when it is shown (a dialog it owned closed while it was
// hidden and gave the activation back to it) gets no new activation.
TEST(FormOpening, EveryOpeningLoadsOnceEvenWithoutANewActivation) {
  LoadingForm manager;
  LoadingForm dialog;
  ASSERT_TRUE(manager.CreateForm(nullptr));
  ASSERT_TRUE(dialog.CreateForm(manager.Hwnd()));
  EXPECT_EQ(LoadsSeenByOneOpening(manager), 1);
  // The manager hidden, a dialog it owns comes and goes; the activation
  // does not go back to the hidden manager, where keys would reach nothing seen.
  EXPECT_EQ(LoadsSeenByOneOpening(dialog), 1);
  EXPECT_NE(GetActiveWindow(), manager.Hwnd());
  EXPECT_EQ(LoadsSeenByOneOpening(manager), 2);
  // Still the active window, although hidden.
  SetActiveWindow(manager.Hwnd());
  EXPECT_EQ(LoadsSeenByOneOpening(manager), 3);
  EXPECT_EQ(LoadsSeenByOneOpening(manager), 4);
}

}  // namespace ui::test
