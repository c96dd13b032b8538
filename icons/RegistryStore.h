#pragma once
// The registry as the Icon Manager uses it: string values of keys under three
// roots. The rules that read and write the icon settings are written against
// this interface, so their order of reads and writes runs the same on
// Windows' registry and on an in-memory one.

#include <memory>
#include <string>
#include <utility>

namespace icons {

enum class RegistryRoot { ClassesRoot, CurrentUser, LocalMachine };

// What reading a string value found. A value of another type (a number,
// binary data) cannot be read as text and is told apart from a missing one,
// so that nothing overwrites what could not be read.
struct StoredText {
  enum class State { Missing, Text, OtherType };
  State state = State::Missing;
  std::string text;  // with Text: as stored, environment references unexpanded

  static StoredText Missing() { return {}; }
  static StoredText Of(std::string value) { return {State::Text, std::move(value)}; }
  static StoredText OtherType() { return {State::OtherType, std::string()}; }
};

class RegistryStore {
 public:
  // One open key. An empty value name is the key's default value.
  class Key {
   public:
    virtual ~Key() = default;
    virtual StoredText ReadString(const std::string& name) const = 0;
    // Writes a plain string value (REG_SZ); false when refused.
    virtual bool WriteString(const std::string& name, const std::string& text) = 0;
  };

  virtual ~RegistryStore() = default;
  // Opens an existing key for reading, never creating it; null when the key
  // is missing or refused. Paths may start with a backslash.
  virtual std::unique_ptr<Key> Open(RegistryRoot root, const std::string& path) = 0;
  // Opens a key for writing, creating it and its missing parents; null when refused.
  virtual std::unique_ptr<Key> Create(RegistryRoot root, const std::string& path) = 0;
};

// A value of a key that may not exist; Missing when the key does not open.
StoredText ReadStoredText(RegistryStore& registry, RegistryRoot root, const std::string& path,
                          const std::string& name);

// Creates the key as needed and writes one string value; false when refused.
bool WriteStoredText(RegistryStore& registry, RegistryRoot root, const std::string& path,
                     const std::string& name, const std::string& text);

}  // namespace icons
