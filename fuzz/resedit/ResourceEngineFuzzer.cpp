// libFuzzer target: any bytes as a PE image through the engine's in-memory
// path (ImageUpdate: open, replace, rebuild), with the rebuilt image read
// back and compared with the source's tree. No file is touched, so the
// fuzzer's time goes into the engine; the file layer over it has its own
// tests. A crash, a sanitizer report or a broken invariant (abort) is a
// finding.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "resedit/Checksum.h"
#include "resedit/ImageUpdate.h"
#include "resedit/ResourceReader.h"
#include "resedit/StringBlock.h"

namespace {

void Require(bool condition, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
  }
}

bool SameId(const resedit::ResourceId& x, const resedit::ResourceId& y) {
  return x.isText == y.isText && x.number == y.number && x.text == y.text;
}

bool SameIdentity(const resedit::ResourceListing& a, const resedit::ResourceListing& b) {
  return SameId(a.type, b.type) && SameId(a.name, b.name) && SameId(a.language, b.language) &&
         a.codePage == b.codePage;
}

// The entry a replacement by type, name and code page reaches.
bool SameTarget(const resedit::ResourceListing& a, const resedit::ResourceListing& b) {
  return SameId(a.type, b.type) && SameId(a.name, b.name) && a.codePage == b.codePage;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace resedit;
  const ByteSpan input(data, size);
  ResourceFile source;
  ResourceStatus readStatus = source.OpenBytes(input);
  std::vector<ResourceListing> listing = source.List();
  for (const ResourceListing& r : listing) {
    auto bytes = source.Find(r.type, r.name, r.language.number);
    Require(bytes && bytes->size() == r.size, "a listed resource can be found");
    ParseStringBlock(ByteSpan(bytes->data(), bytes->size()));
  }
  PeImageChecksum(input);

  ImageUpdate update;
  ResourceStatus status = update.Open(std::vector<uint8_t>(data, data + size));
  Require(status == readStatus, "the update and the reader agree");
  std::vector<uint8_t> rebuilt;
  if (!update.IsOpen()) {
    Require(update.Rebuild(rebuilt) == ResourceStatus::kNoOpenUpdate, "no rebuild without update");
    Require(rebuilt.empty(), "nothing written without an update");
    return 0;
  }
  // Replace the first and the last entry: one grows by a fuzz-chosen
  // amount, the other becomes empty.
  Require(listing.size() == update.State().entries.size(),
          "the update and the reader list the same entries");
  size_t replaced = 0;
  std::vector<uint8_t> bigger(size % 20000 + 1, 0xA5);
  if (!listing.empty()) {
    const ResourceListing& first = listing.front();
    replaced +=
        update.Replace(first.type, first.name, first.codePage, bigger.data(), bigger.size());
    const ResourceListing& last = listing.back();
    replaced += update.Replace(last.type, last.name, last.codePage, nullptr, 0);
  }
  Require(listing.empty() || replaced == 2, "listed resources can be replaced");

  status = update.Rebuild(rebuilt);
  Require((status == ResourceStatus::kSuccess) == !rebuilt.empty(),
          "an image comes out exactly when the rebuild succeeded");
  Require(!update.IsOpen(), "a rebuild closes the update");
  if (status != ResourceStatus::kSuccess) return 0;

  ResourceFile reread;
  Require(reread.OpenBytes(ByteSpan(rebuilt.data(), rebuilt.size())) == ResourceStatus::kSuccess,
          "the rebuilt image reads again");
  std::vector<ResourceListing> after = reread.List();
  Require(after.size() == listing.size(), "the rebuilt image has every resource");
  for (size_t i = 0; i < after.size(); ++i)
    Require(SameIdentity(after[i], listing[i]), "identifiers and order are kept");
  if (after.size() >= 2 && !SameTarget(listing.front(), listing.back())) {
    auto grown = reread.Find(after.front().type, after.front().name, after.front().language.number);
    Require(grown && *grown == bigger, "the replaced data comes back");
  }
  PeImageChecksum(ByteSpan(rebuilt.data(), rebuilt.size()));
  return 0;
}
