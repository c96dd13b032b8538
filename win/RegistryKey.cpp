#include "win/RegistryKey.h"

#include <utility>

namespace win {

namespace {

// A value that keeps changing size between the size query and the read is given up on.
constexpr int kReadAttempts = 4;

}  // namespace

std::string RelativeKeyPath(const std::string& path) {
  const size_t first = path.find_first_not_of('\\');
  if (first == std::string::npos) return std::string();
  const size_t last = path.find_last_not_of('\\');
  return path.substr(first, last - first + 1);
}

RegistryKey::~RegistryKey() {
  Close();
}

RegistryKey::RegistryKey(RegistryKey&& other) noexcept : key_(std::exchange(other.key_, nullptr)) {}

RegistryKey& RegistryKey::operator=(RegistryKey&& other) noexcept {
  if (this != &other) {
    Close();
    key_ = std::exchange(other.key_, nullptr);
  }
  return *this;
}

void RegistryKey::Close() {
  if (key_ != nullptr) RegCloseKey(key_);
  key_ = nullptr;
}

RegistryKey RegistryKey::Open(HKEY root, const std::string& path, REGSAM access) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(root, RelativeKeyPath(path).c_str(), 0, access, &key) != ERROR_SUCCESS) {
    return RegistryKey();
  }
  return RegistryKey(key);
}

RegistryKey RegistryKey::Create(HKEY root, const std::string& path, REGSAM access) {
  HKEY key = nullptr;
  if (RegCreateKeyExA(root, RelativeKeyPath(path).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                      access, nullptr, &key, nullptr) != ERROR_SUCCESS) {
    return RegistryKey();
  }
  return RegistryKey(key);
}

std::optional<std::string> RegistryKey::ReadString(const std::string& name) const {
  if (key_ == nullptr) return std::nullopt;
  for (int attempt = 0; attempt < kReadAttempts; ++attempt) {
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExA(key_, name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) {
      return std::nullopt;
    }
    if (type != REG_SZ && type != REG_EXPAND_SZ) return std::nullopt;
    // One spare byte: stored strings need not end with a terminator.
    std::string buffer(size_t(size) + 1, '\0');
    DWORD got = size;
    const LONG status = RegQueryValueExA(key_, name.c_str(), nullptr, &type,
                                         reinterpret_cast<BYTE*>(&buffer[0]), &got);
    if (status == ERROR_MORE_DATA) continue;
    if (status != ERROR_SUCCESS) return std::nullopt;
    if (type != REG_SZ && type != REG_EXPAND_SZ) return std::nullopt;
    buffer.resize(got < size ? got : size);
    const size_t end = buffer.find('\0');
    if (end != std::string::npos) buffer.resize(end);
    return buffer;
  }
  return std::nullopt;
}

std::optional<uint32_t> RegistryKey::ReadDword(const std::string& name) const {
  if (key_ == nullptr) return std::nullopt;
  DWORD type = 0;
  DWORD value = 0;
  DWORD size = sizeof(value);
  if (RegQueryValueExA(key_, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&value),
                       &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  if (type != REG_DWORD || size != sizeof(value)) return std::nullopt;
  return value;
}

bool RegistryKey::WriteString(const std::string& name, const std::string& value) {
  if (key_ == nullptr) return false;
  return RegSetValueExA(key_, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                        static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
}

bool RegistryKey::WriteDword(const std::string& name, uint32_t value) {
  if (key_ == nullptr) return false;
  const DWORD data = value;
  return RegSetValueExA(key_, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data),
                        sizeof(data)) == ERROR_SUCCESS;
}

bool RegistryKey::HasValue(const std::string& name) const {
  if (key_ == nullptr) return false;
  return RegQueryValueExA(key_, name.c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

bool RegistryKey::DeleteValue(const std::string& name) {
  if (key_ == nullptr) return false;
  return RegDeleteValueA(key_, name.c_str()) == ERROR_SUCCESS;
}

std::vector<std::string> RegistryKey::SubkeyNames() const {
  std::vector<std::string> names;
  if (key_ == nullptr) return names;
  DWORD count = 0;
  DWORD longest = 0;
  if (RegQueryInfoKeyA(key_, nullptr, nullptr, nullptr, &count, &longest, nullptr, nullptr, nullptr,
                       nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
    return names;
  }
  // Key names are at most 255 characters; the reported longest may omit the terminator.
  std::string buffer(size_t(longest < 256 ? 256 : longest + 1), '\0');
  for (DWORD index = 0;; ++index) {
    DWORD length = static_cast<DWORD>(buffer.size());
    const LONG status =
        RegEnumKeyExA(key_, index, &buffer[0], &length, nullptr, nullptr, nullptr, nullptr);
    if (status != ERROR_SUCCESS) break;
    names.emplace_back(buffer.data(), length);
  }
  return names;
}

namespace {

bool DeleteSubtree(HKEY parent, const std::string& name) {
  {
    RegistryKey key = RegistryKey::Open(parent, name, KEY_READ | KEY_WRITE);
    if (!key.IsOpen()) return false;
    // Names are collected first: deleting while enumerating shifts the indexes.
    for (const std::string& child : key.SubkeyNames()) {
      if (!DeleteSubtree(key.Handle(), child)) return false;
    }
  }
  return RegDeleteKeyA(parent, name.c_str()) == ERROR_SUCCESS;
}

}  // namespace

bool DeleteKeyTree(HKEY root, const std::string& path) {
  const std::string relative = RelativeKeyPath(path);
  if (relative.empty()) return false;
  const size_t split = relative.rfind('\\');
  if (split == std::string::npos) return DeleteSubtree(root, relative);
  RegistryKey parent = RegistryKey::Open(root, relative.substr(0, split), KEY_READ | KEY_WRITE);
  if (!parent.IsOpen()) return false;
  return DeleteSubtree(parent.Handle(), relative.substr(split + 1));
}

}  // namespace win
