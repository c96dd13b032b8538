#include <cstdio>
#include <vector>

#include "cli/Arguments.h"
#include "cli/Command.h"
#include "core/FileIo.h"
#include "resedit/Checksum.h"
#include "resedit/ImageUpdate.h"
#include "resedit/ResourceReader.h"
#include "resedit/ResourceUpdate.h"
#include "resedit/StringBlock.h"

namespace cli {

namespace {

constexpr uint64_t kMaxDataFile = 0x7FFFFFFF;

int OpenOrFail(resedit::ResourceFile& file, const std::string& path) {
  resedit::ResourceStatus status = file.Open(path);
  if (status == resedit::ResourceStatus::kSuccess) return kExitOk;
  return Fail(path + ": " + resedit::DescribeResourceStatus(status));
}

bool WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
  return core::WriteFileReplacing(path, bytes) == core::WriteResult::kOk;
}

}  // namespace

int RunResources(const Arguments& arguments) {
  if (arguments.size() != 1) return UsageError("resources FILE");
  resedit::ResourceFile file;
  if (int failed = OpenOrFail(file, arguments[0])) return failed;
  for (const resedit::ResourceListing& r : file.List()) {
    std::printf("%s\t%s\t%s\t%u\t%u\n", FormatResourceId(r.type).c_str(),
                FormatResourceId(r.name).c_str(), FormatResourceId(r.language).c_str(), r.codePage,
                r.size);
  }
  return kExitOk;
}

int RunExtract(const Arguments& arguments) {
  if (arguments.size() != 4) return UsageError("extract FILE TYPE NAME OUT");
  resedit::ResourceFile file;
  if (int failed = OpenOrFail(file, arguments[0])) return failed;
  auto data = file.Find(ParseResourceId(arguments[1]), ParseResourceId(arguments[2]));
  if (!data)
    return Fail(arguments[0] + ": no resource of type " + arguments[1] + " named " + arguments[2]);
  if (!WriteBytes(arguments[3], *data)) return Fail(arguments[3] + ": cannot be written");
  return kExitOk;
}

int RunReplace(const Arguments& arguments) {
  const char* usage = "replace IN OUT TYPE NAME DATAFILE [--checksum]";
  bool checksum = arguments.size() == 6 && arguments[5] == "--checksum";
  if (arguments.size() != 5 && !checksum) return UsageError(usage);
  const std::string& in = arguments[0];
  const std::string& out = arguments[1];
  std::vector<uint8_t> data;
  if (core::ReadWholeFile(arguments[4], kMaxDataFile, data) != core::ReadResult::kOk)
    return Fail(arguments[4] + ": cannot be read");
  std::vector<uint8_t> image;
  resedit::ResourceStatus status = resedit::ReadImageFile(in, image);
  if (status != resedit::ResourceStatus::kSuccess)
    return Fail(in + ": " + resedit::DescribeResourceStatus(status));
  if (!resedit::SameExtension(in, out)) {
    return Fail(out + ": " +
                resedit::DescribeResourceStatus(resedit::ResourceStatus::kExtensionNotAccepted));
  }
  // The whole edit happens in memory; the output is written once, with its
  // checksum when asked for.
  resedit::ImageUpdate update;
  status = update.Open(std::move(image));
  if (status != resedit::ResourceStatus::kSuccess)
    return Fail(in + ": " + resedit::DescribeResourceStatus(status));
  if (!update.IsOpen()) return Fail(in + ": the file has no resource section");
  // The code page of the resource's data entry must match; try the usual
  // value 0 first, then whatever code page the resource has.
  resedit::ResourceId type = ParseResourceId(arguments[2]);
  resedit::ResourceId name = ParseResourceId(arguments[3]);
  bool replaced = update.Replace(type, name, 0, data.data(), data.size());
  std::vector<uint32_t> codePages;
  for (const resedit::ResourceEntry& entry : update.State().entries)
    codePages.push_back(entry.codePage);
  for (uint32_t codePage : codePages) {
    if (replaced) break;
    replaced = update.Replace(type, name, codePage, data.data(), data.size());
  }
  if (!replaced) {
    return Fail(in + ": no resource of type " + arguments[2] + " named " + arguments[3]);
  }
  std::vector<uint8_t> rebuilt;
  status = update.Rebuild(rebuilt);
  if (status != resedit::ResourceStatus::kSuccess)
    return Fail(out + ": " + resedit::DescribeResourceStatus(status));
  if (checksum && !resedit::StoreImageChecksum(rebuilt))
    return Fail(out + ": the checksum could not be written");
  switch (core::WriteFileReplacing(out, rebuilt)) {
    case core::WriteResult::kOk:
      return kExitOk;
    case core::WriteResult::kCannotCreate:
      status = resedit::ResourceStatus::kFileNotAccessible;
      break;
    case core::WriteResult::kWriteFailed:
      status = resedit::ResourceStatus::kWriteFailed;
      break;
  }
  return Fail(out + ": " + resedit::DescribeResourceStatus(status));
}

int RunStrings(const Arguments& arguments) {
  if (arguments.size() != 2) return UsageError("strings FILE BLOCK");
  auto block = ParseNumber(arguments[1]);
  if (!block || *block == 0 || *block > 4096) return Fail("BLOCK must be a number from 1 to 4096");
  resedit::ResourceFile file;
  if (int failed = OpenOrFail(file, arguments[0])) return failed;
  auto data = file.Find(resedit::kStringTableType, *block);
  if (!data) return Fail(arguments[0] + ": no string block " + arguments[1]);
  auto strings = resedit::ParseStringBlock(resedit::ByteSpan(data->data(), data->size()));
  if (!strings) return Fail(arguments[0] + ": string block " + arguments[1] + " is cut short");
  for (size_t i = 0; i < strings->size(); ++i) {
    std::printf("%u\t%s\n", (*block - 1) * 16 + static_cast<unsigned>(i),
                resedit::Utf16ToUtf8((*strings)[i]).c_str());
  }
  return kExitOk;
}

}  // namespace cli
