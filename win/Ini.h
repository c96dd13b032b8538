#pragma once
// Profile (.ini) files such as System.ini, through the Windows profile calls,
// which Windows 95/98/Millennium also map onto the files they cache.

#include <string>

namespace win {

// The value, however long; fallback when the file, section or key is missing.
std::string IniReadString(const std::string& file, const std::string& section,
                          const std::string& key, const std::string& fallback);
bool IniWriteString(const std::string& file, const std::string& section, const std::string& key,
                    const std::string& value);

}  // namespace win
