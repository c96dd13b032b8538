#pragma once
// The processor facts the start-up probe reads with CPUID, and the processor
// code the Intel JPEG Library expects in its registry key.

#include <string>

namespace imaging {

struct CpuInfo {
  bool HasCpuid = false;
  std::string Vendor;  // 12 characters, e.g. "GenuineIntel"
  int Family = 0;
  int Model = 0;
  bool Mmx = false, Sse = false, Sse2 = false;
};

CpuInfo ProbeCpu();

// 0 unknown; Intel family 5 gives 1, family 6 gives 2 (model below 2) or 4;
// MMX raises a code below 3 to 3, SSE makes it 5, SSE2 6.
int IntelJpegProcessorCode(const CpuInfo& cpu);

}  // namespace imaging
