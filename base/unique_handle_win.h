#pragma once
// One move-only owner for every kind of Windows handle; a trait names the
// close function and the invalid value, and each kind is a one-line alias.

#include <windows.h>
#include <commctrl.h>

#include <utility>

namespace base {

template <typename Traits>
class UniqueHandle {
 public:
  using Handle = typename Traits::Handle;

  UniqueHandle() = default;
  explicit UniqueHandle(Handle h) : handle_(h) {}
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  ~UniqueHandle() { reset(); }

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != Traits::invalid(); }
  Handle release() { return std::exchange(handle_, Traits::invalid()); }
  void reset(Handle h = Traits::invalid()) {
    if (handle_ != Traits::invalid()) Traits::close(handle_);
    handle_ = h;
  }

 private:
  Handle handle_ = Traits::invalid();
};

struct FileHandleTraits {
  using Handle = HANDLE;
  static Handle invalid() { return INVALID_HANDLE_VALUE; }
  static void close(Handle h) { ::CloseHandle(h); }
};

struct KernelHandleTraits {
  using Handle = HANDLE;
  static Handle invalid() { return nullptr; }
  static void close(Handle h) { ::CloseHandle(h); }
};

// Traits for handles whose invalid value is null and that one function frees.
template <typename H, auto Close>
struct NullHandleTraits {
  using Handle = H;
  static Handle invalid() { return nullptr; }
  static void close(Handle h) { Close(h); }
};

inline void deleteGdiObject(HGDIOBJ h) { ::DeleteObject(h); }
inline void destroyImageList(HIMAGELIST h) { ::ImageList_Destroy(h); }
inline void freeGlobal(HGLOBAL h) { ::GlobalFree(h); }
inline void deleteDc(HDC h) { ::DeleteDC(h); }
inline void destroyIcon(HICON h) { ::DestroyIcon(h); }

using UniqueFile = UniqueHandle<FileHandleTraits>;
using UniqueKernelHandle = UniqueHandle<KernelHandleTraits>;
using UniqueIcon = UniqueHandle<NullHandleTraits<HICON, destroyIcon>>;
using UniqueBitmap = UniqueHandle<NullHandleTraits<HBITMAP, deleteGdiObject>>;
using UniqueFont = UniqueHandle<NullHandleTraits<HFONT, deleteGdiObject>>;
using UniqueBrush = UniqueHandle<NullHandleTraits<HBRUSH, deleteGdiObject>>;
using UniqueMemoryDc = UniqueHandle<NullHandleTraits<HDC, deleteDc>>;  // from CreateCompatibleDC
using UniqueImageList = UniqueHandle<NullHandleTraits<HIMAGELIST, destroyImageList>>;
using UniqueGlobal = UniqueHandle<NullHandleTraits<HGLOBAL, freeGlobal>>;

}  // namespace base
