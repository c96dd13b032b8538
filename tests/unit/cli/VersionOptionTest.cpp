// quorlo-cli --version, run as a script would run it. The Windows test of the
// version checks that the program and its About window say the same.

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "core/Version.h"

namespace {

struct CliRun {
  int status = -1;
  std::string output;
};

CliRun RunCli(const std::string& arguments) {
  const char* binary = std::getenv("QUORLO_BINARY");
  const std::string command =
      std::string(binary ? binary : ".") + "/cli/quorlo-cli " + arguments + " 2>/dev/null";
  CliRun run;
  std::FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return run;
  char buffer[256];
  size_t got = 0;
  while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) run.output.append(buffer, got);
  const int status = pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

TEST(VersionOption, PrintsTheProgramVersionAlone) {
  const CliRun run = RunCli("--version");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.output, std::string("quorlo-cli ") + QUORLO_VERSION_TEXT + "\n");
}

TEST(VersionOption, VersionHasFourNumbers) {
  // The version resource holds four 16-bit numbers; the text must say them all.
  unsigned parts[4] = {};
  char rest = 0;
  ASSERT_EQ(std::sscanf(QUORLO_VERSION_TEXT, "%u.%u.%u.%u%c", &parts[0], &parts[1], &parts[2],
                        &parts[3], &rest),
            4)
      << QUORLO_VERSION_TEXT;
  const unsigned expected[4] = {QUORLO_VERSION_MAJOR, QUORLO_VERSION_MINOR, QUORLO_VERSION_PATCH,
                                QUORLO_VERSION_TWEAK};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(parts[i], expected[i]) << "part " << i;
    EXPECT_LE(parts[i], 0xFFFFu) << "part " << i;
  }
}

TEST(VersionOption, UsageNamesTheOption) {
  const CliRun run = RunCli("--help");
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(run.output.find("quorlo-cli --version"), std::string::npos) << run.output;
}

// The README's "Command line" section shows the usage text under a marker
// line; it must be what the program prints, so neither goes stale alone.
TEST(VersionOption, HelpIsTheUsageTheReadmeShows) {
  const char* source = std::getenv("QUORLO_SOURCE");
  ASSERT_NE(source, nullptr);
  std::ifstream file(std::string(source) + "/README.md");
  std::stringstream text;
  text << file.rdbuf();
  const std::string readme = text.str();
  const std::string marker = "<!-- quorlo-cli --help -->\n```text\n";
  const size_t start = readme.find(marker);
  ASSERT_NE(start, std::string::npos) << "no usage block in README.md";
  const size_t body = start + marker.size();
  const size_t end = readme.find("```", body);
  ASSERT_NE(end, std::string::npos);
  const CliRun run = RunCli("--help");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(readme.substr(body, end - body), run.output);
}

}  // namespace
