#pragma once
// What a write sequence did, told in the words the user is to read: the
// logic decides and words, the window shows. Portable.

#include <string>
#include <utility>

namespace core {

struct Outcome {
  bool ok = true;
  // The whole message for the user when the sequence failed; empty when it succeeded.
  std::string message;

  static Outcome Success() { return Outcome{}; }
  static Outcome Failure(std::string message) { return Outcome{false, std::move(message)}; }
};

}  // namespace core
