#include <gtest/gtest.h>

#include "imaging/CpuProbe.h"

namespace imaging::test {
namespace {

TEST(CpuProbe, IntelJpegProcessorCodes) {
  const struct {
    const char* vendor;
    int family, model;
    bool mmx, sse, sse2;
    int code;
  } cases[] = {
      {"GenuineIntel", 5, 2, false, false, false, 1},
      {"GenuineIntel", 5, 4, true, false, false, 3},
      {"GenuineIntel", 6, 1, false, false, false, 2},
      {"GenuineIntel", 6, 3, true, false, false, 4},
      {"GenuineIntel", 6, 7, true, true, false, 5},
      {"GenuineIntel", 15, 2, true, true, true, 6},
      {"AuthenticAMD", 6, 4, true, false, false, 3},
      {"AuthenticAMD", 5, 8, false, false, false, 0},
      {"AuthenticAMD", 6, 8, true, true, true, 6},
      {"", 0, 0, false, false, false, 0},
  };
  for (const auto& c : cases) {
    CpuInfo cpu;
    cpu.HasCpuid = true;
    cpu.Vendor = c.vendor;
    cpu.Family = c.family, cpu.Model = c.model;
    cpu.Mmx = c.mmx, cpu.Sse = c.sse, cpu.Sse2 = c.sse2;
    EXPECT_EQ(IntelJpegProcessorCode(cpu), c.code)
        << c.vendor << " family " << c.family << " model " << c.model << " mmx " << c.mmx << " sse "
        << c.sse << " sse2 " << c.sse2;
  }
}

TEST(CpuProbe, ThisProcessorAnswersCpuid) {
#if defined(__x86_64__)
  const CpuInfo cpu = ProbeCpu();
  EXPECT_TRUE(cpu.HasCpuid);
  EXPECT_EQ(cpu.Vendor.size(), 12u) << cpu.Vendor;
  EXPECT_TRUE(cpu.Sse2) << "every x86-64 processor has SSE2";
  EXPECT_EQ(IntelJpegProcessorCode(cpu), 6);
#else
  GTEST_SKIP() << "CPUID is an x86 instruction";
#endif
}

}  // namespace
}  // namespace imaging::test
