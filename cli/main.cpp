// quorlo-cli: the portable core from the command line.

#include <cstdio>
#include <cstring>

#include "cli/Command.h"
#include "core/Version.h"

namespace cli {

namespace {

// --help prints this table; the README's "Command line" section shows the
// same text, and a test keeps the two alike.
const Command kCommands[] = {
    {"resources", "resources FILE",
     "lists the resources of a PE file: type, name, language, code page, size", RunResources},
    {"extract", "extract FILE TYPE NAME OUT", "writes one resource's data to the file OUT",
     RunExtract},
    {"replace", "replace IN OUT TYPE NAME DATAFILE [--checksum]",
     "writes a copy of IN with one resource's data replaced by DATAFILE", RunReplace},
    {"checksum", "checksum FILE [--write]",
     "prints the stored and the computed PE checksum; --write stores the computed one",
     RunChecksum},
    {"strings", "strings FILE BLOCK", "prints the 16 strings of a string-table block", RunStrings},
    {"menu", "menu FILE", "prints the Start menu (menu 204) of a shell file as a tree", RunMenu},
    {"logo", "logo PICTURE OUT.bmp --size WxH --bpp 4|8 [--fit] [--background RRGGBB]",
     "makes a logo bitmap of exact size and colour depth from a picture", RunLogo},
};

void PrintUsage(std::FILE* out) {
  std::fprintf(out, "usage: quorlo-cli COMMAND ARGUMENTS\n");
  std::fprintf(out, "       quorlo-cli --help\n");
  std::fprintf(out, "       quorlo-cli --version\n\n");
  for (const Command& command : kCommands)
    std::fprintf(out, "  %s\n      %s\n", command.usage, command.summary);
  std::fprintf(out, "\nTYPE and NAME are numbers, or text names of the file's resources.\n");
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
