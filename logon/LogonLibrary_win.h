#pragma once
// The logon library Windows uses now and the three pictures the Logon
// Dialogs Manager shows from it, read when its window opens.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "logon/LogonBitmaps.h"
#include "resedit/ResourceStatus.h"

namespace logon {

// Which picture: the order of the window's tabs, tag - 1 of their
// "Change..." buttons.
enum PictureIndex { kNormalPicture = 0, kProgressPicture = 1, kBarPicture = 2, kPictureCount = 3 };

struct LogonPicture {
  int id = 0;                 // the bitmap's identifier in the library
  bool inLibrary = false;     // the library holds that bitmap, so it can be replaced
  std::vector<uint8_t> file;  // the picture as a bitmap file; empty when it cannot be shown
};

// The module state as the window opens.
struct LogonModule {
  // The library in force: GinaDLL's file name in the system directory when
  // that file exists, else the system directory's MSGINA.DLL.
  std::string path;
  // False when not even MSGINA.DLL is there; message then says so and
  // nothing can be written or restored from this state.
  bool found = false;
  std::string message;
  // How the engine's reader took the library; when it refused it, no
  // picture is in the library as far as the program can tell.
  resedit::ResourceStatus readStatus = resedit::ResourceStatus::kSuccess;
  LogonBitmapIds ids{};
  std::array<LogonPicture, kPictureCount> pictures;
};

// The full path of the logon library in force (CurrentGinaPath).
std::string CurrentGinaPath();

// The edition the edition choosers keep in the program's key: "XP Edition"
// when windowsVersion is XP, else "2k Edition"; 0 when none is stored (the
// bitmap table then takes the Professional row).
int StoredEdition(int windowsVersion);

// Reads the library in force and its pictures from the table's ids for this
// version and edition. A bitmap the library lacks (or cannot show) leaves
// that picture empty; the others still read.
LogonModule ReadLogonModule(int windowsVersion, int edition);

}  // namespace logon
