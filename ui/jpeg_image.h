// Decodes a JPEG held in memory into a 24-bit bottom-up DIB.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace zemu {

struct DibImage {
  BITMAPINFO info{};
  std::vector<std::uint8_t> bits;  // rows padded to 4 bytes, blue-green-red
  int width() const { return info.bmiHeader.biWidth; }
  int height() const { return info.bmiHeader.biHeight; }
};

// False, with `image` untouched, when the bytes are no decodable JPEG.
bool DecodeJpeg(const void* data, std::size_t size, DibImage* image);

}  // namespace zemu
