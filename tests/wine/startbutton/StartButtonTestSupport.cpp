#include "tests/wine/startbutton/StartButtonTestSupport.h"

#include <fstream>
#include <iterator>

#include "deploy/Activation.h"
#include "deploy/ShellLocation.h"
#include "win/SystemFacts.h"

namespace startbutton::test {

void ResetShell() {
  for (int n = 1; n <= 9; ++n) {
    DeleteFileA((win::GetWindowsDir() + "Xplorer" + std::to_string(n) + ".exe").c_str());
  }
  deploy::ActivateShell(win::GetWindowsDir() + "Explorer.exe");
  deploy::LocateCurrentShell();
}

std::vector<uint8_t> ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

bool WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  return bool(out);
}

std::vector<uint8_t> BitmapFile(int width, int height, uint8_t seed) {
  const uint32_t stride = (uint32_t(width) * 3 + 3) & ~3u;
  const uint32_t pixels = stride * uint32_t(height);
  std::vector<uint8_t> file(54 + pixels, 0);
  auto put32 = [&](size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) file[at + i] = uint8_t(v >> (8 * i));
  };
  file[0] = 'B';
  file[1] = 'M';
  put32(2, uint32_t(file.size()));
  put32(10, 54);
  put32(14, 40);
  put32(18, uint32_t(width));
  put32(22, uint32_t(height));
  file[26] = 1;
  file[28] = 24;
  put32(34, pixels);
  for (uint32_t i = 0; i < pixels; ++i) file[54 + i] = uint8_t(i * 7 + seed);
  return file;
}

std::string LoadShellString(const std::string& file, unsigned id) {
  HMODULE module = LoadLibraryExA(file.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (module == nullptr) return "<" + file + " does not load>";
  char text[1024] = {};
  LoadStringA(module, id, text, sizeof text);
  FreeLibrary(module);
  return text;
}

std::string RunAndCapture(const std::string& commandLine) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE readEnd = nullptr;
  HANDLE writeEnd = nullptr;
  if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) return "<no pipe>";
  SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = writeEnd;
  startup.hStdError = writeEnd;
  PROCESS_INFORMATION process{};
  std::string line = commandLine;
  const BOOL started = CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                      nullptr, &startup, &process);
  CloseHandle(writeEnd);
  std::string output;
  if (started) {
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(readEnd, buffer, sizeof buffer, &got, nullptr) && got > 0) {
      output.append(buffer, got);
    }
    WaitForSingleObject(process.hProcess, 30000);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
  } else {
    output = "<" + commandLine + " did not start>";
  }
  CloseHandle(readEnd);
  return output;
}

}  // namespace startbutton::test
