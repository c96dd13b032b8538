// Bitmap files from anywhere: every input must load or be refused cleanly,
// and whatever loads must convert and save without touching memory outside
// the picture.

#include <cstddef>
#include <cstdint>

#include "imaging/FastDIB.h"
#include "imaging/FastQuant.h"
#include "imaging/FastSize.h"

using namespace quorlo::imaging;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TFastDIB dib;
  dib.UseGDI = false;
  if (dib.LoadFromMemory(data, size) != BmpStatus::kOk) return 0;
  dib.CountColors();
  // Keep the follow-up work small so the fuzzer spends its time on parsing.
  if (int64_t(dib.Width()) * dib.AbsHeight > 64 * 64) return 0;
  TFastDIB wide;
  wide.UseGDI = false;
  if (!wide.SetSize(dib.Width(), dib.Height(), 24) || !Convert(wide, dib, false)) return 0;
  TFastDIB resized;
  resized.UseGDI = false;
  if (resized.SetSize(7, 5, 24)) SmoothResize(wide, resized);
  // The palette reducer clears megabyte tables on every call; running it for
  // one input in eight keeps the fuzzer's attention on the loader.
  if ((data[size - 1] & 7) == 0) ChangeBits(wide, data[size - 1] & 8 ? 8 : 4);
  wide.FileBytes();
  return 0;
}
