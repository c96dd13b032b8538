// quorlo-cli: the portable core from the command line.

#include <cstdio>
#include <cstring>

#include "cli/Command.h"
#include "core/Version.h"

namespace cli {

namespace {

const Command kCommands[] = {
    {"resources", "resources FILE", RunResources},
    {"extract", "extract FILE TYPE NAME OUT", RunExtract},
    {"replace", "replace IN OUT TYPE NAME DATAFILE [--checksum]", RunReplace},
    {"checksum", "checksum FILE [--write]", RunChecksum},
    {"strings", "strings FILE BLOCK", RunStrings},
    {"menu", "menu FILE", RunMenu},
    {"logo", "logo PICTURE OUT.bmp --size WxH --bpp 4|8 [--fit] [--background RRGGBB]", RunLogo},
};

void PrintUsage(std::FILE* out) {
  std::fprintf(out, "usage: quorlo-cli COMMAND ARGUMENTS\n");
  std::fprintf(out, "       quorlo-cli --version\n");
  for (const Command& command : kCommands) std::fprintf(out, "  quorlo-cli %s\n", command.usage);
  std::fprintf(out, "TYPE and NAME are numbers, or text names of the file's resources.\n");
}

}  // namespace

int Fail(const std::string& message) {
  std::fprintf(stderr, "quorlo-cli: %s\n", message.c_str());
  return kExitFailure;
}

}  // namespace cli

int main(int argc, char** argv) {
  using namespace cli;
  if (argc < 2) {
    PrintUsage(stderr);
    return kExitUsage;
  }
  if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
    PrintUsage(stdout);
    return kExitOk;
  }
  if (std::strcmp(argv[1], "--version") == 0) {
    std::printf("quorlo-cli %s\n", QUORLO_VERSION_TEXT);
    return kExitOk;
  }
  for (const Command& command : kCommands) {
    if (std::strcmp(argv[1], command.name) == 0)
      return command.run(Arguments(argv + 2, argv + argc));
  }
  std::fprintf(stderr, "quorlo-cli: unknown command \"%s\"\n", argv[1]);
  PrintUsage(stderr);
  return kExitUsage;
}
