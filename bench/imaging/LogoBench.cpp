// Stages of the logo pipeline on a 4000 x 3000 picture: JPEG decoding,
// smooth resizing, palette optimisation with dithering, and the whole
// pipeline to both logo formats.

#include <benchmark/benchmark.h>
#include <jpeglib.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "imaging/JpegFile.h"
#include "imaging/LogoPipeline.h"
#include "imaging/PaletteReduction.h"
#include "imaging/Resample.h"

namespace {

using namespace imaging;

constexpr int32_t kWidth = 4000, kHeight = 3000;

// Smooth colour fields with fine detail, so neither the resizer nor the
// quantiser sees a trivial picture.
const TFastDIB& Picture() {
  static TFastDIB picture;
  if (picture.Empty()) {
    picture.UseGDI = false;
    picture.SetSize(kWidth, kHeight, 24);
    uint32_t noise = 12345;
    for (int32_t y = 0; y < kHeight; ++y) {
      uint8_t* row = picture.Row(y);
      for (int32_t x = 0; x < kWidth; ++x) {
        noise = noise * 1103515245u + 12345u;
        const uint32_t n = (noise >> 16) & 15;
        row[3 * x] = uint8_t((x * 255 / kWidth + n) & 255);
        row[3 * x + 1] = uint8_t((y * 255 / kHeight + n) & 255);
        row[3 * x + 2] = uint8_t(((x + y) * 255 / (kWidth + kHeight)) ^ (n << 2));
      }
    }
  }
  return picture;
}

void CopyPicture(TFastDIB& out) {
  const TFastDIB& source = Picture();
  out.UseGDI = false;
  out.SetSize(source.Width(), source.Height(), 24);
  std::memcpy(out.Bits(), source.Bits(), source.ImageSize());
}

const std::vector<uint8_t>& Jpeg() {
  static std::vector<uint8_t> bytes;
  if (bytes.empty()) {
    const TFastDIB& source = Picture();
    jpeg_compress_struct cinfo;
    jpeg_error_mgr errors;
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = kWidth;
    cinfo.image_height = kHeight;
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_EXT_BGR;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 90, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
      JSAMPROW row = source.DisplayRow(int32_t(cinfo.next_scanline));
      jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    bytes.assign(buffer, buffer + size);
    jpeg_destroy_compress(&cinfo);
    std::free(buffer);
  }
  return bytes;
}

void BM_DecodeJpeg12Mp(benchmark::State& state) {
  const std::vector<uint8_t>& bytes = Jpeg();
  for (auto _ : state) {
    TFastDIB dib;
    dib.UseGDI = false;
    if (LoadJpeg(bytes.data(), bytes.size(), dib) != JpegStatus::kOk) state.SkipWithError("decode");
    benchmark::DoNotOptimize(dib.Bits());
  }
}
BENCHMARK(BM_DecodeJpeg12Mp)->Unit(benchmark::kMillisecond);

void BM_SmoothResize12MpTo640x480(benchmark::State& state) {
  const TFastDIB& source = Picture();
  TFastDIB destination;
  destination.UseGDI = false;
  destination.SetSize(640, 480, 24);
  for (auto _ : state) {
    SmoothResize(source, destination);
    benchmark::DoNotOptimize(destination.Bits());
  }
}
BENCHMARK(BM_SmoothResize12MpTo640x480)->Unit(benchmark::kMillisecond);

void BM_ChangeBits640x480(benchmark::State& state) {
  const int bpp = int(state.range(0));
  TFastDIB small;
  small.UseGDI = false;
  small.SetSize(640, 480, 24);
  SmoothResize(Picture(), small);
  for (auto _ : state) {
    state.PauseTiming();
    TFastDIB copy;
    copy.UseGDI = false;
    copy.SetSize(640, 480, 24);
    std::memcpy(copy.Bits(), small.Bits(), small.ImageSize());
    state.ResumeTiming();
    ChangeBits(copy, bpp);
    benchmark::DoNotOptimize(copy.Bits());
  }
}
BENCHMARK(BM_ChangeBits640x480)->Arg(4)->Arg(8)->Unit(benchmark::kMillisecond);

void BM_LogoPipeline(benchmark::State& state) {
  LogoSpec spec;
  spec.Width = int32_t(state.range(0));
  spec.Height = int32_t(state.range(1));
  spec.Bpp = int(state.range(2));
  spec.Fit = true;
  const LogoCallbacks yes{nullptr, [](const std::string&) { return true; }};
  const char* base = std::getenv("TMPDIR");
  const std::string out = std::string(base ? base : "/tmp") + "/quorlo-bench-logo.bmp";
  for (auto _ : state) {
    state.PauseTiming();
    TFastDIB picture;
    CopyPicture(picture);
    state.ResumeTiming();
    if (MakeLogoFromPicture(picture, spec, yes, out) != LogoResult::kMade) {
      state.SkipWithError("logo");
    }
  }
  std::remove(out.c_str());
}
BENCHMARK(BM_LogoPipeline)->Args({640, 480, 4})->Args({320, 400, 8})->Unit(benchmark::kMillisecond);

}  // namespace
