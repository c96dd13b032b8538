#include "imaging/CpuProbe.h"

#include <cstring>

#if defined(__i386__) || defined(__x86_64__)
#include <cpuid.h>
#endif

namespace imaging {

CpuInfo ProbeCpu() {
  CpuInfo cpu;
#if defined(__i386__) || defined(__x86_64__)
  // __get_cpuid_max tests whether bit 21 of the flags can be toggled on
  // 32-bit processors before it uses the instruction.
  unsigned int eax = 0, ebx = 0, ecx = 0, edx = 0;
  if (__get_cpuid_max(0, nullptr) == 0) return cpu;
  cpu.HasCpuid = true;
  __cpuid(0, eax, ebx, ecx, edx);
  char vendor[13] = {};
  std::memcpy(vendor, &ebx, 4);
  std::memcpy(vendor + 4, &edx, 4);
  std::memcpy(vendor + 8, &ecx, 4);
  cpu.Vendor = vendor;
  if (eax >= 1) {
    __cpuid(1, eax, ebx, ecx, edx);
    cpu.Family = int((eax >> 8) & 0x0F);
    cpu.Model = int((eax >> 4) & 0x0F);
    cpu.Mmx = (edx >> 23) & 1;
    cpu.Sse = (edx >> 25) & 1;
    cpu.Sse2 = (edx >> 26) & 1;
  }
#endif
  return cpu;
}

int IntelJpegProcessorCode(const CpuInfo& cpu) {
  int code = 0;
  if (cpu.Vendor == "GenuineIntel") {
    if (cpu.Family == 5) code = 1;
    if (cpu.Family == 6) code = cpu.Model < 2 ? 2 : 4;
  }
  if (cpu.Mmx && code < 3) code = 3;
  if (cpu.Sse) code = 5;
  if (cpu.Sse2) code = 6;
  return code;
}

}  // namespace imaging
