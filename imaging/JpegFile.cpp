#include "imaging/JpegFile.h"

#include <csetjmp>
#include <cstdio>
#include <vector>

// jpeglib.h needs size_t and FILE declared before it.
#include <jerror.h>
#include <jpeglib.h>

#include "imaging/ExifOrientation.h"

namespace imaging {

namespace {

// Enough for a progressive picture at the largest accepted pixel count;
// beyond it libjpeg refuses instead of growing without bound.
constexpr long kMaxDecoderMemory = 768L * 1024 * 1024;

struct ErrorManager {
  jpeg_error_mgr pub;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void FailDecode(j_common_ptr cinfo) {
  ErrorManager* errors = reinterpret_cast<ErrorManager*>(cinfo->err);
  (*cinfo->err->format_message)(cinfo, errors->message);
  std::longjmp(errors->jump, 1);
}

// A file that ends early makes libjpeg invent grey data with a warning; we
// refuse it instead. Other warnings are tolerated, as viewers do.
void OnMessage(j_common_ptr cinfo, int level) {
  if (level < 0 && cinfo->err->msg_code == JWRN_JPEG_EOF) FailDecode(cinfo);
}

void CmykToBgr(const uint8_t* cmyk, uint8_t* bgr, JDIMENSION width, bool inverted) {
  for (JDIMENSION x = 0; x < width; ++x, cmyk += 4, bgr += 3) {
    // Adobe writes inverted CMYK: the values are already 255 - ink.
    const uint32_t c = inverted ? cmyk[0] : 255u - cmyk[0];
    const uint32_t m = inverted ? cmyk[1] : 255u - cmyk[1];
    const uint32_t y = inverted ? cmyk[2] : 255u - cmyk[2];
    const uint32_t k = inverted ? cmyk[3] : 255u - cmyk[3];
    bgr[0] = uint8_t((y * k + 127) / 255);
    bgr[1] = uint8_t((m * k + 127) / 255);
    bgr[2] = uint8_t((c * k + 127) / 255);
  }
}

// The orientation an APP1 EXIF marker records; 1 without one.
int MarkerOrientation(const jpeg_decompress_struct& cinfo) {
  for (jpeg_saved_marker_ptr m = cinfo.marker_list; m != nullptr; m = m->next) {
    if (m->marker != JPEG_APP0 + 1) continue;
    const int orientation = ExifOrientation(core::ByteSpan(m->data, m->data_length));
    if (orientation != 1) return orientation;
  }
  return 1;
}

// The largest DCT scale denominator (8, 4, 2; 1 for the full size) whose
// output keeps both stored sides at least as large as asked.
void ChooseScale(jpeg_decompress_struct& cinfo, uint32_t minWidth, uint32_t minHeight) {
  cinfo.scale_num = 1;
  for (unsigned denominator : {8u, 4u, 2u}) {
    cinfo.scale_denom = denominator;
    jpeg_calc_output_dimensions(&cinfo);
    if (cinfo.output_width >= minWidth && cinfo.output_height >= minHeight) return;
  }
  cinfo.scale_denom = 1;
}

// Only plain-data locals live in this frame, so a longjmp out of libjpeg
// skips no destructor; everything with one belongs to the caller.
// Where the compressed bytes come from: memory, or a file read by libjpeg in
// small pieces (a photo's file is never held whole).
struct Source {
  const uint8_t* data = nullptr;
  size_t size = 0;
  std::FILE* file = nullptr;
};

JpegStatus Decode(const Source& source, TFastDIB& out, std::vector<uint8_t>& cmykRow,
                  PictureSize minSize, PictureSize& fullSize, int& orientation,
                  std::string* reason) {
  jpeg_decompress_struct cinfo;
  ErrorManager errors;
  cinfo.err = jpeg_std_error(&errors.pub);
  errors.pub.error_exit = FailDecode;
  errors.pub.emit_message = OnMessage;
  errors.message[0] = '\0';
  if (setjmp(errors.jump)) {
    jpeg_destroy_decompress(&cinfo);
    if (reason) *reason = errors.message;
    return JpegStatus::kDamaged;
  }
  jpeg_create_decompress(&cinfo);
  cinfo.mem->max_memory_to_use = kMaxDecoderMemory;
  if (source.file != nullptr) {
    jpeg_stdio_src(&cinfo, source.file);
  } else {
    jpeg_mem_src(&cinfo, const_cast<unsigned char*>(source.data),
                 static_cast<unsigned long>(source.size));
  }
  jpeg_save_markers(&cinfo, JPEG_APP0 + 1, 0xFFFF);
  jpeg_read_header(&cinfo, TRUE);
  const bool cmyk = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
  // Straight into the bitmap's rows, in its blue-green-red order.
  cinfo.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGR;
  if (cinfo.image_width == 0 || cinfo.image_height == 0 ||
      cinfo.image_width > JDIMENSION(kMaxDimension) ||
      cinfo.image_height > JDIMENSION(kMaxDimension)) {
    jpeg_destroy_decompress(&cinfo);
    if (reason) *reason = "picture too large";
    return JpegStatus::kTooLarge;
  }
  orientation = MarkerOrientation(cinfo);
  const bool swapped = SwapsSides(orientation);
  fullSize.Width = int32_t(swapped ? cinfo.image_height : cinfo.image_width);
  fullSize.Height = int32_t(swapped ? cinfo.image_width : cinfo.image_height);
  if (minSize.Width > 0 && minSize.Height > 0) {
    ChooseScale(cinfo, uint32_t(swapped ? minSize.Height : minSize.Width),
                uint32_t(swapped ? minSize.Width : minSize.Height));
  }
  // Checked before the decoder allocates anything for the picture.
  jpeg_calc_output_dimensions(&cinfo);
  if ((uint64_t(cinfo.output_width) * 3 + 3) / 4 * 4 * cinfo.output_height > kMaxImageBytes) {
    jpeg_destroy_decompress(&cinfo);
    if (reason) *reason = "picture too large";
    return JpegStatus::kTooLarge;
  }
  jpeg_start_decompress(&cinfo);
  // Every pixel is written below; zeroing the block first would only cost.
  if (!out.SetSize(int32_t(cinfo.output_width), int32_t(cinfo.output_height), 24,
                   TFastDIB::NewPixels::kOverwritten)) {
    jpeg_destroy_decompress(&cinfo);
    if (reason) *reason = "picture too large";
    return JpegStatus::kTooLarge;
  }
  const bool inverted = cinfo.saw_Adobe_marker;
  if (cmyk) cmykRow.resize(size_t(cinfo.output_width) * 4);
  while (cinfo.output_scanline < cinfo.output_height) {
    uint8_t* row = out.DisplayRow(int32_t(cinfo.output_scanline));
    JSAMPROW target = cmyk ? cmykRow.data() : row;
    jpeg_read_scanlines(&cinfo, &target, 1);
    if (cmyk) CmykToBgr(cmykRow.data(), row, cinfo.output_width, inverted);
  }
  jpeg_finish_decompress(&cinfo);
  jpeg_destroy_decompress(&cinfo);
  return JpegStatus::kOk;
}

// Decodes, turns upright and hands the picture over only when all worked.
JpegStatus Load(const Source& source, TFastDIB& out, std::string* reason, PictureSize minSize,
                PictureSize* fullSize) {
  TFastDIB decoded;
  decoded.UseGDI = out.UseGDI;
  std::vector<uint8_t> cmykRow;
  PictureSize full;
  int orientation = 1;
  const JpegStatus status = Decode(source, decoded, cmykRow, minSize, full, orientation, reason);
  if (status != JpegStatus::kOk) return status;
  if (!TurnUpright(decoded, orientation)) {
    if (reason) *reason = "picture too large";
    return JpegStatus::kTooLarge;
  }
  out.TakeOver(decoded);
  if (fullSize) *fullSize = full;
  return JpegStatus::kOk;
}

}  // namespace

JpegStatus LoadJpeg(const uint8_t* data, size_t size, TFastDIB& out, std::string* reason,
                    PictureSize minSize, PictureSize* fullSize) {
  Source source;
  source.data = data;
  source.size = size;
  return Load(source, out, reason, minSize, fullSize);
}

JpegStatus LoadJpegFile(const std::string& fileName, TFastDIB& out, std::string* reason,
                        PictureSize minSize, PictureSize* fullSize) {
  Source source;
  source.file = std::fopen(fileName.c_str(), "rb");
  if (source.file == nullptr) {
    if (reason) *reason = "cannot read the file";
    return JpegStatus::kCannotOpen;
  }
  const JpegStatus status = Load(source, out, reason, minSize, fullSize);
  std::fclose(source.file);
  return status;
}

}  // namespace imaging
