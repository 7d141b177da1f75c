#pragma once
// Byte strings and bounds-checked little-endian reads over untrusted data.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace base {

using Bytes = std::vector<std::uint8_t>;
using ByteView = std::span<const std::uint8_t>;

// The part [offset, offset + size) of data, or an empty view with ok == false
// when that range does not lie wholly inside data.
struct Slice {
  ByteView view;
  bool ok = false;
};

inline Slice slice(ByteView data, std::uint64_t offset, std::uint64_t size) {
  if (offset > data.size() || size > data.size() - offset) return {};
  return {data.subspan(static_cast<std::size_t>(offset), static_cast<std::size_t>(size)), true};
}

// Reads little-endian integers at absolute offsets. A read outside the data
// yields 0 and makes ok() false for good, so a parser can read a whole
// structure and check once.
class ByteReader {
 public:
  explicit ByteReader(ByteView data) : data_(data) {}

  std::uint8_t u8(std::uint64_t offset) { return static_cast<std::uint8_t>(read(offset, 1)); }
  std::uint16_t u16(std::uint64_t offset) { return static_cast<std::uint16_t>(read(offset, 2)); }
  std::uint32_t u32(std::uint64_t offset) { return static_cast<std::uint32_t>(read(offset, 4)); }
  std::int32_t i32(std::uint64_t offset) { return static_cast<std::int32_t>(u32(offset)); }

  bool has(std::uint64_t offset, std::uint64_t size) const { return slice(data_, offset, size).ok; }
  bool ok() const { return ok_; }
  ByteView data() const { return data_; }

 private:
  std::uint64_t read(std::uint64_t offset, unsigned size) {
    Slice s = slice(data_, offset, size);
    if (!s.ok) {
      ok_ = false;
      return 0;
    }
    std::uint64_t value = 0;
    for (unsigned i = size; i-- > 0;) value = (value << 8) | s.view[i];
    return value;
  }

  ByteView data_;
  bool ok_ = true;
};

inline void putU16(Bytes& out, std::uint16_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}

inline void putU32(Bytes& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

}  // namespace base
