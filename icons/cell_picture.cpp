#include "icons/cell_picture.h"

#include "icons/decode_dib.h"
#include "icons/fit_to_cell.h"
#include "icons/pick_image.h"
#include "icons/png_codec.h"
#include "icons/png_header.h"

namespace icons {

std::optional<ArgbImage> decodeIconImage(base::ByteView image) {
  return hasPngSignature(image) ? decodePng(image) : decodeDib(image);
}

std::optional<CellImage> cellPicture(std::span<const base::ByteView> images, int cellWidth, int cellHeight) {
  if (cellWidth <= 0 || cellHeight <= 0) return std::nullopt;
  auto chosen = pickImage(images, cellWidth, cellHeight);
  if (!chosen) return std::nullopt;
  auto picture = decodeIconImage(images[*chosen]);
  if (!picture) return std::nullopt;
  return fitToCell(*picture, cellWidth, cellHeight);
}

}  // namespace icons
