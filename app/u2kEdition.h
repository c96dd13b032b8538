#pragma once
// TTwoKEdition: asks once which edition of Windows 2000 runs.

#include "app/EditionChooser.h"

namespace app {

class TTwoKEdition : public EditionChooser {
 public:
  TTwoKEdition();

 protected:
  const char* ClassName() const override { return "TTwoKEdition"; }
};

// "2k Edition" of the program's key: 3 Professional, 4 Server, 5 Terminal,
// 6 Advanced Server, 7 Datacenter Server. Asks with TTwoKEdition when the
// stored value is outside 3..7, and stores the answer.
int Get2000Edition();

}  // namespace app
