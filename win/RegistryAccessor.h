#pragma once
// The program's registry accessor: open it, select a key, make calls, close it.
// Every call opens the selected key and closes it again, so nothing stays open
// between calls. Writes report refusal; reads fall back to their defaults.

#include <windows.h>

#include <string>
#include <vector>

// <windows.h> maps RegDeleteValue to RegDeleteValueA; this module's function
// of that name is meant, and the Windows call is always named RegDeleteValueA.
#undef RegDeleteValue

namespace win {

// Default root HKEY_CURRENT_USER, no key selected.
void RegOpenAccessor();
void RegCloseAccessor();
void RegSelectKey(HKEY root, const std::string& path);

// An empty name is the key's default value.
bool RegWriteString(const std::string& name, const std::string& value);
bool RegWriteInteger(const std::string& name, int value);
std::string RegReadString(const std::string& name, const std::string& fallback);
// fallback also when the value exists with another type than REG_DWORD.
int RegReadInteger(const std::string& name, int fallback);
// Empty when the key does not open.
std::vector<std::string> RegListSubkeys();
bool RegDeleteValue(const std::string& name);
// Deletes the selected key with all its subkeys. Never deletes a root key.
bool RegDeleteSelectedKey();

}  // namespace win
