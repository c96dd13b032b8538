#pragma once
// The replacement Windows 95, 98 and Millennium get, which have no
// MoveFileEx. Declared on its own so that tests on the NT family, where
// ReplaceFileWith never takes this road, can check it.

#include <string>

namespace core::platform {

// Moves an existing to aside (to + kAsideSuffix), moves from in, and puts the
// old file back when that fails. Not one step: after a crash between the
// two moves, the old file is found under the aside name.
bool ReplaceByMovingAside(const std::string& from, const std::string& to);

inline constexpr const char* kAsideSuffix = ".quorlo-old";

}  // namespace core::platform
