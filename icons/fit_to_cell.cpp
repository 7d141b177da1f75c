#include "icons/fit_to_cell.h"

#include <algorithm>

namespace icons {

namespace {

// How much of source pixel `source` lies under cell pixel `cell`, when a row
// of `sourceSize` pixels is spread over `cellSize` cells. Both are measured
// in units of 1/(sourceSize * cellSize), so source pixel j spans
// [j * cellSize, (j + 1) * cellSize) and cell i spans [i * sourceSize, (i + 1) * sourceSize).
struct Span {
  int first = 0;  // first source pixel under the cell
  int last = 0;   // last one
};

Span sourceSpan(int cell, int sourceSize, int cellSize) {
  std::int64_t begin = std::int64_t{cell} * sourceSize, end = begin + sourceSize;
  return {static_cast<int>(begin / cellSize), static_cast<int>((end - 1) / cellSize)};
}

std::int64_t overlap(int source, int cell, int sourceSize, int cellSize) {
  std::int64_t begin = std::max(std::int64_t{source} * cellSize, std::int64_t{cell} * sourceSize);
  std::int64_t end = std::min(std::int64_t{source + 1} * cellSize, std::int64_t{cell + 1} * sourceSize);
  return std::max<std::int64_t>(0, end - begin);
}

struct Sums {
  std::uint64_t alpha = 0;                     // alpha weighted by area
  std::uint64_t red = 0, green = 0, blue = 0;  // colours weighted by area and alpha

  void add(std::uint32_t pixel, std::uint64_t area) {
    std::uint64_t weight = area * alphaOf(pixel);
    alpha += weight;
    red += weight * (pixel >> 16 & 0xFF);
    green += weight * (pixel >> 8 & 0xFF);
    blue += weight * (pixel & 0xFF);
  }

  std::uint32_t mean(std::uint64_t cellArea) const {
    if (alpha == 0) return 0;
    auto colour = [&](std::uint64_t sum) { return static_cast<std::uint32_t>((sum + alpha / 2) / alpha); };
    auto meanAlpha = static_cast<std::uint32_t>((alpha + cellArea / 2) / cellArea);
    return makeArgb(meanAlpha, colour(red), colour(green), colour(blue));
  }
};

}  // namespace

CellImage fitToCell(const ArgbImage& picture, int cellWidth, int cellHeight) {
  const std::size_t cells = static_cast<std::size_t>(cellWidth) * cellHeight;
  CellImage out{std::vector<std::uint32_t>(cells), std::vector<std::uint8_t>(cells)};
  // Every cell pixel covers picture.width * picture.height units of area.
  const std::uint64_t cellArea = static_cast<std::uint64_t>(picture.width) * picture.height;
  for (int cy = 0; cy < cellHeight; ++cy) {
    Span rows = sourceSpan(cy, picture.height, cellHeight);
    for (int cx = 0; cx < cellWidth; ++cx) {
      Span columns = sourceSpan(cx, picture.width, cellWidth);
      Sums sums;
      for (int y = rows.first; y <= rows.last; ++y) {
        std::int64_t height = overlap(y, cy, picture.height, cellHeight);
        for (int x = columns.first; x <= columns.last; ++x) {
          std::int64_t area = height * overlap(x, cx, picture.width, cellWidth);
          sums.add(picture.argb[static_cast<std::size_t>(y) * picture.width + x], static_cast<std::uint64_t>(area));
        }
      }
      std::size_t at = static_cast<std::size_t>(cy) * cellWidth + cx;
      out.argb[at] = sums.mean(cellArea);
      out.mask[at] = alphaOf(out.argb[at]) < 128 ? 1 : 0;
    }
  }
  return out;
}

}  // namespace icons
