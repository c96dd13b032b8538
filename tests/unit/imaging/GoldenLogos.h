#pragma once
// The same pictures made on every build: a generated picture through the
// whole logo pipeline to both logo formats, and a JPEG decoded and saved.
// The native tests and the Wine tests compare the bytes' hashes with the
// values stored here, so both builds are shown to give identical pixels.

#include <cstdint>
#include <string>

namespace imaging::test::golden {

// FNV-1a, 64 bits.
uint64_t Hash(const uint8_t* data, size_t size);

// Hash of the 640 x 480, 16-colour logo made (fitted) from the generated
// picture, of the 320 x 400, 256-colour logo (not fitted), and of the
// saved 24-bit bitmap of a JPEG file; 0 when a step failed.
uint64_t SixteenColourLogoHash();
uint64_t TwoHundredFiftySixColourLogoHash();
uint64_t JpegBitmapHash(const std::string& jpegFile);

constexpr uint64_t kSixteenColourLogo = 0xF20D0B514569990Bull;
constexpr uint64_t kTwoHundredFiftySixColourLogo = 0x9BF9AD1E1C8613E0ull;
constexpr uint64_t kJpegBitmap = 0x02D4ACB863EA21F3ull;

}  // namespace imaging::test::golden
