#pragma once
// The six items of the XP Start Menu whose texts Windows reads from the
// shell file named in their class keys under HKEY_CLASSES_ROOT.

#include <array>
#include <string>

namespace deploy {

struct XPStartMenuKey {
  const char* path;         // under HKEY_CLASSES_ROOT
  const char* defaultName;  // Windows' own default value
  int nameId;               // string id of the name in the shell, 0 for none
  int infoTipId;            // the "InfoTip" value's id
  int localizedStringId;    // the "LocalizedString" value's id
};

inline constexpr std::array<XPStartMenuKey, 6> kXPStartMenuKeys = {{
    {"\\CLSID\\{2559a1f0-21d7-11d4-bdaf-00c04f60b9f0}", "&Search", 7020, 7000, 7020},
    {"\\CLSID\\{2559a1f1-21d7-11d4-bdaf-00c04f60b9f0}", "&Help and Support", 7021, 7001, 7021},
    {"\\CLSID\\{2559a1f2-21d7-11d4-bdaf-00c04f60b9f0}", "&Windows Security", 7022, 7022, 7022},
    {"\\CLSID\\{2559a1f3-21d7-11d4-bdaf-00c04f60b9f0}", "&Run...", 7023, 7003, 7023},
    {"\\CLSID\\{2559a1f4-21d7-11d4-bdaf-00c04f60b9f0}", "Internet", 0, 7004, 7024},
    {"\\CLSID\\{2559a1f5-21d7-11d4-bdaf-00c04f60b9f0}", "E-mail", 0, 7005, 7025},
}};

// "@" + file name + ",-" + id, the form Windows resolves to a string of that file.
std::string ShellStringReference(const std::string& shellFileName, int id);

// The file-name part of a path or setting: the text after the last "\" or ":".
std::string FileNamePart(const std::string& path);

}  // namespace deploy
