#include "app/u2kEdition.h"

#include "app/Editions.h"
#include "ui/Application.h"

namespace app {

TTwoKEdition::TTwoKEdition()
    : EditionChooser("Windows 2000 Edition", "Please specify your edition of Windows 2000:",
                     {{"oPro", "Windows 2000 Professional"},
                      {"oServer", "Windows 2000 Server"},
                      {"oTerminal", "Windows 2000 Terminal"},
                      {"oAdvanced", "Windows 2000 Advanced Server"},
                      {"oDatacenter", "Windows 2000 Datacenter Server"}}) {}

int Get2000Edition() {
  TTwoKEdition chooser;
  return StoredOrAskedEdition(
      "2k Edition", [](int value) { return win::Is2000Edition(value); },
      [](EditionChooser& window) {
        window.CreateForm(ui::MainWindow());
        window.ShowModal();
        const std::vector<bool> choices = window.Choices();
        bool checked[5] = {};
        for (size_t i = 0; i < 5 && i < choices.size(); ++i) checked[i] = choices[i];
        return TwoKEditionFromChoice(checked);
      },
      chooser);
}

}  // namespace app
