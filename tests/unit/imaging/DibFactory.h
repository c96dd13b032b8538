#pragma once
// Small pictures for the imaging tests, made from tables.

#include <cstdint>
#include <string>
#include <vector>

#include "imaging/FastDIB.h"

namespace imaging::test {

// A 24-bit picture from top-down 0xRRGGBB values.
void Make24(TFastDIB& dib, int32_t width, int32_t height, const std::vector<uint32_t>& topDown);
// 0xRRGGBB of the displayed pixel (x, y) of a 24- or 32-bit picture.
uint32_t PixelAt(const TFastDIB& dib, int32_t x, int32_t y);
// The colour shown at (x, y) of a picture of any depth.
uint32_t ShownAt(const TFastDIB& dib, int32_t x, int32_t y);
// Little-endian helpers for building files by hand.
void Put16(std::vector<uint8_t>& out, uint32_t value);
void Put32(std::vector<uint8_t>& out, uint32_t value);
std::string TempPath(const std::string& name);
std::string Hex(uint32_t value);

}  // namespace imaging::test
