#pragma once
// Encoders for screenshots: PNG (stored deflate blocks, no compression
// library needed) and 24-bit BMP, from 0x00RRGGBB top-down pixels.

#include <cstdint>
#include <string>
#include <vector>

namespace robot {

std::vector<uint8_t> EncodePng(int width, int height, const std::vector<uint32_t>& pixels);
std::vector<uint8_t> EncodeBmp(int width, int height, const std::vector<uint32_t>& pixels);
bool WriteImageFile(const std::string& path, const std::vector<uint8_t>& bytes);

}  // namespace robot
