#pragma once
// Shared pieces of the logos tests: files as bytes, and a fresh folder of
// the test's own under the temporary directory.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace logos::test {

using Bytes = std::vector<uint8_t>;

// Empty when the file cannot be read.
Bytes ReadBytes(const std::string& path);
bool WriteBytes(const std::string& path, const Bytes& bytes);

// GetTempDir + name + "\", emptied of files (not of folders) and made anew.
std::string FreshFolder(const std::string& name);

// A folder (not a file) in the way of path; removed again by RemoveDirectoryA.
bool BlockWithFolder(const std::string& path);

// A bottom-up bitmap file of width x height at 4 or 8 bits, with a palette
// and a pattern of its own that follow seed: a 640 x 480, 16-colour one is a
// 2000/XP logo as MakeLogoPicture writes it, a 320 x 400, 256-colour one a
// 9x logo. None of the 16 colours of a 4-bit one is one of XP's boot palette.
Bytes PalettedBitmap(int width, int height, int bitsPerPixel, int seed);

uint32_t Get32(const Bytes& bytes, size_t at);

// Answers the next message box of this process with button and returns
// its caption and text as "caption|text", or "<no message box>".
std::string AnswerMessageBox(int button, unsigned long timeoutMs = 10000);

}  // namespace logos::test
