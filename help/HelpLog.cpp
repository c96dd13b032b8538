#include "help/HelpLog.h"

#include <windows.h>

#include <cstdarg>
#include <cstdio>

#include "help/DebugSwitch.h"
#include "win/Paths.h"

namespace help {

std::string DiagnosticLogPath(const std::string& programDirectory,
                              const std::vector<std::string>& arguments) {
  const std::string directory = win::WithTrailingBackslash(programDirectory);
  if (!HasDebugArgument(arguments) && !win::FileExists(directory + "debug.debug")) {
    return std::string();
  }
  return directory + "HHDebug.txt";
}

void HelpLog::Line(const std::string& text) const {
  if (path_.empty()) return;
  // GENERIC_WRITE and a seek rather than FILE_APPEND_DATA, which the 95 family lacks.
  const HANDLE file = CreateFileA(path_.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                  OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  if (SetFilePointer(file, 0, nullptr, FILE_END) == INVALID_SET_FILE_POINTER &&
      GetLastError() != NO_ERROR) {
    CloseHandle(file);
    return;
  }
  const std::string line = text + "\r\n";
  DWORD written = 0;
  WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
  CloseHandle(file);
}

std::string FormatLine(const char* format, ...) {
  va_list arguments;
  va_start(arguments, format);
  va_list again;
  va_copy(again, arguments);
  const int length = std::vsnprintf(nullptr, 0, format, arguments);
  va_end(arguments);
  std::string text;
  if (length > 0) {
    text.resize(size_t(length) + 1);
    std::vsnprintf(&text[0], text.size(), format, again);
    text.resize(size_t(length));
  }
  va_end(again);
  return text;
}

}  // namespace help
