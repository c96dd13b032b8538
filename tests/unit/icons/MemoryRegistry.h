#pragma once
// A registry held in memory for tests of the icon settings: keys and value
// names are matched without regard to letter case, as Windows matches them;
// every key opening, reading and writing is recorded in order; single
// values can be made to refuse writing.

#include <map>
#include <memory>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "icons/RegistryStore.h"

namespace icons::test {

// "HKCR", "HKCU" or "HKLM".
std::string RootName(RegistryRoot root);

struct RegistryOperation {
  enum class Kind { Open, Create, Read, Write };
  Kind kind;
  std::string key;   // root name + "\" + path without its outer backslashes
  std::string name;  // the value, for reads and writes
  std::string text;  // what was written
};

class MemoryRegistry : public RegistryStore {
 public:
  std::unique_ptr<Key> Open(RegistryRoot root, const std::string& path) override;
  std::unique_ptr<Key> Create(RegistryRoot root, const std::string& path) override;

  // Setting up, not recorded. Creates the key.
  void SetText(RegistryRoot root, const std::string& path, const std::string& name,
               const std::string& text);
  // A value of a type other than a string (a number or binary data).
  void SetOtherType(RegistryRoot root, const std::string& path, const std::string& name);
  void RefuseWrites(RegistryRoot root, const std::string& path, const std::string& name);

  // Looking, not recorded.
  StoredText Value(RegistryRoot root, const std::string& path, const std::string& name) const;
  bool HasKey(RegistryRoot root, const std::string& path) const;

  const std::vector<RegistryOperation>& Operations() const { return operations_; }
  // The writes in order, each as "key|name=text".
  std::vector<std::string> Writes() const;
  void ClearOperations() { operations_.clear(); }

 private:
  class MemoryKey;
  using KeyId = std::string;  // folded root + path
  struct HeldValue {
    bool isText = true;
    std::string text;
  };
  struct KeyData {
    std::map<std::string, HeldValue> values;  // by folded name
  };

  static KeyId Id(RegistryRoot root, const std::string& path);
  static std::string Display(RegistryRoot root, const std::string& path);
  KeyData& MakeKey(const KeyId& id);

  std::map<KeyId, KeyData> keys_;
  std::set<std::tuple<KeyId, std::string>> refused_;
  std::vector<RegistryOperation> operations_;
};

}  // namespace icons::test
