#include "win/AnsiText.h"

#include <windows.h>

namespace win {

std::u16string AnsiToUnicode(const std::string& text) {
  if (text.empty()) return {};
  const int units = MultiByteToWideChar(CP_ACP, 0, text.data(), int(text.size()), nullptr, 0);
  if (units <= 0) return {};
  std::wstring wide(size_t(units), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), int(text.size()), wide.data(), units);
  return std::u16string(wide.begin(), wide.end());
}

std::string UnicodeToAnsi(const std::u16string& text) {
  if (text.empty()) return {};
  const std::wstring wide(text.begin(), text.end());
  const int bytes =
      WideCharToMultiByte(CP_ACP, 0, wide.data(), int(wide.size()), nullptr, 0, nullptr, nullptr);
  if (bytes <= 0) return {};
  std::string ansi(size_t(bytes), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide.data(), int(wide.size()), ansi.data(), bytes, nullptr,
                      nullptr);
  return ansi;
}

}  // namespace win
