#include "icons/RegistryStore.h"

namespace icons {

StoredText ReadStoredText(RegistryStore& registry, RegistryRoot root, const std::string& path,
                          const std::string& name) {
  const std::unique_ptr<RegistryStore::Key> key = registry.Open(root, path);
  if (!key) return StoredText::Missing();
  return key->ReadString(name);
}

bool WriteStoredText(RegistryStore& registry, RegistryRoot root, const std::string& path,
                     const std::string& name, const std::string& text) {
  const std::unique_ptr<RegistryStore::Key> key = registry.Create(root, path);
  return key && key->WriteString(name, text);
}

}  // namespace icons
