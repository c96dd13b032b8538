#include "startbutton/RightClickMenuWindow.h"

#include "core/Text.h"
#include "startbutton/ContextMenu.h"
#include "startbutton/MenuCommand.h"
#include "ui/Dialogs.h"
#include "ui/StandardControls.h"
#include "win/SystemFacts.h"

namespace startbutton {

namespace {

constexpr char kReservedHint[] = "These items are reserved by Windows, and cannot be changed.";

}  // namespace

const ui::ControlDef<RightClickMenuWindow> RightClickMenuWindow::kControls[] = {
    {ui::Kind::kWrapLabel, "lIntro", 12, 30, kClientWidth - 24, 28,
     "This dialog allows you to add, delete and change items found in the right-click menu of "
     "the Start Button.",
     "", 0},
    {ui::Kind::kLabel, "lOpen", 12, 62, 0, 0, "Open", kReservedHint, 0},
    {ui::Kind::kLabel, "lExplore", 12, 76, 0, 0, "Explore", kReservedHint, 0},
    {ui::Kind::kLabel, "lFind", 12, 90, 0, 0, "Find... / Search...", kReservedHint, 0},
    {ui::Kind::kListBox, "MenuItems", 12, 106, 362, 72, "",
     "Select an item to configure. You can then configure this item by using the available "
     "options below.",
     0, &RightClickMenuWindow::MenuItemsClick, ui::Bind<&RightClickMenuWindow::MenuItems>},
    {ui::Kind::kLabel, "lText", 12, 189, 0, 0, "Text:", "", 0},
    {ui::Kind::kEdit, "tName", 66, 186, 280, 21, "",
     "Enter the text you would like displayed on the shorcut here.", 0, nullptr,
     ui::Bind<&RightClickMenuWindow::tName>},
    {ui::Kind::kLabel, "lShortcut", 12, 215, 0, 0, "Shortcut:", "", 0},
    {ui::Kind::kEdit, "tShortcut", 66, 212, 280, 21, "",
     "Enter or browse for the file used for the shortcut here. This file will be opened when "
     "you use the shortcut.",
     0, nullptr, ui::Bind<&RightClickMenuWindow::tShortcut>},
    {ui::Kind::kPushButton, "bBrowse", 350, 212, 24, 21, "...",
     "Click to browse for a file or application to use for the shortcut.", 0,
     &RightClickMenuWindow::bBrowseClick, ui::Bind<&RightClickMenuWindow::bBrowse>},
    {ui::Kind::kPushButton, "bAdd", 12, 240, 100, 23, "Add as new item",
     "Uses the settings on the left to add a new item to the right-click menu of the Start "
     "Button.",
     0, &RightClickMenuWindow::bAddClick},
    {ui::Kind::kPushButton, "bUpdate", 118, 240, 82, 23, "Update item",
     "Update the currently selected item with the settings on the left.", 0,
     &RightClickMenuWindow::bUpdateClick, ui::Bind<&RightClickMenuWindow::bUpdate>},
    {ui::Kind::kPushButton, "bDelete", 206, 240, 82, 23, "Delete Item",
     "Deletes the currently selected item.", 0, &RightClickMenuWindow::bDeleteClick,
     ui::Bind<&RightClickMenuWindow::bDelete>},
    {ui::Kind::kPushButton, "bOK", 299, 240, 75, 23, "OK", "Closes the dialog.", 0,
     &RightClickMenuWindow::bOKClick, ui::Bind<&RightClickMenuWindow::bOK>},
};

ui::FormSpec RightClickMenuWindow::Spec() const {
  ui::FormSpec spec;
  spec.caption = "Start Button right-click Menu";
  spec.title = "Quorlo - Start Button right-click Menu";
  spec.clientWidth = kClientWidth;
  spec.clientHeight = kClientHeight;
  spec.helpPage = "Start Button right click menu.htm";
  spec.closeHint = "Closes the dialog.";
  return spec;
}

void RightClickMenuWindow::FormCreate() {
  Build(this, kControls);
  SetDefaultButton(bOK);
  SetCancelButton(bOK);
}

void RightClickMenuWindow::LoadMenuItems() {
  MenuItems->Clear();
  for (const std::string& name : ListMenuItems()) MenuItems->Add(name);
  bUpdate->SetEnabled(false);
  bDelete->SetEnabled(false);
  tName->SetTextQuietly("");
  tShortcut->SetTextQuietly("");
}

std::string RightClickMenuWindow::SelectedName() const {
  const int index = MenuItems->SelectedIndex();
  return index < 0 ? std::string() : MenuItems->ItemText(index);
}

void RightClickMenuWindow::MenuItemsClick(ui::Control&) {
  const std::string name = SelectedName();
  if (name.empty()) return;
  bUpdate->SetEnabled(true);
  bDelete->SetEnabled(true);
  tName->SetTextQuietly(name);
  tShortcut->SetTextQuietly(ReadMenuCommand(name));
}

bool RightClickMenuWindow::SaveMenuItem(bool isUpdate) {
  const std::string name = tName->Text();
  const std::string shortcut = tShortcut->Text();
  // A "\" would make the name a path of nested keys, an entry the menu never shows.
  if (name.empty() || name.find('\\') != std::string::npos) {
    ShowError("Please enter a valid name for the shortcut.");
    SetFocus(tName->Hwnd());
    return false;
  }
  if (TrimSpaces(shortcut).empty()) {
    ShowError("Please enter a valid file to use for the shortcut.");
    SetFocus(tShortcut->Hwnd());
    return false;
  }
  if (!win::FileCanBeOpened(shortcut)) {
    ShowError("File '" + shortcut + "' could not be found." + core::LineBreaks(2) +
              "Please enter a full qualified path for the file, or click Browse.");
    bBrowse->Click();
    return false;
  }
  const std::string extension = LowerExtension(shortcut);
  std::string program;
  if (!RunsByItself(extension)) {
    program = FindAssociatedProgram(extension);
    if (program.empty() &&
        !AskYesNo("Quorlo cannot find a program that is associated with this file." +
                      core::LineBreaks(1) + "This means that the shortcut may not work." + core::LineBreaks(2) +
                      "Continue?",
                  MB_ICONWARNING)) {
      return false;
    }
  }
  const std::string command = MenuCommand(shortcut, program);
  const std::string oldName = isUpdate ? SelectedName() : std::string();
  const core::Outcome saved = ReplaceMenuItem(oldName, name, command);
  if (!saved.ok) {
    ShowError(saved.message);
    return false;
  }
  return true;
}

bool RightClickMenuWindow::RefuseReservedName() {
  if (!IsReservedMenuName(tName->Text())) return false;
  ShowError("The shortcut name 'find' is reserved by Windows, and cannot be used.");
  return true;
}

void RightClickMenuWindow::bAddClick(ui::Control&) {
  if (RefuseReservedName()) return;
  const std::string name = tName->Text();
  for (int i = 0; i < MenuItems->Count(); ++i) {
    if (!SameMenuItemName(MenuItems->ItemText(i), name)) continue;
    if (!AskYesNo("Item '" + name + "' already exists.  Replace?", MB_ICONINFORMATION)) return;
  }
  if (SaveMenuItem(false)) LoadMenuItems();
}

void RightClickMenuWindow::bUpdateClick(ui::Control&) {
  if (RefuseReservedName()) return;
  if (SelectedName().empty()) {
    ShowError("No item is selected to update.");
    return;
  }
  if (SaveMenuItem(true)) LoadMenuItems();
}

void RightClickMenuWindow::bDeleteClick(ui::Control&) {
  const std::string name = SelectedName();
  if (name.empty()) {
    ShowError("No item is selected to delete.");
    return;
  }
  if (!AskYesNo("Are you sure?")) return;
  const core::Outcome deleted = DeleteMenuItem(name);
  if (!deleted.ok) {
    ShowError(deleted.message);
    return;
  }
  LoadMenuItems();
}

void RightClickMenuWindow::bBrowseClick(ui::Control&) {
  ui::FileDialogOptions options;
  options.title = "Select a file to use for the shortcut";
  options.filter = "All Files (*.*)|*.*|Applications (*.exe)|*.exe";
  options.initialDirectory = "C:\\";
  if (std::optional<std::string> file = ui::ChooseFileToOpen(Hwnd(), options)) {
    tShortcut->SetText(*file);
  }
}

}  // namespace startbutton
