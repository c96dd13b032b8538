#pragma once
// The help bridge's diagnostic log "HHDebug.txt". Each line is appended and the
// file closed again, so the log survives whatever ends the program.

#include <string>
#include <vector>

namespace help {

// Full path of the log when diagnostics are wanted: "debug.debug" lies in the
// program's directory, or an argument asks for it. Empty otherwise.
std::string DiagnosticLogPath(const std::string& programDirectory,
                              const std::vector<std::string>& arguments);

class HelpLog {
 public:
  // An empty path makes a log that writes nothing.
  explicit HelpLog(std::string path) : path_(std::move(path)) {}
  bool Enabled() const { return !path_.empty(); }
  void Line(const std::string& text) const;

 private:
  std::string path_;
};

// printf-style formatting into a string, for log lines.
std::string FormatLine(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

}  // namespace help
