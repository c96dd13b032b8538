// Bitmap files from anywhere: every input must load or be refused cleanly,
// and whatever loads must widen, resize and save without touching memory
// outside the picture. The palette reducer is left out: its box splitting
// walks the whole colour grid whatever the input, which made this target a
// hundred times slower without reaching more of the loader.

#include <cstddef>
#include <cstdint>

#include "imaging/FastDIB.h"
#include "imaging/PaletteReduction.h"
#include "imaging/Resample.h"

using namespace imaging;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TFastDIB dib;
  dib.UseGDI = false;
  if (dib.LoadFromMemory(data, size) != BmpStatus::kOk) return 0;
  // A few bytes of run-length data can describe a huge picture; the work
  // after loading is kept to small ones so the fuzzer's time goes to parsing.
  if (int64_t(dib.Width()) * dib.AbsHeight > 64 * 64) return 0;
  dib.CountColors();
  TFastDIB wide;
  wide.UseGDI = false;
  if (!wide.SetSize(dib.Width(), dib.Height(), 24) || !Convert(wide, dib, false)) return 0;
  TFastDIB resized;
  resized.UseGDI = false;
  if (resized.SetSize(7, 5, 24)) SmoothResize(wide, resized);
  wide.FileBytes();
  return 0;
}
