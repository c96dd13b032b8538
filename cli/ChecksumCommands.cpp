#include <cstdio>
#include <vector>

#include "cli/Arguments.h"
#include "cli/Command.h"
#include "core/FileIo.h"
#include "resedit/Checksum.h"

namespace cli {

int RunChecksum(const Arguments& arguments) {
  bool write = arguments.size() == 2 && arguments[1] == "--write";
  if (arguments.size() != 1 && !write) return UsageError("checksum FILE [--write]");
  const std::string& path = arguments[0];
  std::vector<uint8_t> bytes;
  if (core::ReadWholeFile(path, 0xFFFFFFFFu, bytes) != core::ReadResult::kOk)
    return Fail(path + ": cannot be read");
  auto field = resedit::ChecksumFieldOffset(resedit::ByteSpan(bytes.data(), bytes.size()));
  if (!field) return Fail(path + ": not a PE image");
  uint32_t stored = *resedit::ByteSpan(bytes.data(), bytes.size()).U32(*field);
  uint32_t computed = resedit::ComputeImageChecksum(path);
  std::printf("stored 0x%08X computed 0x%08X\n", stored, computed);
  if (write && !resedit::WriteImageChecksum(path, computed))
    return Fail(path + ": the checksum could not be written");
  return kExitOk;
}

}  // namespace cli
