#pragma once
// The common shape of the two edition choosers: the heading `t` beside the
// program's icon, the question `lText`, a column of radio buttons, the note
// `Label1` and `bOK`. Each chooser names its texts and buttons.

#include <string>
#include <vector>

#include "ui/Form.h"

namespace app {

class EditionChooser : public ui::Form {
 public:
  struct Option {
    const char* name;
    const char* caption;
  };
  EditionChooser(std::string heading, std::string question, std::vector<Option> options);

  // Which radio buttons are checked, in their order.
  std::vector<bool> Choices() const;

 protected:
  ui::FormSpec Spec() const override;
  void FormCreate() override;

 private:
  std::string heading_;
  std::string question_;
  std::vector<Option> options_;
};

// Reads the stored edition; when it is outside `isValid`, asks with `chooser`
// (shown modally over the main window), stores the answer and returns it.
int StoredOrAskedEdition(const char* valueName, bool (*isValid)(int),
                         int (*ask)(EditionChooser& chooser), EditionChooser& chooser);

}  // namespace app
