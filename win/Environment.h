#pragma once
// Environment variables of the process.

#include <string>

namespace win {

// The value, however long; empty when the variable is not set.
std::string EnvironmentValue(const std::string& name);

// "%NAME%" references replaced by their values (ExpandEnvironmentStringsA);
// the text itself when the call fails.
std::string ExpandEnvironment(const std::string& text);

}  // namespace win
