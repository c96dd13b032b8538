#include "icons/IconCache.h"

#include <cstdint>
#include <string>
#include <utility>

#include "icons/DecimalText.h"

namespace icons {

namespace {

IconWriteResult Failure(std::string message) {
  IconWriteResult result;
  result.ok = false;
  result.message = std::move(message);
  return result;
}

}  // namespace

IconWriteResult RebuildIconCache(RegistryStore& registry, int largeIconWidth,
                                 const std::function<void()>& broadcast) {
  const StoredText stored =
      ReadStoredText(registry, RegistryRoot::CurrentUser, kWindowMetricsKey, kShellIconSizeValue);
  if (stored.state == StoredText::State::OtherType) {
    return Failure(std::string("Invalid data type for '") + kShellIconSizeValue + "'");
  }
  const std::string size =
      stored.state == StoredText::State::Text ? stored.text : std::to_string(largeIconWidth);
  int32_t number = 0;
  if (!ReadSignedDecimal(size, &number)) {
    return Failure("'" + size + "' is not a valid integer value");
  }

  const auto write = [&registry](const std::string& text) {
    return WriteStoredText(registry, RegistryRoot::CurrentUser, kWindowMetricsKey,
                           kShellIconSizeValue, text);
  };
  const std::string refused = FailedToSetDataMessage(kShellIconSizeValue);
  // Widened: the smallest 32-bit number less one still has a text.
  if (!write(std::to_string(int64_t(number) - 1))) return Failure(refused);
  if (broadcast) broadcast();
  if (!write(size)) return Failure(refused);
  if (broadcast) broadcast();
  return IconWriteResult();
}

}  // namespace icons
