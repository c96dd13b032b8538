#pragma once

#include <string>
#include <vector>

namespace cli {

using Arguments = std::vector<std::string>;

// One command of quorlo-cli. run gets the arguments after the command name
// and returns the process exit code.
struct Command {
  const char* name;
  const char* usage;
  const char* summary;  // one line for --help
  int (*run)(const Arguments& arguments);
};

constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

// Prints "quorlo-cli: message" on standard error and returns kExitFailure.
int Fail(const std::string& message);

// Resource commands (ResourceCommands.cpp).
int RunResources(const Arguments& arguments);
int RunExtract(const Arguments& arguments);
int RunReplace(const Arguments& arguments);
int RunStrings(const Arguments& arguments);
// Checksum commands (ChecksumCommands.cpp).
int RunChecksum(const Arguments& arguments);
// Logo command (LogoCommand.cpp).
int RunLogo(const Arguments& arguments);
// Start menu command (MenuCommand.cpp).
int RunMenu(const Arguments& arguments);

}  // namespace cli
