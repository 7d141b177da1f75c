#pragma once
// The ordered pictures of the loaded file's icons, one cell-size picture per
// icon (32-bit colour plus a 1-bit mask), addressed by image index from 0.
//
// A value: copying is cheap and copies are independent. Images live in an
// append-only store shared by copies; each value sees only its own first
// imageCount() images, so appending to one value never changes another, and
// a load of N icons costs linear work. encode()/decode() give the whole list
// as one versioned byte string; bytes that do not decode are the empty value.

#include <cstdint>
#include <memory>
#include <vector>

#include "base/bytes.h"

namespace icons {

struct CellImage {
  std::vector<std::uint32_t> argb;  // cellWidth x cellHeight, top row first, 0xAARRGGBB, straight alpha
  std::vector<std::uint8_t> mask;   // one per pixel: 1 transparent, 0 opaque
  bool operator==(const CellImage&) const = default;
};

class IconImageList {
 public:
  IconImageList() = default;  // the empty value: "no list"

  bool isEmpty() const { return !store_; }
  int cellWidth() const;
  int cellHeight() const;
  int imageCount() const { return count_; }
  // Precondition: 0 <= index < imageCount().
  const CellImage& image(int index) const;

  // Appends a picture of exactly the cell size; returns its index, or -1 for
  // the empty value or a picture of another size.
  int append(CellImage image);

  // True when `earlier`'s images are the first images of this list, because
  // this list grew from it; lets a view add only what is new.
  bool extends(const IconImageList& earlier) const;

  base::Bytes encode() const;  // empty bytes for the empty value
  static IconImageList decode(base::ByteView bytes);
  bool operator==(const IconImageList& other) const;

  static IconImageList create(int cellWidth, int cellHeight);

 private:
  struct Store;
  std::shared_ptr<Store> store_;
  int count_ = 0;
};

// A new list with no images and cells of width x height pixels; the empty
// value when the size cannot be held.
IconImageList createIconImageList(int width, int height);

}  // namespace icons
