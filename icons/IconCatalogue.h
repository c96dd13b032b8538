#pragma once
// The 54 shell icons the Icon Manager customises: where each one's setting
// lives in the registry, its label and place in the window's tree, and the
// keys Apply mirrors some of them to. Entry n is also image n of the
// window's image list.
//
// Entries 0..44 are the shell's icon slots, each a string value named by its
// decimal number under kShellIconsKey. Entries 45..53 are desktop objects, a
// value of base + class identifier + "\DefaultIcon" under each of three
// bases; 51 and 53 share the Recycle Bin's identifier and differ only in the
// value name.

#include <array>
#include <string>

#include "icons/IconLocation.h"
#include "icons/RegistryStore.h"
#include "win/ProgramIdentity.h"

namespace icons {

constexpr int kIconCount = 54;
constexpr int kFirstDesktopObject = 45;

// The program-wide table the window edits and Apply writes.
using IconCatalogue = std::array<IconEntry, kIconCount>;

enum class IconStorage { ShellIconSlot, DesktopObject };

struct IconDefinition {
  const char* label;  // the tree's label; null for entries the user cannot select
  const char* group;  // label of the tree node it stands under; null when not in the tree
  IconStorage storage;
  const char* valueName;  // Shell Icons value, or the DefaultIcon value ("" = default value)
  const char* classId;    // desktop objects only; braces and letter case as Windows writes them
};

// clang-format off
inline constexpr std::array<IconDefinition, kIconCount> kIconDefinitions = {{
    {"Unkown file type", "Files", IconStorage::ShellIconSlot, "0", nullptr},
    {"Default Document", "Files", IconStorage::ShellIconSlot, "1", nullptr},
    {"Executable", "Files", IconStorage::ShellIconSlot, "2", nullptr},
    {"Closed Folder", "Folders", IconStorage::ShellIconSlot, "3", nullptr},
    {"Open Folder", "Folders", IconStorage::ShellIconSlot, "4", nullptr},
    {"Floppy Drive (5.25)", "Drives", IconStorage::ShellIconSlot, "5", nullptr},
    {"Floppy Drive (3.5)", "Drives", IconStorage::ShellIconSlot, "6", nullptr},
    {"Removable Drive", "Drives", IconStorage::ShellIconSlot, "7", nullptr},
    {"Hard Drive", "Drives", IconStorage::ShellIconSlot, "8", nullptr},
    {"Network Drive (connected)", "Drives", IconStorage::ShellIconSlot, "9", nullptr},
    {"Network Drive (off-line)", "Drives", IconStorage::ShellIconSlot, "10", nullptr},
    {"CD-ROM Drive", "Drives", IconStorage::ShellIconSlot, "11", nullptr},
    {"RAM Drive", "Drives", IconStorage::ShellIconSlot, "12", nullptr},
    {"Entire Network", "Others", IconStorage::ShellIconSlot, "13", nullptr},
    {nullptr, nullptr, IconStorage::ShellIconSlot, "14", nullptr},
    {"Computer", "Others", IconStorage::ShellIconSlot, "15", nullptr},
    {"Printer", "Others", IconStorage::ShellIconSlot, "16", nullptr},
    {"Network Neighborhood", "Desktop", IconStorage::ShellIconSlot, "17", nullptr},
    {"Workgroup", "Others", IconStorage::ShellIconSlot, "18", nullptr},
    {"Programs", "Start Menu", IconStorage::ShellIconSlot, "19", nullptr},
    {"Documents", "Start Menu", IconStorage::ShellIconSlot, "20", nullptr},
    {"Settings", "Start Menu", IconStorage::ShellIconSlot, "21", nullptr},
    {"Find/Search", "Start Menu", IconStorage::ShellIconSlot, "22", nullptr},
    {"Help", "Start Menu", IconStorage::ShellIconSlot, "23", nullptr},
    {"Run", "Start Menu", IconStorage::ShellIconSlot, "24", nullptr},
    {"Suspend", "Start Menu", IconStorage::ShellIconSlot, "25", nullptr},
    {"Eject PC", "Start Menu", IconStorage::ShellIconSlot, "26", nullptr},
    {"Shut Down", "Start Menu", IconStorage::ShellIconSlot, "27", nullptr},
    {"Shared overlay", "Others", IconStorage::ShellIconSlot, "28", nullptr},
    {"Shortcut overlay", "Others", IconStorage::ShellIconSlot, "29", nullptr},
    {nullptr, nullptr, IconStorage::ShellIconSlot, "30", nullptr},
    {nullptr, nullptr, IconStorage::ShellIconSlot, "31", nullptr},
    {nullptr, nullptr, IconStorage::ShellIconSlot, "32", nullptr},
    {nullptr, nullptr, IconStorage::ShellIconSlot, "33", nullptr},
    {"Desktop", "Folders", IconStorage::ShellIconSlot, "34", nullptr},
    {"Control Panel", "Settings", IconStorage::ShellIconSlot, "35", nullptr},
    {"Program Group", "Folders", IconStorage::ShellIconSlot, "36", nullptr},
    {"Printers", "Settings", IconStorage::ShellIconSlot, "37", nullptr},
    {nullptr, nullptr, IconStorage::ShellIconSlot, "38", nullptr},
    {"Taskbar & Start Menu Settings", "Settings", IconStorage::ShellIconSlot, "39", nullptr},
    {"Audio CD", "Drives", IconStorage::ShellIconSlot, "40", nullptr},
    {nullptr, nullptr, IconStorage::ShellIconSlot, "41", nullptr},
    {nullptr, nullptr, IconStorage::ShellIconSlot, "42", nullptr},
    {"Favorites", "Start Menu", IconStorage::ShellIconSlot, "43", nullptr},
    {"Log Off", "Start Menu", IconStorage::ShellIconSlot, "44", nullptr},
    {"My Computer", "Desktop", IconStorage::DesktopObject, "", "{20D04FE0-3AEA-1069-A2D8-08002B30309D}"},
    {"My Documents", "Desktop", IconStorage::DesktopObject, "", "{450D8FBA-AD25-11D0-98A8-0800361B1103}"},
    {"Printers", "Folders", IconStorage::DesktopObject, "", "{2227A280-3AEA-1069-A2DE-08002B30309D}"},
    {"Control Panel", "Folders", IconStorage::DesktopObject, "", "{21EC2020-3AEA-1069-A2DD-08002B30309D}"},
    {"Dial-up Networking", "Folders", IconStorage::DesktopObject, "", "{992CFFA0-F557-101A-88EC-00DD010CCC48}"},
    {"Scheduled Tasks", "Folders", IconStorage::DesktopObject, "", "{D6277990-4C6A-11CF-8D87-00AA0060F5BF}"},
    {"Recycle Bin (empty)", "Desktop", IconStorage::DesktopObject, "empty", "{645FF040-5081-101B-9F08-00AA002F954E}"},
    {"History", "Folders", IconStorage::DesktopObject, "", "{FF393560-C2A7-11CF-BFF4-444553540000}"},
    {"Recycle Bin (full)", "Desktop", IconStorage::DesktopObject, "full", "{645FF040-5081-101B-9F08-00AA002F954E}"},
}};
// clang-format on

// The window's tree in display order. Depth 0 nodes only group and show an
// icon; every deeper node edits its entry ("Settings" has children and is
// still editable). A node's parent is the nearest earlier node one level up.
struct IconTreeNode {
  const char* label;
  int entry;  // its image, and for depth > 0 the entry it edits
  int depth;
};

// clang-format off
inline constexpr std::array<IconTreeNode, 52> kIconTree = {{
    {"Start Menu", 39, 0},
      {"Programs", 19, 1}, {"Favorites", 43, 1}, {"Documents", 20, 1}, {"Settings", 21, 1},
        {"Control Panel", 35, 2}, {"Printers", 37, 2}, {"Taskbar & Start Menu Settings", 39, 2},
      {"Find/Search", 22, 1}, {"Help", 23, 1}, {"Run", 24, 1}, {"Suspend", 25, 1},
      {"Log Off", 44, 1}, {"Eject PC", 26, 1}, {"Shut Down", 27, 1},
    {"Desktop", 34, 0},
      {"Network Neighborhood", 17, 1}, {"My Computer", 45, 1}, {"My Documents", 46, 1},
      {"Recycle Bin (empty)", 51, 1}, {"Recycle Bin (full)", 53, 1},
    {"Drives", 8, 0},
      {"Floppy Drive (5.25)", 5, 1}, {"Floppy Drive (3.5)", 6, 1}, {"Removable Drive", 7, 1},
      {"Hard Drive", 8, 1}, {"Network Drive (connected)", 9, 1}, {"Network Drive (off-line)", 10, 1},
      {"CD-ROM Drive", 11, 1}, {"Audio CD", 40, 1}, {"RAM Drive", 12, 1},
    {"Folders", 3, 0},
      {"Open Folder", 4, 1}, {"Closed Folder", 3, 1}, {"Desktop", 34, 1}, {"Program Group", 36, 1},
      {"Control Panel", 48, 1}, {"Printers", 47, 1}, {"Dial-up Networking", 49, 1},
      {"Scheduled Tasks", 50, 1}, {"History", 52, 1},
    {"Files", 1, 0},
      {"Unkown file type", 0, 1}, {"Default Document", 1, 1}, {"Executable", 2, 1},
    {"Others", 29, 0},
      {"Computer", 15, 1}, {"Workgroup", 18, 1}, {"Entire Network", 13, 1}, {"Printer", 16, 1},
      {"Shared overlay", 28, 1}, {"Shortcut overlay", 29, 1},
}};
// clang-format on

// Under HKEY_LOCAL_MACHINE.
inline constexpr char kShellIconsKey[] =
    "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Icons";

// A shell icon slot's default is entry n of this file in the system directory.
inline constexpr char kShellDefaultIconFile[] = "Shell32.dll";

struct DesktopObjectBase {
  RegistryRoot root;
  const char* prefix;  // followed by the class identifier and kDefaultIconSubkey
};

inline constexpr char kDefaultIconSubkey[] = "\\DefaultIcon";

// Bases 1, 2 and 3, in the order a setting is looked for.
inline constexpr std::array<DesktopObjectBase, 3> kDesktopObjectBases = {{
    {RegistryRoot::CurrentUser,
     "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\CLSID\\"},
    {RegistryRoot::CurrentUser, "\\Software\\Classes\\CLSID\\"},
    {RegistryRoot::ClassesRoot, "\\CLSID\\"},
}};

// Apply writes the bases in this order (2, 3, 1), as indexes of kDesktopObjectBases.
inline constexpr std::array<int, 3> kDesktopObjectWriteOrder = {1, 2, 0};

// The XP Start Menu's own items take these icons from their class keys
// under HKEY_CLASSES_ROOT; Apply mirrors the entries there on XP only.
struct MirrorKey {
  const char* path;  // under HKEY_CLASSES_ROOT, without kDefaultIconSubkey
  int entry;
};

inline constexpr std::array<MirrorKey, 3> kXPStartMenuMirrors = {{
    {"\\CLSID\\{2559a1f0-21d7-11d4-bdaf-00c04f60b9f0}", 22},
    {"\\CLSID\\{2559a1f3-21d7-11d4-bdaf-00c04f60b9f0}", 24},
    {"\\CLSID\\{2559a1f1-21d7-11d4-bdaf-00c04f60b9f0}", 23},
}};

// Apply writes this entry to its key's default value as well as to "empty".
constexpr int kEmptyRecycleBinEntry = 51;

// Network Neighborhood's desktop object, mirrored from entry 17 under every
// base on every system.
inline constexpr char kNetworkNeighborhoodClassId[] = "{208D2C60-3AEA-1069-A2D7-08002B30309D}";
constexpr int kNetworkNeighborhoodEntry = 17;

// Under HKEY_CURRENT_USER: the program's own key + "\Default Icons". One
// value per desktop object, named by the class identifier directly followed
// by the entry's value name, holding the location found at the first reading.
inline const std::string kDefaultIconsBackupKey =
    std::string(win::ProgramRegistryKey) + "\\Default Icons";

// base + class identifier + "\DefaultIcon".
std::string DesktopObjectKey(const DesktopObjectBase& base, const char* classId);

// The backup value's name of a desktop object (entry 45..53).
std::string BackupValueName(int entry);

}  // namespace icons
