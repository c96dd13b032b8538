// libFuzzer target: any bytes as a PE file through BeginResourceUpdate,
// UpdateResourceEntry and EndResourceUpdate, with the rebuilt file read back
// and compared with the source's tree. A crash, a sanitizer report or a
// broken invariant (abort) is a finding.

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "resedit/Checksum.h"
#include "resedit/ResourceReader.h"
#include "resedit/ResourceUpdateState.h"
#include "resedit/Sorcery.h"
#include "resedit/StringBlock.h"

namespace {

std::string WorkDirectory() {
  static const std::string dir = [] {
    const char* base = std::getenv("TMPDIR");
    auto path = std::filesystem::path(base ? base : "/tmp") /
                ("quorlo-resedit-fuzz-" + std::to_string(getpid()));
    std::filesystem::create_directories(path);
    return path.string();
  }();
  return dir;
}

void Require(bool condition, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
  }
}

bool SameIdentity(const resedit::ResourceListing& a, const resedit::ResourceListing& b) {
  auto same = [](const resedit::ResourceId& x, const resedit::ResourceId& y) {
    return x.isText == y.isText && x.number == y.number && x.text == y.text;
  };
  return same(a.type, b.type) && same(a.name, b.name) && same(a.language, b.language) &&
         a.codePage == b.codePage;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace resedit;
  const std::string in = WorkDirectory() + "/in.exe";
  const std::string out = WorkDirectory() + "/out.exe";
  if (std::FILE* file = std::fopen(in.c_str(), "wb")) {
    if (size) std::fwrite(data, 1, size, file);
    std::fclose(file);
  } else {
    return 0;
  }
  std::filesystem::remove(out);

  ResourceFile source;
  ResourceStatus readStatus = source.OpenBytes(ByteSpan(data, size));
  std::vector<ResourceListing> listing = source.List();
  for (const ResourceListing& r : listing) {
    auto bytes = source.Find(r.type, r.name, r.language.number);
    Require(bytes && bytes->size() == r.size, "a listed resource can be found");
    ParseStringBlock(ByteSpan(bytes->data(), bytes->size()));
  }
  PeImageChecksum(ByteSpan(data, size));

  ResourceStatus status = BeginResourceUpdate(in);
  Require(status == readStatus, "Begin and the reader agree");
  if (!ResourceUpdateOpen()) {
    Require(EndResourceUpdate(out) == ResourceStatus::kNoOpenUpdate, "End without an update");
    Require(!std::filesystem::exists(out), "nothing written without an update");
    return 0;
  }
  // Replace the first and the last entry: one grows by a fuzz-chosen
  // amount, the other becomes empty.
  const auto& entries = CurrentResourceUpdate().entries;
  size_t replaced = 0;
  std::vector<uint8_t> bigger(size % 20000 + 1, 0xA5);
  if (!listing.empty()) {
    const ResourceListing& first = listing.front();
    replaced +=
        UpdateResourceEntry(first.type, first.name, first.codePage, bigger.data(), bigger.size());
    const ResourceListing& last = listing.back();
    replaced += UpdateResourceEntry(last.type, last.name, last.codePage, nullptr, 0);
  }
  Require(listing.size() == entries.size(), "Begin and the reader list the same entries");
  Require(listing.empty() || replaced == 2, "listed resources can be replaced");

  status = EndResourceUpdate(out);
  Require((status == ResourceStatus::kSuccess) == std::filesystem::exists(out),
          "a file exists exactly when End succeeded");
  if (status != ResourceStatus::kSuccess) return 0;

  ResourceFile rebuilt;
  Require(rebuilt.Open(out) == ResourceStatus::kSuccess, "the rebuilt file reads again");
  std::vector<ResourceListing> after = rebuilt.List();
  Require(after.size() == listing.size(), "the rebuilt file has every resource");
  for (size_t i = 0; i < after.size(); ++i)
    Require(SameIdentity(after[i], listing[i]), "identifiers and order are kept");
  ComputeImageChecksum(out);
  return 0;
}
