// JPEG pictures from anywhere: libjpeg's errors must become refusals, never
// an exit or a read outside the data.

#include <cstddef>
#include <cstdint>

#include "imaging/JpegFile.h"

using namespace imaging;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TFastDIB dib;
  dib.UseGDI = false;
  LoadJpeg(data, size, dib);
  return 0;
}
