#pragma once
// TXPEdition: asks once which edition of Windows XP runs.

#include "app/EditionChooser.h"

namespace app {

class TXPEdition : public EditionChooser {
 public:
  TXPEdition();

 protected:
  const char* ClassName() const override { return "TXPEdition"; }
};

// "XP Edition" of the program's key: 1 Home, 2 Professional/Corporate. Asks
// with TXPEdition when the stored value is not 1 or 2, and stores the answer.
int GetXPEdition();

}  // namespace app
