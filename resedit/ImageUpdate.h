#pragma once
// The resource engine over bytes in memory: a PE32 image in, the rebuilt
// image out, no file touched. The program's file functions
// (ResourceUpdate.h) are a thin layer over one such update; tools, tests and
// the fuzzer hold their own. Refuses images exactly as ResourceUpdate.h
// lists, except for the file-name and file-access checks, which belong to
// the file layer.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "resedit/ResourceId.h"
#include "resedit/ResourceStatus.h"
#include "resedit/ResourceUpdateState.h"

namespace resedit {

class ImageUpdate {
 public:
  // Takes the image and reads its tables. kSuccess and IsOpen() when the
  // image has a ".rsrc" section; kSuccess and not open for a PE32 image
  // without one; any other status leaves the update closed.
  ResourceStatus Open(std::vector<uint8_t> image);

  bool IsOpen() const { return state_.updateOpen; }

  // UpdateResourceEntry's rules: the first resource of this type and name
  // whose data entry has this code page. The bytes are copied. False when
  // the update is not open, a text identifier is not among the image's
  // names, nothing matches or the data is larger than a resource can be.
  bool Replace(const ResourceId& type, const ResourceId& name, uint32_t codePage,
               const uint8_t* data, size_t size);

  // Plans the new image and writes it whole into out (sized once, up front).
  // Closes the update whatever happens; out is left empty on a refusal.
  ResourceStatus Rebuild(std::vector<uint8_t>& out);

  // The tables read by Open, for inspection.
  const ResourceUpdateState& State() const { return state_; }

 private:
  ResourceUpdateState state_;
};

}  // namespace resedit
