// PNG through libpng's simplified API, which keeps its error handling
// (setjmp/longjmp) inside the library and reports failure by result.
#include <png.h>

#include "icons/png_codec.h"

namespace icons {

namespace {

// Frees libpng's state on every path out.
struct PngImage {
  png_image image{};
  PngImage() { image.version = PNG_IMAGE_VERSION; }
  PngImage(const PngImage&) = delete;
  PngImage& operator=(const PngImage&) = delete;
  ~PngImage() { png_image_free(&image); }
};

}  // namespace

std::optional<ArgbImage> decodePng(base::ByteView png) {
  PngImage reader;
  if (!png_image_begin_read_from_memory(&reader.image, png.data(), png.size())) return std::nullopt;
  if (!plausiblePngSize(reader.image.width, reader.image.height, png.size())) return std::nullopt;
  reader.image.format = PNG_FORMAT_RGBA;
  const int width = static_cast<int>(reader.image.width), height = static_cast<int>(reader.image.height);
  std::vector<std::uint8_t> rgba(static_cast<std::size_t>(width) * height * 4);
  if (!png_image_finish_read(&reader.image, nullptr, rgba.data(), 0, nullptr)) return std::nullopt;

  ArgbImage out{width, height, std::vector<std::uint32_t>(static_cast<std::size_t>(width) * height)};
  for (std::size_t i = 0; i < out.argb.size(); ++i)
    out.argb[i] = makeArgb(rgba[4 * i + 3], rgba[4 * i], rgba[4 * i + 1], rgba[4 * i + 2]);
  return out;
}

base::Bytes encodePng(const ArgbImage& image) {
  if (image.width <= 0 || image.height <= 0 || image.width > kMaxImageSide || image.height > kMaxImageSide ||
      image.argb.size() != static_cast<std::size_t>(image.width) * image.height)
    return {};
  std::vector<std::uint8_t> rgba;
  rgba.reserve(image.argb.size() * 4);
  for (std::uint32_t pixel : image.argb)
    rgba.insert(rgba.end(), {static_cast<std::uint8_t>(pixel >> 16), static_cast<std::uint8_t>(pixel >> 8),
                             static_cast<std::uint8_t>(pixel), alphaOf(pixel)});

  PngImage writer;
  writer.image.width = static_cast<png_uint_32>(image.width);
  writer.image.height = static_cast<png_uint_32>(image.height);
  writer.image.format = PNG_FORMAT_RGBA;
  png_alloc_size_t size = 0;
  if (!png_image_write_get_memory_size(writer.image, size, 0, rgba.data(), 0, nullptr)) return {};
  base::Bytes out(size);
  if (!png_image_write_to_memory(&writer.image, out.data(), &size, 0, rgba.data(), 0, nullptr)) return {};
  out.resize(size);
  return out;
}

}  // namespace icons
