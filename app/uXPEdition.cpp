#include "app/uXPEdition.h"

#include "app/Editions.h"
#include "ui/Application.h"

namespace app {

TXPEdition::TXPEdition()
    : EditionChooser("Windows XP Edition", "Please specify your edition of Windows XP:",
                     {{"oHome", "Windows XP - Home Edition"},
                      {"oPro", "Windows XP - Professional/Corporate Edition"}}) {}

int GetXPEdition() {
  // The chooser lives only while it asks.
  TXPEdition chooser;
  return StoredOrAskedEdition(
      "XP Edition", [](int value) { return win::IsXPEdition(value); },
      [](EditionChooser& window) {
        window.CreateForm(ui::MainWindow());
        window.ShowModal();
        return XPEditionFromChoice(window.Choices().at(0));
      },
      chooser);
}

}  // namespace app
