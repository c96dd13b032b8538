// quorlo-cli menu, run as a user or script would run it: on the synthetic
// shell, and on a copy whose menu 204 the model edited and wrote.

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "MenuOutline.h"
#include "PeBuilder.h"
#include "resedit/ResourceReader.h"
#include "startmenu/StartMenuModel.h"

namespace startmenu::test {
namespace {

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : ".";
}

std::string Shell() {
  return Environment("QUORLO_FIXTURES") + "/Explorer.exe";
}

struct CliRun {
  int status;
  std::vector<std::string> lines;  // standard output
  std::string errors;
};

CliRun RunCli(const std::string& arguments) {
  const std::string errorFile = resedit::test::TestDirectory("menu-cli-errors") + "/stderr";
  const std::string command =
      Environment("QUORLO_BINARY") + "/cli/quorlo-cli " + arguments + " 2>" + errorFile;
  CliRun run{-1, {}, {}};
  std::FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return run;
  std::string output;
  char chunk[4096];
  size_t got;
  while ((got = std::fread(chunk, 1, sizeof(chunk), pipe)) > 0) output.append(chunk, got);
  const int status = pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  std::istringstream stream(output);
  for (std::string line; std::getline(stream, line);) run.lines.push_back(line);
  const std::vector<uint8_t> errors = resedit::test::ReadFileBytes(errorFile);
  run.errors.assign(errors.begin(), errors.end());
  return run;
}

TEST(MenuCommand, PrintsTheShellsStartMenuAsATree) {
  const CliRun run = RunCli("menu " + Shell());
  ASSERT_EQ(run.status, 0) << run.errors;
  ASSERT_EQ(run.lines.size(), 37u) << "one line per item of menu 204";
  const struct {
    size_t line;
    const char* text;
  } cases[] = {
      {0, "\"\" id=0 flags=popup,last help=0"},
      {1, "  \"&Programs\" id=504 flags=popup help=40504"},
      {2, "    \"(Empty)\" id=65535 flags=grayed"},
      {5, "    \"Accessories\" id=5102 flags=popup,last help=45102"},
      {14, "          \"Backup\" id=5206 flags=last"},
      {15, "  \"F&avorites\" id=507 flags=popup help=40507"},
      {22, "    \"\" id=0 flags=separator"},
      {36, "  \"Sh&ut Down...\" id=506 flags=last"},
  };
  for (const auto& c : cases) EXPECT_EQ(run.lines[c.line], c.text) << "line " << c.line;
}

TEST(MenuCommand, ShowsTheMenuOfAWrittenCopy) {
  const std::string dir = resedit::test::TestDirectory("menu-cli-copy");
  auto original = resedit::ReadResourceData(Shell(), kMenuResourceType, kStartMenuResourceName);
  ASSERT_TRUE(original.has_value());
  MenuTemplateRead read = LoadMenuTemplate(Span(*original));
  ASSERT_TRUE(read.Ok()) << read.refusal;
  StartMenuModel model;
  model.BuildMenuTree(std::move(read.records));
  const std::vector<NodeId> top = model.Node(model.Root()).children;
  ASSERT_TRUE(model.SetSeparator(top[0], true).Done());  // Programs and its sub-menu
  ASSERT_TRUE(model.RenameItem(top[6], u"Run \"it\"").Done());
  ASSERT_TRUE(model.MoveItem(top[11], top[1]).Done());
  resedit::test::WriteFileBytes(dir + "/menu.bin", model.SaveMenuTemplate());
  const std::string copy = dir + "/Xplorer1.exe";
  ASSERT_EQ(RunCli("replace " + Shell() + " " + copy + " 4 204 " + dir + "/menu.bin").status, 0);

  const CliRun run = RunCli("menu " + copy);
  ASSERT_EQ(run.status, 0) << run.errors;
  ASSERT_EQ(run.lines.size(), 24u);
  EXPECT_EQ(run.lines[1], "  \"\" id=65535 flags=separator");
  EXPECT_EQ(run.lines[2], "  \"Sh&ut Down...\" id=506");
  EXPECT_EQ(run.lines[19], "  \"Run \\\"it\\\"\" id=401");
  EXPECT_EQ(run.lines[20], "  \"\" id=65535 flags=separator");
  EXPECT_EQ(run.lines[23], "  \"Undock Comput&er\" id=410 flags=last");
}

TEST(MenuCommand, RefusesWhatHoldsNoReadableStartMenu) {
  const std::string dir = resedit::test::TestDirectory("menu-cli-refused");
  resedit::test::WriteFileBytes(dir + "/cut.bin", {1, 0, 4, 0, 0, 0, 0, 0, 0, 0});
  ASSERT_EQ(RunCli("replace " + Shell() + " " + dir + "/cut.exe 4 204 " + dir + "/cut.bin").status,
            0);
  resedit::test::WriteFileBytes(dir + "/text.txt", {'n', 'o', 't', ' ', 'P', 'E'});
  const struct {
    const char* name;
    std::string arguments;
    int status;
    std::string error;
  } cases[] = {
      {"no file", "menu", 2, ""},
      {"two files", "menu " + Shell() + " " + Shell(), 2, ""},
      {"missing file", "menu " + dir + "/none.exe", 1, "none.exe: "},
      {"not a PE file", "menu " + dir + "/text.txt", 1, "text.txt: "},
      {"no menu 204", "menu " + Environment("QUORLO_FIXTURES") + "/ntoskrnl.exe", 1,
       "ntoskrnl.exe: no Start menu (menu 204)"},
      {"a menu cut short", "menu " + dir + "/cut.exe", 1,
       "cut.exe: menu 204 is refused: The menu ends inside item 1 (at byte 8)."},
  };
  for (const auto& c : cases) {
    const CliRun run = RunCli(c.arguments);
    EXPECT_EQ(run.status, c.status) << c.name << ": " << run.errors;
    EXPECT_TRUE(run.lines.empty()) << c.name;
    EXPECT_NE(run.errors.find(c.error), std::string::npos) << c.name << ": " << run.errors;
  }
}

}  // namespace
}  // namespace startmenu::test
