#include "tests/robot/ImageFiles.h"

#include <array>
#include <cstdio>

namespace robot {

namespace {

void Put32be(std::vector<uint8_t>& out, uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(uint8_t(v >> shift));
}

void Put16le(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(uint8_t(v));
  out.push_back(uint8_t(v >> 8));
}

void Put32le(std::vector<uint8_t>& out, uint32_t v) {
  Put16le(out, v & 0xFFFF);
  Put16le(out, v >> 16);
}

uint32_t Crc32(const uint8_t* data, size_t size) {
  static const std::array<uint32_t, 256> table = [] {
    std::array<uint32_t, 256> t{};
    for (uint32_t n = 0; n < 256; ++n) {
      uint32_t c = n;
      for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      t[n] = c;
    }
    return t;
  }();
  uint32_t c = 0xFFFFFFFFu;
  for (size_t i = 0; i < size; ++i) c = table[(c ^ data[i]) & 0xFF] ^ (c >> 8);
  return c ^ 0xFFFFFFFFu;
}

void PutChunk(std::vector<uint8_t>& out, const char* type, const std::vector<uint8_t>& data) {
  Put32be(out, uint32_t(data.size()));
  const size_t start = out.size();
  out.insert(out.end(), type, type + 4);
  out.insert(out.end(), data.begin(), data.end());
  Put32be(out, Crc32(out.data() + start, out.size() - start));
}

}  // namespace

std::vector<uint8_t> EncodePng(int width, int height, const std::vector<uint32_t>& pixels) {
  std::vector<uint8_t> raw;
  raw.reserve(size_t(height) * (size_t(width) * 3 + 1));
  for (int y = 0; y < height; ++y) {
    raw.push_back(0);  // no filter
    for (int x = 0; x < width; ++x) {
      const uint32_t p = pixels[size_t(y) * width + x];
      raw.push_back(uint8_t(p >> 16));
      raw.push_back(uint8_t(p >> 8));
      raw.push_back(uint8_t(p));
    }
  }
  // zlib stream of stored blocks (at most 65535 bytes each) and an Adler-32.
  std::vector<uint8_t> z{0x78, 0x01};
  size_t pos = 0;
  do {
    const size_t block = std::min<size_t>(65535, raw.size() - pos);
    const bool last = pos + block == raw.size();
    z.push_back(last ? 1 : 0);
    Put16le(z, uint32_t(block));
    Put16le(z, uint32_t(~block & 0xFFFF));
    z.insert(z.end(), raw.begin() + pos, raw.begin() + pos + block);
    pos += block;
  } while (pos < raw.size());
  uint32_t a = 1, b = 0;
  for (uint8_t v : raw) {
    a = (a + v) % 65521;
    b = (b + a) % 65521;
  }
  Put32be(z, (b << 16) | a);

  std::vector<uint8_t> png{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  std::vector<uint8_t> header;
  Put32be(header, uint32_t(width));
  Put32be(header, uint32_t(height));
  header.insert(header.end(), {8, 2, 0, 0, 0});  // 8-bit RGB
  PutChunk(png, "IHDR", header);
  PutChunk(png, "IDAT", z);
  PutChunk(png, "IEND", {});
  return png;
}

std::vector<uint8_t> EncodeBmp(int width, int height, const std::vector<uint32_t>& pixels) {
  const uint32_t rowBytes = (uint32_t(width) * 3 + 3) & ~3u;
  const uint32_t imageBytes = rowBytes * uint32_t(height);
  std::vector<uint8_t> bmp{'B', 'M'};
  Put32le(bmp, 54 + imageBytes);
  Put32le(bmp, 0);
  Put32le(bmp, 54);
  Put32le(bmp, 40);
  Put32le(bmp, uint32_t(width));
  Put32le(bmp, uint32_t(height));
  Put16le(bmp, 1);
  Put16le(bmp, 24);
  for (int i = 0; i < 6; ++i) Put32le(bmp, i == 1 ? imageBytes : 0);
  for (int y = height - 1; y >= 0; --y) {
    for (int x = 0; x < width; ++x) {
      const uint32_t p = pixels[size_t(y) * width + x];
      bmp.push_back(uint8_t(p));
      bmp.push_back(uint8_t(p >> 8));
      bmp.push_back(uint8_t(p >> 16));
    }
    for (uint32_t pad = uint32_t(width) * 3; pad < rowBytes; ++pad) bmp.push_back(0);
  }
  return bmp;
}

bool WriteImageFile(const std::string& path, const std::vector<uint8_t>& bytes) {
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  return std::fclose(f) == 0 && written;
}

}  // namespace robot
