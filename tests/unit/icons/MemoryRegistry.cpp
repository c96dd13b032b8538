#include "tests/unit/icons/MemoryRegistry.h"

#include <cctype>

namespace icons::test {

namespace {

std::string Folded(const std::string& text) {
  std::string result = text;
  for (char& c : result) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return result;
}

std::string WithoutOuterBackslashes(const std::string& path) {
  const size_t first = path.find_first_not_of('\\');
  if (first == std::string::npos) return std::string();
  return path.substr(first, path.find_last_not_of('\\') - first + 1);
}

}  // namespace

std::string RootName(RegistryRoot root) {
  switch (root) {
    case RegistryRoot::ClassesRoot:
      return "HKCR";
    case RegistryRoot::CurrentUser:
      return "HKCU";
    case RegistryRoot::LocalMachine:
      break;
  }
  return "HKLM";
}

class MemoryRegistry::MemoryKey : public RegistryStore::Key {
 public:
  MemoryKey(MemoryRegistry* registry, KeyId id, std::string display)
      : registry_(registry), id_(std::move(id)), display_(std::move(display)) {}

  StoredText ReadString(const std::string& name) const override {
    registry_->operations_.push_back({RegistryOperation::Kind::Read, display_, name, ""});
    const KeyData& data = registry_->keys_[id_];
    const auto found = data.values.find(Folded(name));
    if (found == data.values.end()) return StoredText::Missing();
    return found->second.isText ? StoredText::Of(found->second.text) : StoredText::OtherType();
  }

  bool WriteString(const std::string& name, const std::string& text) override {
    if (registry_->refused_.count({id_, Folded(name)}) != 0) return false;
    registry_->operations_.push_back({RegistryOperation::Kind::Write, display_, name, text});
    registry_->keys_[id_].values[Folded(name)] = HeldValue{true, text};
    return true;
  }

 private:
  MemoryRegistry* registry_;
  KeyId id_;
  std::string display_;
};

MemoryRegistry::KeyId MemoryRegistry::Id(RegistryRoot root, const std::string& path) {
  return Folded(Display(root, path));
}

std::string MemoryRegistry::Display(RegistryRoot root, const std::string& path) {
  return RootName(root) + "\\" + WithoutOuterBackslashes(path);
}

MemoryRegistry::KeyData& MemoryRegistry::MakeKey(const KeyId& id) {
  // Parents exist whenever a key does, as in the real registry.
  for (size_t split = id.find('\\'); split != std::string::npos; split = id.find('\\', split + 1)) {
    keys_[id.substr(0, split)];
  }
  return keys_[id];
}

std::unique_ptr<RegistryStore::Key> MemoryRegistry::Open(RegistryRoot root,
                                                         const std::string& path) {
  operations_.push_back({RegistryOperation::Kind::Open, Display(root, path), "", ""});
  const KeyId id = Id(root, path);
  if (keys_.count(id) == 0) return nullptr;
  return std::make_unique<MemoryKey>(this, id, Display(root, path));
}

std::unique_ptr<RegistryStore::Key> MemoryRegistry::Create(RegistryRoot root,
                                                           const std::string& path) {
  operations_.push_back({RegistryOperation::Kind::Create, Display(root, path), "", ""});
  const KeyId id = Id(root, path);
  MakeKey(id);
  return std::make_unique<MemoryKey>(this, id, Display(root, path));
}

void MemoryRegistry::SetText(RegistryRoot root, const std::string& path, const std::string& name,
                             const std::string& text) {
  MakeKey(Id(root, path)).values[Folded(name)] = HeldValue{true, text};
}

void MemoryRegistry::SetOtherType(RegistryRoot root, const std::string& path,
                                  const std::string& name) {
  MakeKey(Id(root, path)).values[Folded(name)] = HeldValue{false, std::string()};
}

void MemoryRegistry::RefuseWrites(RegistryRoot root, const std::string& path,
                                  const std::string& name) {
  refused_.insert({Id(root, path), Folded(name)});
}

StoredText MemoryRegistry::Value(RegistryRoot root, const std::string& path,
                                 const std::string& name) const {
  const auto key = keys_.find(Id(root, path));
  if (key == keys_.end()) return StoredText::Missing();
  const auto found = key->second.values.find(Folded(name));
  if (found == key->second.values.end()) return StoredText::Missing();
  return found->second.isText ? StoredText::Of(found->second.text) : StoredText::OtherType();
}

bool MemoryRegistry::HasKey(RegistryRoot root, const std::string& path) const {
  return keys_.count(Id(root, path)) != 0;
}

std::vector<std::string> MemoryRegistry::Writes() const {
  std::vector<std::string> writes;
  for (const RegistryOperation& operation : operations_) {
    if (operation.kind == RegistryOperation::Kind::Write) {
      writes.push_back(operation.key + "|" + operation.name + "=" + operation.text);
    }
  }
  return writes;
}

}  // namespace icons::test
