// Icon files from anywhere: directory entries, image headers, palettes and
// masks are all checked against the data.

#include <cstddef>
#include <cstdint>

#include "imaging/IconFile.h"

using namespace imaging;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  IconImage icon;
  if (ParseIcon(data, size, icon) != IconStatus::kOk) return 0;
  TFastDIB dib;
  dib.UseGDI = false;
  ComposeIcon(icon, 0x00FF8040, dib);
  return 0;
}
