#include "icons/WindowsRegistryStore.h"

#include <windows.h>

#include <utility>

#include "win/RegistryKey.h"

namespace icons {

namespace {

HKEY RootKey(RegistryRoot root) {
  switch (root) {
    case RegistryRoot::ClassesRoot:
      return HKEY_CLASSES_ROOT;
    case RegistryRoot::CurrentUser:
      return HKEY_CURRENT_USER;
    case RegistryRoot::LocalMachine:
      break;
  }
  return HKEY_LOCAL_MACHINE;
}

class WindowsKey : public RegistryStore::Key {
 public:
  explicit WindowsKey(win::RegistryKey key) : key_(std::move(key)) {}

  StoredText ReadString(const std::string& name) const override {
    if (std::optional<std::string> text = key_.ReadString(name)) return StoredText::Of(*text);
    // ReadString refuses values of other types; the value's existence tells
    // such a value from a missing one.
    return key_.HasValue(name) ? StoredText::OtherType() : StoredText::Missing();
  }

  bool WriteString(const std::string& name, const std::string& text) override {
    return key_.WriteString(name, text);
  }

 private:
  win::RegistryKey key_;
};

std::unique_ptr<RegistryStore::Key> Wrap(win::RegistryKey key) {
  if (!key.IsOpen()) return nullptr;
  return std::make_unique<WindowsKey>(std::move(key));
}

}  // namespace

std::unique_ptr<RegistryStore::Key> WindowsRegistryStore::Open(RegistryRoot root,
                                                               const std::string& path) {
  return Wrap(win::RegistryKey::Open(RootKey(root), path, KEY_READ));
}

std::unique_ptr<RegistryStore::Key> WindowsRegistryStore::Create(RegistryRoot root,
                                                                 const std::string& path) {
  // A created key answers reads as well, as every key of the interface does.
  return Wrap(win::RegistryKey::Create(RootKey(root), path, KEY_READ | KEY_WRITE));
}

}  // namespace icons
