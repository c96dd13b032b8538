#pragma once
// Shared pieces of the XP Start Menu tests: the shell files and the XP
// Start Menu item keys as Windows reads them.

#include <cstddef>
#include <cstdint>
#include <string>

namespace startmenu::test::xp {

std::string Explorer();
// "Xplorer" + n + ".exe" in the Windows directory.
std::string Copy(int n);

// The default value of the key'th XP Start Menu item key.
std::string KeyDefault(size_t key);
// Every key's "InfoTip" and "LocalizedString" name fileName's strings.
void ExpectKeysName(const std::string& fileName);

// The fifth and sixth keys' default values are never the program's to
// write: marked before a case, found unchanged after it.
void MarkFifthAndSixthKeys();
void ExpectFifthAndSixthKeysUntouched();

// Every string of the six XP blocks of file is Explorer.exe's, byte for
// byte, but the one of changedId.
void ExpectBlocksAsExplorersBut(const std::string& file, uint32_t changedId);

}  // namespace startmenu::test::xp
