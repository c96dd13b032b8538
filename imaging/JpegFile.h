#pragma once
// JPEG pictures through libjpeg (libjpeg-turbo), decoded to 24 bits. The
// library's own error handler ends the process; ours turns every error, and
// a file that ends early, into a refusal.

#include <cstddef>
#include <cstdint>
#include <string>

#include "imaging/FastDIB.h"

namespace imaging {

enum class JpegStatus { kOk, kCannotOpen, kDamaged, kTooLarge };

// On success out is a 24-bit bottom-up bitmap of the picture, turned upright
// by its EXIF orientation; fullSize (when given) receives the upright
// picture's size. On refusal out is unchanged and reason (when given) says
// why.
//
// minSize is for a picture that will only be shown smaller: the size,
// upright, that the decoded picture must keep at least. libjpeg then decodes
// at the largest DCT scale (1/2, 1/4, 1/8) that leaves both sides at least
// this large, which costs a fraction of a full decode and averages the
// pixels it drops; out is then smaller than fullSize. Zero sides ask for the
// full size.
JpegStatus LoadJpeg(const uint8_t* data, size_t size, TFastDIB& out, std::string* reason = nullptr,
                    PictureSize minSize = {}, PictureSize* fullSize = nullptr);
JpegStatus LoadJpegFile(const std::string& fileName, TFastDIB& out, std::string* reason = nullptr,
                        PictureSize minSize = {}, PictureSize* fullSize = nullptr);

}  // namespace imaging
