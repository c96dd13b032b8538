#pragma once
// The icon scenario's registry on Wine: its keys emptied and its seeds put
// in, and values read back without the code under test.

#include <windows.h>

#include <string>

#include "icons/RegistryStore.h"

namespace icons::test {

HKEY RootKey(icons::RegistryRoot root);
const char* RootName(icons::RegistryRoot root);

// A value as the registry holds it.
struct RawValue {
  bool exists = false;
  DWORD type = REG_NONE;
  std::string data;
};
RawValue ReadRaw(icons::RegistryRoot root, const std::string& path, const std::string& name);

// The words the native tests print, plus the stored type of a text.
std::string Describe(const RawValue& value);
std::string Describe(const icons::StoredText& value);

// Empties every key of the scenario (Wine's own class registrations may hold
// icons of these objects) and puts the scenario's seeds in. False with a
// reason in *failure.
bool SeedScenario(std::string* failure);

// The machine acts as the version the test runs for (QUORLO_TEST_VERSION);
// its WindowsVersion number.
int ExpectedWindowsVersion();

}  // namespace icons::test
