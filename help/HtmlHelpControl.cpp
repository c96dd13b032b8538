#include "help/HtmlHelpControl.h"

#include <cstdio>
#include <cstring>
#include <vector>

#include "win/Environment.h"
#include "win/Paths.h"
#include "win/RegistryKey.h"

namespace help {

namespace {

constexpr char kControlServerKey[] =
    "CLSID\\{adb880a6-d8ff-11cf-9377-00aa003b7a11}\\InprocServer32";

std::string QueryVersionString(const std::vector<char>& block, const std::string& query) {
  void* value = nullptr;
  UINT length = 0;
  // VerQueryValueA takes a non-const block; it does not write to it.
  if (!VerQueryValueA(const_cast<char*>(block.data()), query.c_str(), &value, &length)) {
    return std::string();
  }
  if (value == nullptr || length == 0) return std::string();
  const char* text = static_cast<const char*>(value);
  size_t size = 0;
  while (size < length && text[size] != '\0') ++size;
  return std::string(text, size);
}

}  // namespace

std::string LocateHtmlHelpControl() {
  const win::RegistryKey key = win::RegistryKey::Open(HKEY_CLASSES_ROOT, kControlServerKey);
  const std::string stored = key.ReadString("").value_or("");
  if (stored.empty()) return std::string();
  std::string path = win::ExpandEnvironment(stored);
  // Some registrations name the bare file, which lives in the system directory.
  if (path.find('\\') == std::string::npos) path = win::SystemDirectory() + path;
  return win::FileExists(path) ? path : std::string();
}

std::string FileVersionText(const std::string& path) {
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
  if (size == 0) return std::string();
  std::vector<char> block(size);
  if (!GetFileVersionInfoA(path.c_str(), 0, size, block.data())) return std::string();

  void* value = nullptr;
  UINT length = 0;
  std::vector<std::string> tables;
  if (VerQueryValueA(block.data(), "\\VarFileInfo\\Translation", &value, &length) &&
      value != nullptr && length >= 4) {
    WORD pair[2] = {};
    memcpy(pair, value, sizeof(pair));
    char name[16];
    std::snprintf(name, sizeof(name), "%04x%04x", pair[0], pair[1]);
    tables.push_back(name);
  }
  // Files without a translation table usually carry US English in one of these.
  tables.push_back("040904b0");
  tables.push_back("040904e4");
  for (const std::string& table : tables) {
    std::string text = QueryVersionString(block, "\\StringFileInfo\\" + table + "\\FileVersion");
    if (!text.empty()) return text;
  }
  return std::string();
}

HtmlHelpControl::~HtmlHelpControl() {
  if (library_ != nullptr) FreeLibrary(library_);
}

bool HtmlHelpControl::Installed() {
  if (!checked_) {
    checked_ = true;
    const std::string path = LocateHtmlHelpControl();
    if (!path.empty() && !FileVersionText(path).empty()) path_ = path;
  }
  return !path_.empty();
}

HWND HtmlHelpControl::Call(HWND owner, const char* address, UINT command, DWORD_PTR data) {
  if (htmlHelp_ == nullptr) {
    if (!Installed() || library_ != nullptr) return nullptr;
    library_ = LoadLibraryA(path_.c_str());
    if (library_ == nullptr) return nullptr;
    htmlHelp_ = reinterpret_cast<HtmlHelpFunction>(
        reinterpret_cast<void*>(GetProcAddress(library_, "HtmlHelpA")));
    if (htmlHelp_ == nullptr) return nullptr;
  }
  return htmlHelp_(owner, address, command, data);
}

}  // namespace help
