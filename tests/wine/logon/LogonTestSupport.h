#pragma once
// Shared pieces of the logon tests: the files and settings of the logon
// library as Windows sees them, bitmap files made for a case, and the
// checks of a written copy.

#include <windows.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace logon::test {

using Bytes = std::vector<uint8_t>;

inline constexpr uint32_t kBitmapType = 2;

// The bitmaps of the logon library by system and edition, as the machine
// of `version` reads them.
struct EditionCase {
  const char* version;
  int edition;
  int normal;
  int progress;
};
inline constexpr EditionCase kEditionCases[] = {
    {"winxp", 1, 129, 128}, {"winxp", 2, 107, 101}, {"win2k", 3, 107, 101}, {"win2k", 4, 112, 114},
    {"win2k", 5, 112, 114}, {"win2k", 6, 119, 118}, {"win2k", 7, 122, 121},
};

std::string SystemFile(const std::string& name);
std::string Gina(int n);  // the system directory's "Gina" + n + ".dll"
std::string Msgina();
// MSGINA.DLL is moved here while a test needs it missing.
std::string MsginaAside();

std::string GinaDllSetting();
bool GinaDllSet();
std::string ShellValue();
// "XP Edition" or "2k Edition", as the edition choosers keep it.
void StoreEdition(int edition);

// MSGINA.DLL in place, no GinaDLL, no numbered copies, Explorer.exe as the
// shell, the Professional edition stored.
void ResetLogonState();

Bytes ReadBytes(const std::string& path);
// The fixture's own drawing of a bitmap, as the build made it.
Bytes FixtureBitmapFile(int id);
Bytes ResourceOf(const std::string& file, int id);

// A 24-bit bitmap file of the given size, every pixel from the seed.
Bytes Bitmap24(int width, int height, uint32_t seed);
// An 8-bit bitmap file with a 16-colour table, written out by hand.
Bytes Bitmap8(int width, int height, uint8_t seed);
// Written to the temporary directory; its full path.
std::string WriteTestFile(const std::string& name, const Bytes& bytes);

// The library's resources are those of `source` except the replaced
// bitmaps, which hold exactly the given data.
void ExpectResources(const std::string& source, const std::string& copy,
                     const std::vector<std::pair<int, Bytes>>& replaced);
// Renumbers bitmap `from` of a PE32 file to `to`, in place; `to` must keep
// the bitmap directory in ascending order.
bool RenumberBitmap(const std::string& path, WORD from, WORD to);
// The PE checksum as IMAGEHLP and as our own code see it.
void ExpectChecksumVerifies(const std::string& file);

}  // namespace logon::test
