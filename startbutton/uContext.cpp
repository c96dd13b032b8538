#include "startbutton/uContext.h"

#include <memory>

#include "app/Utils.h"
#include "startbutton/ContextMenu.h"
#include "startbutton/MenuCommand.h"
#include "ui/Dialogs.h"
#include "ui/Label.h"
#include "ui/StandardControls.h"

namespace {

constexpr char kCaption[] = "Start Button right-click Menu";
constexpr char kReservedHint[] = "These items are reserved by Windows, and cannot be changed.";

const ui::ControlDef<TSBcontext> kControls[] = {
    {ui::Kind::kLabel, "lOpen", 12, 62, 0, 0, "Open", kReservedHint, 0, nullptr},
    {ui::Kind::kLabel, "lExplore", 12, 76, 0, 0, "Explore", kReservedHint, 0, nullptr},
    {ui::Kind::kLabel, "lFind", 12, 90, 0, 0, "Find... / Search...", kReservedHint, 0, nullptr},
    {ui::Kind::kListBox, "MenuItems", 12, 106, 362, 72, "",
     "Select an item to configure. You can then configure this item by using the available "
     "options below.",
     0, nullptr},
    {ui::Kind::kLabel, "lText", 12, 189, 0, 0, "Text:", "", 0, nullptr},
    {ui::Kind::kEdit, "tName", 66, 186, 280, 21, "",
     "Enter the text you would like displayed on the shorcut here.", 0, nullptr},
    {ui::Kind::kLabel, "lShortcut", 12, 215, 0, 0, "Shortcut:", "", 0, nullptr},
    {ui::Kind::kEdit, "tShortcut", 66, 212, 280, 21, "",
     "Enter or browse for the file used for the shortcut here. This file will be opened when "
     "you use the shortcut.",
     0, nullptr},
    {ui::Kind::kPushButton, "bBrowse", 350, 212, 24, 21, "...",
     "Click to browse for a file or application to use for the shortcut.", 0,
     &TSBcontext::bBrowseClick},
    {ui::Kind::kPushButton, "bAdd", 12, 240, 100, 23, "Add as new item",
     "Uses the settings on the left to add a new item to the right-click menu of the Start "
     "Button.",
     0, &TSBcontext::bAddClick},
    {ui::Kind::kPushButton, "bUpdate", 118, 240, 82, 23, "Update item",
     "Update the currently selected item with the settings on the left.", 0,
     &TSBcontext::bUpdateClick},
    {ui::Kind::kPushButton, "bDelete", 206, 240, 82, 23, "Delete Item",
     "Deletes the currently selected item.", 0, &TSBcontext::bDeleteClick},
    {ui::Kind::kPushButton, "bOK", 299, 240, 75, 23, "OK", "Closes the dialog.", 0,
     &TSBcontext::bOKClick},
};

}  // namespace

ui::FormSpec TSBcontext::Spec() const {
  ui::FormSpec spec;
  spec.caption = kCaption;
  spec.title = "Quorlo - Start Button right-click Menu";
  spec.clientWidth = kClientWidth;
  spec.clientHeight = kClientHeight;
  spec.helpPage = "Start Button right click menu.htm";
  spec.closeHint = "Closes the dialog.";
  return spec;
}

void TSBcontext::FormCreate() {
  ui::Label::Options wrapped;
  wrapped.wordWrap = true;
  wrapped.autoSize = false;
  auto intro = std::make_unique<ui::Label>();
  if (intro->Create(Hwnd(),
                    "This dialog allows you to add, delete and change items found in the "
                    "right-click menu of the Start Button.",
                    12, 30, kClientWidth - 24, 28, wrapped)) {
    intro->SetFont(FormFont());
    Adopt(std::move(intro), "lIntro");
  }
  Build(this, kControls);
  menuItems_ = &Get<ui::ListBox>("MenuItems");
  menuItems_->onSelectionChange = [this](ui::ListBox& list) { MenuItemsClick(list); };
  tName_ = &Get<ui::Edit>("tName");
  tShortcut_ = &Get<ui::Edit>("tShortcut");
  SetDefaultButton(Find("bOK"));
  SetCancelButton(Find("bOK"));
}

int TSBcontext::Execute() {
  loadPending_ = true;
  return ShowModal();
}

void TSBcontext::FormActivate() {
  // Only an opening reloads: coming back from this window's own message
  // boxes must keep what the user typed.
  if (!loadPending_) return;
  loadPending_ = false;
  LoadMenuItems();
}

void TSBcontext::LoadMenuItems() {
  menuItems_->Clear();
  for (const std::string& name : ListMenuItems()) menuItems_->Add(name);
  Get<ui::Control>("bUpdate").SetEnabled(false);
  Get<ui::Control>("bDelete").SetEnabled(false);
  tName_->SetTextQuietly("");
  tShortcut_->SetTextQuietly("");
}

std::string TSBcontext::SelectedName() const {
  const int index = menuItems_->SelectedIndex();
  return index < 0 ? std::string() : menuItems_->ItemText(index);
}

int TSBcontext::Ask(const std::string& text, UINT flags) {
  return ShowMessageBox(text, kCaption, flags, Hwnd());
}

void TSBcontext::MenuItemsClick(ui::Control&) {
  const std::string name = SelectedName();
  if (name.empty()) return;
  Get<ui::Control>("bUpdate").SetEnabled(true);
  Get<ui::Control>("bDelete").SetEnabled(true);
  tName_->SetTextQuietly(name);
  tShortcut_->SetTextQuietly(ReadMenuCommand(name));
}

bool TSBcontext::SaveMenuItem(bool isUpdate) {
  const std::string name = tName_->Text();
  const std::string shortcut = tShortcut_->Text();
  // A "\" would make the name a path of nested keys, an entry the menu never shows.
  if (name.empty() || name.find('\\') != std::string::npos) {
    Ask("Please enter a valid name for the shortcut.", MB_ICONERROR);
    SetFocus(tName_->Hwnd());
    return false;
  }
  if (TrimSpaces(shortcut).empty()) {
    Ask("Please enter a valid file to use for the shortcut.", MB_ICONERROR);
    SetFocus(tShortcut_->Hwnd());
    return false;
  }
  if (!FileCanBeOpened(shortcut)) {
    Ask("File '" + shortcut + "' could not be found." + LineBreaks(2) +
            "Please enter a full qualified path for the file, or click Browse.",
        MB_ICONERROR);
    Get<ui::Control>("bBrowse").Click();
    return false;
  }
  const std::string extension = LowerExtension(shortcut);
  std::string program;
  if (!RunsByItself(extension)) {
    program = FindAssociatedProgram(extension);
    if (program.empty() &&
        Ask("Quorlo cannot find a program that is associated with this file." + LineBreaks(1) +
                "This means that the shortcut may not work." + LineBreaks(2) + "Continue?",
            MB_YESNO | MB_ICONWARNING) != IDYES) {
      return false;
    }
  }
  const std::string command = MenuCommand(shortcut, program);
  const std::string oldName = isUpdate ? SelectedName() : std::string();
  // Renaming writes the new key before the old one goes, so a refused write
  // loses nothing. Keys differing in letter case only are one key: it goes
  // first, so that the new spelling is the one kept.
  const bool sameKey =
      !oldName.empty() && CompareStringA(LOCALE_SYSTEM_DEFAULT, NORM_IGNORECASE, oldName.c_str(),
                                         -1, name.c_str(), -1) == CSTR_EQUAL;
  if (sameKey) DeleteMenuItem(oldName);
  const std::string failure = WriteMenuItem(name, command);
  if (!failure.empty()) {
    Ask(failure, MB_ICONERROR);
    return false;
  }
  if (!oldName.empty() && !sameKey) DeleteMenuItem(oldName);
  return true;
}

bool TSBcontext::RefuseReservedName() {
  if (!IsReservedMenuName(tName_->Text())) return false;
  Ask("The shortcut name 'find' is reserved by Windows, and cannot be used.", MB_ICONERROR);
  return true;
}

void TSBcontext::bAddClick(ui::Control&) {
  if (RefuseReservedName()) return;
  const std::string name = tName_->Text();
  for (int i = 0; i < menuItems_->Count(); ++i) {
    if (CompareStringA(LOCALE_SYSTEM_DEFAULT, NORM_IGNORECASE, menuItems_->ItemText(i).c_str(), -1,
                       name.c_str(), -1) != CSTR_EQUAL)
      continue;
    if (Ask("Item '" + name + "' already exists.  Replace?", MB_YESNO | MB_ICONINFORMATION) == IDNO)
      return;
  }
  if (SaveMenuItem(false)) LoadMenuItems();
}

void TSBcontext::bUpdateClick(ui::Control&) {
  if (RefuseReservedName()) return;
  if (SelectedName().empty()) {
    Ask("No item is selected to update.", MB_ICONERROR);
    return;
  }
  if (SaveMenuItem(true)) LoadMenuItems();
}

void TSBcontext::bDeleteClick(ui::Control&) {
  const std::string name = SelectedName();
  if (name.empty()) {
    Ask("No item is selected to delete.", MB_ICONERROR);
    return;
  }
  if (Ask("Are you sure?", MB_YESNO | MB_ICONQUESTION) == IDNO) return;
  if (!DeleteMenuItem(name)) {
    Ask("Failed to delete key '" + std::string(kDirectoryShellKey) + "\\" + name + "'",
        MB_ICONERROR);
    return;
  }
  LoadMenuItems();
}

void TSBcontext::bBrowseClick(ui::Control&) {
  ui::FileDialogOptions options;
  options.title = "Select a file to use for the shortcut";
  options.filter = "All Files (*.*)|*.*|Applications (*.exe)|*.exe";
  options.initialDirectory = "C:\\";
  if (std::optional<std::string> file = ui::ChooseFileToOpen(Hwnd(), options)) {
    tShortcut_->SetText(*file);
  }
}

void TSBcontext::bOKClick(ui::Control&) {
  SetModalResult(ui::mrOk);
  Close();
}
