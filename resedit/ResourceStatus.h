#pragma once

#include "core/FileIo.h"

namespace resedit {

// Outcome of BeginResourceUpdate and EndResourceUpdate. Callers test for
// kSuccess; the other values say why a file was refused. Value 4 is unused.
enum class ResourceStatus : int {
  kSuccess = 0,
  kExtensionNotAccepted = 1,  // not ".EXE"/".DLL", or End's extension differs from Begin's
  kFileNotAccessible = 2,     // Begin: missing or unreadable; End: output cannot be created
  kNotPeImage = 3,            // no "MZ", or no "PE\0\0" at e_lfanew
  kShortRead = 5,             // the file could not be read in full
  kNoOpenUpdate = 6,          // End without an open update
  kMalformedImage = 7,        // a header, the section table or the resource tree fails a check
  kUnsupportedImage = 8,      // a valid image the engine must not rewrite (see ResourceUpdate.h)
  kWriteFailed = 9,           // the output could not be written completely; no file was left
};

const char* DescribeResourceStatus(ResourceStatus status);

// What a failed read of the whole image means to the engine's callers; a file
// over the engine's size limit is a valid image it will not take.
ResourceStatus StatusOfImageRead(core::ReadResult result);

}  // namespace resedit
