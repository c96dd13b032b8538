#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "resedit/ResourceId.h"

namespace cli {

// A decimal number below 0x80000000 is a numeric identifier; anything else
// is a text name.
resedit::ResourceId ParseResourceId(const std::string& text);

// A decimal number that fits in 32 bits.
std::optional<uint32_t> ParseNumber(const std::string& text);

// "123" or "\"NAME\"": how identifiers are printed.
std::string FormatResourceId(const resedit::ResourceId& id);

int UsageError(const char* usage);

}  // namespace cli
