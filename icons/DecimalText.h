#pragma once
// Whole numbers as the registry holds them in text.

#include <cstdint>
#include <string>

namespace icons {

// An optional sign and decimal digits, the whole text, within 32 bits.
bool ReadSignedDecimal(const std::string& text, int32_t* value);

}  // namespace icons
