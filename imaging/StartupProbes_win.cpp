#include <windows.h>

#include "imaging/CpuProbe.h"
#include "imaging/StartupProbes.h"

namespace imaging {

namespace {

HMODULE intelJpegLibrary = nullptr;

}  // namespace

void RunStartupProbes() {
  const CpuInfo cpu = ProbeCpu();
  if (intelJpegLibrary == nullptr) intelJpegLibrary = LoadLibraryA("ijl15.dll");
  if (intelJpegLibrary == nullptr) return;
  const DWORD code = DWORD(IntelJpegProcessorCode(cpu));
  HKEY key = nullptr;
  if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Intel Corporation\\PLSuite\\IJLib", 0, nullptr,
                      REG_OPTION_NON_VOLATILE, KEY_WRITE, nullptr, &key,
                      nullptr) == ERROR_SUCCESS) {
    RegSetValueExA(key, "USECPU", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&code), sizeof(code));
    RegCloseKey(key);
  }
}

void EndStartupProbes() {
  if (intelJpegLibrary != nullptr) FreeLibrary(intelJpegLibrary);
  intelJpegLibrary = nullptr;
}

}  // namespace imaging
