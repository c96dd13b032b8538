#pragma once
// The registry interface over Windows' own registry.

#include "icons/RegistryStore.h"

namespace icons {

class WindowsRegistryStore : public RegistryStore {
 public:
  std::unique_ptr<Key> Open(RegistryRoot root, const std::string& path) override;
  std::unique_ptr<Key> Create(RegistryRoot root, const std::string& path) override;
};

}  // namespace icons
