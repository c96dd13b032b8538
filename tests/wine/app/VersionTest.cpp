// One version everywhere a user or a tool reads it: the version resource of
// Quorlo.exe (file properties, installers), the About window and
// quorlo-cli --version.

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/AboutWindow.h"
#include "tests/wine/WinePaths.h"
#include "tests/wine/startbutton/StartButtonTestSupport.h"

namespace app::test {
namespace {

struct VersionResource {
  bool found = false;
  std::string fixedFile;     // "a.b.c.d" from VS_FIXEDFILEINFO's file version
  std::string fixedProduct;  // the same from its product version
  std::string fileVersion;   // the "FileVersion" string
  std::string productVersion;
};

std::string Dotted(DWORD high, DWORD low) {
  return std::to_string(HIWORD(high)) + "." + std::to_string(LOWORD(high)) + "." +
         std::to_string(HIWORD(low)) + "." + std::to_string(LOWORD(low));
}

std::string StringValue(const std::vector<char>& data, const char* name) {
  struct Translation {
    WORD language;
    WORD codePage;
  }* translation = nullptr;
  UINT size = 0;
  if (!VerQueryValueA(data.data(), "\\VarFileInfo\\Translation",
                      reinterpret_cast<void**>(&translation), &size) ||
      size < sizeof *translation)
    return "<no translation>";
  char path[128];
  wsprintfA(path, "\\StringFileInfo\\%04x%04x\\%s", translation->language, translation->codePage,
            name);
  char* value = nullptr;
  if (!VerQueryValueA(data.data(), path, reinterpret_cast<void**>(&value), &size) || size == 0)
    return std::string("<no ") + path + ">";
  return std::string(value);
}

VersionResource ReadVersionResource(const std::string& file) {
  VersionResource result;
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeA(file.c_str(), &ignored);
  if (size == 0) return result;
  std::vector<char> data(size);
  if (!GetFileVersionInfoA(file.c_str(), 0, size, data.data())) return result;
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT fixedSize = 0;
  if (!VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&fixed), &fixedSize) ||
      fixedSize < sizeof *fixed)
    return result;
  result.found = true;
  result.fixedFile = Dotted(fixed->dwFileVersionMS, fixed->dwFileVersionLS);
  result.fixedProduct = Dotted(fixed->dwProductVersionMS, fixed->dwProductVersionLS);
  result.fileVersion = StringValue(data, "FileVersion");
  result.productVersion = StringValue(data, "ProductVersion");
  return result;
}

std::string AboutVersion() {
  app::AboutWindow about;
  if (!about.CreateForm(nullptr)) return "<About not created>";
  ui::Control* label = about.Find("lVersion");
  return label != nullptr ? label->Text() : "<no lVersion>";
}

std::string CliVersion() {
  const std::string cli = winetest::BuildDirectory() + "cli\\quorlo-cli.exe";
  std::string said = startbutton::test::RunAndCapture("\"" + cli + "\" --version");
  said.erase(std::remove(said.begin(), said.end(), '\r'), said.end());
  const std::string prefix = "quorlo-cli ";
  if (said.compare(0, prefix.size(), prefix) != 0 || said.empty() || said.back() != '\n')
    return "<quorlo-cli said: " + said + ">";
  return said.substr(prefix.size(), said.size() - prefix.size() - 1);
}

TEST(Version, ProgramResourceAboutAndCliAgree) {
  const VersionResource resource =
      ReadVersionResource(winetest::BuildDirectory() + "app\\Quorlo.exe");
  ASSERT_TRUE(resource.found) << "Quorlo.exe has no readable version resource";
  const std::string about = AboutVersion();
  EXPECT_EQ(resource.fixedFile, about) << "file version numbers";
  EXPECT_EQ(resource.fixedProduct, about) << "product version numbers";
  EXPECT_EQ(resource.fileVersion, about) << "\"FileVersion\" text";
  EXPECT_EQ(resource.productVersion, about) << "\"ProductVersion\" text";
  EXPECT_EQ(CliVersion(), about);
}

}  // namespace
}  // namespace app::test
