#pragma once
// A decoded picture at its own size: 0xAARRGGBB pixels, straight alpha, top row first.

#include <cstdint>
#include <vector>

namespace icons {

// No icon image is larger; anything beyond is refused before its pixels are allocated.
constexpr int kMaxImageSide = 1024;

struct ArgbImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> argb;  // width x height
};

constexpr std::uint8_t alphaOf(std::uint32_t argb) { return static_cast<std::uint8_t>(argb >> 24); }
constexpr std::uint32_t makeArgb(std::uint32_t a, std::uint32_t r, std::uint32_t g, std::uint32_t b) {
  return a << 24 | r << 16 | g << 8 | b;
}

}  // namespace icons
