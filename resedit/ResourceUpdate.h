#pragma once

// The resource engine: opens a PE32 file, replaces the data of existing
// resources and writes the whole file again with a rebuilt resource
// section. One update at a time, from one thread.
//
// How files are refused (ResourceStatus):
// - kExtensionNotAccepted: the name does not end in ".EXE"/".DLL" (any case);
//   End: the output's extension differs from the source's.
// - kFileNotAccessible: Begin: missing, not a regular file or unreadable;
//   End: the output (or its temporary file beside it) cannot be created.
// - kNotPeImage: no "MZ" at 0, e_lfanew outside the file, no "PE\0\0" there.
// - kShortRead: fewer bytes arrived than the file's size.
// - kMalformedImage: file header, the PE32 part of the optional header or the
//   data directories it announces cut short; the section table past the
//   headers or the file; more than 96 sections; SizeOfHeaders past the file;
//   a section's raw data starting at 0 or ending past the file by more than
//   the FileAlignment rounding; data directory 2 not at the ".rsrc" section;
//   a resource tree that fails a check of ReadResourceTree (ResourceTree.h):
//   structures outside the section, loops and shared subtrees, an id twice
//   in one directory, not exactly three levels, data outside the section.
// - kUnsupportedImage: a PE32+ image; FileAlignment or SectionAlignment 0 or
//   above 0xFFFF; two ".rsrc" sections; files of 2 GiB and more; End: the
//   rebuilt section would move a section after it that is not discardable or
//   holds a data directory other than base relocations and debug (see
//   ImageRebuild.h), or a size would no longer fit in 32 bits.
// - kWriteFailed: End: a write, flush or close failed; the partial output is
//   removed and an existing file of that name is left untouched.
// Every refusal leaves the update closed and writes nothing.
//
// These functions read and write files around one ImageUpdate
// (ImageUpdate.h), which does the work over bytes in memory.

#include <cstdint>
#include <string>
#include <vector>

#include "resedit/ResourceId.h"
#include "resedit/ResourceStatus.h"

namespace resedit {

// Discards any earlier update and reads fileName whole. kSuccess with an
// open update when the file has a ".rsrc" section; kSuccess without one
// when it is a PE32 file without resources.
ResourceStatus BeginResourceUpdate(const std::string& fileName);

// Replaces the data of the first resource of this type and name whose data
// entry has this code page (the language is not compared). The bytes are
// copied. False when no update is open (which also releases all state), a
// text identifier is not among the file's names, nothing matches, or the
// data is larger than a resource can be.
bool UpdateResourceEntry(const ResourceId& type, const ResourceId& name, uint32_t codePage,
                         const uint8_t* data, size_t size);

// Writes the rebuilt image to fileName through a temporary file beside it;
// fileName may be the source itself. Closes the update whatever happens.
ResourceStatus EndResourceUpdate(const std::string& fileName);

// True while an update is open.
bool ResourceUpdateOpen();

// The file half of BeginResourceUpdate, for callers that hold their own
// ImageUpdate: the extension check and the whole-file read, with the same
// statuses.
ResourceStatus ReadImageFile(const std::string& fileName, std::vector<uint8_t>& image);
// True when both names end in the same extension (any case), as
// EndResourceUpdate requires of its output.
bool SameExtension(const std::string& a, const std::string& b);

}  // namespace resedit
