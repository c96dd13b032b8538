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

// On success out is a 24-bit bottom-up bitmap of the picture's size; on
// refusal out is unchanged and reason (when given) says why.
JpegStatus LoadJpeg(const uint8_t* data, size_t size, TFastDIB& out, std::string* reason = nullptr);
JpegStatus LoadJpegFile(const std::string& fileName, TFastDIB& out, std::string* reason = nullptr);

}  // namespace imaging
