// The engine's pictures against what the platform itself draws for the same
// icon: ExtractIconW, a 32x32 ILC_COLOR32 | ILC_MASK image list, drawn in the
// normal style on white into a screen-compatible bitmap, read at 24 bits.

#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <sstream>

#include "base/unique_handle_win.h"
#include "base/wide_win.h"
#include "fixtures/test_paths.h"
#include "icons/add_icon_from_file.h"
#include "icons/argb_image.h"
#include "icons/icon_source.h"
#include "icons/image_info.h"
#include "icons/pick_image.h"
#include "icons/render_image_as_bmp.h"

namespace {

constexpr int kCell = 32;
constexpr std::size_t kBmpHeaderSize = 54;
constexpr std::size_t kPixelBytes = 96 * kCell;

#ifdef _WIN64
const char* const kArch = "x86_64";
#else
const char* const kArch = "i386";
#endif

// The screen's device context, given back on every path out.
class ScreenDc {
 public:
  ScreenDc() : dc_(::GetDC(nullptr)) {}
  ScreenDc(const ScreenDc&) = delete;
  ScreenDc& operator=(const ScreenDc&) = delete;
  ~ScreenDc() {
    if (dc_) ::ReleaseDC(nullptr, dc_);
  }
  HDC get() const { return dc_; }

 private:
  HDC dc_;
};

// Keeps a bitmap selected into a device context while it lives.
class Selection {
 public:
  Selection(HDC dc, HGDIOBJ object) : dc_(dc), old_(::SelectObject(dc, object)) {}
  Selection(const Selection&) = delete;
  Selection& operator=(const Selection&) = delete;
  ~Selection() { ::SelectObject(dc_, old_); }

 private:
  HDC dc_;
  HGDIOBJ old_;
};

// The platform's picture of icon `index`: the pixel data of a 24-bit bottom-up DIB, as the BMP holds it.
std::optional<base::Bytes> platformPicture(const std::string& path, int index) {
  base::UniqueIcon icon(::ExtractIconW(::GetModuleHandleW(nullptr), base::toWide(path).c_str(), index));
  if (!icon || icon.get() == reinterpret_cast<HICON>(1)) return std::nullopt;
  base::UniqueImageList list(::ImageList_Create(kCell, kCell, ILC_COLOR32 | ILC_MASK, 0, 1));
  if (!list || ::ImageList_ReplaceIcon(list.get(), -1, icon.get()) != 0) return std::nullopt;
  ::ImageList_SetBkColor(list.get(), RGB(255, 255, 255));

  ScreenDc screen;
  base::UniqueMemoryDc memory(::CreateCompatibleDC(screen.get()));
  base::UniqueBitmap bitmap(::CreateCompatibleBitmap(screen.get(), kCell, kCell));
  if (!memory || !bitmap) return std::nullopt;
  {
    Selection selected(memory.get(), bitmap.get());
    if (!::ImageList_Draw(list.get(), 0, memory.get(), 0, 0, ILD_NORMAL)) return std::nullopt;
  }
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = kCell;
  info.bmiHeader.biHeight = kCell;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  base::Bytes pixels(kPixelBytes);
  if (::GetDIBits(memory.get(), bitmap.get(), 0, kCell, pixels.data(), &info, DIB_RGB_COLORS) != kCell)
    return std::nullopt;
  return pixels;
}

struct Comparison {
  int compared = 0;     // icons whose picked image is 32x32
  int withAlpha = 0;    // of those, images with partial or full alpha
  int mismatched = 0;
  std::ostringstream details;
};

// Compares every pixel whose alpha is 0 or 255; the platform blends the others with the background.
void compareIcon(const std::string& path, int index, Comparison& result) {
  icons::IconSource source = icons::IconSource::open(path);
  auto images = source.iconImages(index);
  if (!images) return;
  auto chosen = icons::pickImage(*images, kCell, kCell);
  if (!chosen) return;
  auto info = icons::readImageInfo((*images)[*chosen]);
  if (!info || info->width != kCell || info->height != kCell) return;

  icons::IconImageList list = icons::createIconImageList(kCell, kCell);
  ASSERT_EQ(icons::addIconFromFile(list, path, index), 0) << path << " icon " << index;
  base::Bytes ours = icons::renderImageAsBmp(list, 0);
  ASSERT_EQ(ours.size(), kBmpHeaderSize + kPixelBytes);
  std::optional<base::Bytes> theirs = platformPicture(path, index);
  ASSERT_TRUE(theirs) << path << " icon " << index << ": the platform did not draw it";

  ++result.compared;
  const icons::CellImage& cell = list.image(0);
  bool partial = false;
  int differing = 0;
  std::ostringstream first;
  for (int y = 0; y < kCell; ++y) {
    for (int x = 0; x < kCell; ++x) {
      std::uint8_t alpha = icons::alphaOf(cell.argb[y * kCell + x]);
      if (alpha != 0 && alpha != 255) {
        partial = true;
        continue;
      }
      std::size_t at = static_cast<std::size_t>(kCell - 1 - y) * 96 + 3 * x;
      for (int c = 0; c < 3; ++c) {
        if (ours[kBmpHeaderSize + at + c] == (*theirs)[at + c]) continue;
        if (differing++ == 0)
          first << std::hex << " first at (" << std::dec << x << ", " << y << "): ours "
                << std::hex << int(ours[kBmpHeaderSize + at + 2]) << "," << int(ours[kBmpHeaderSize + at + 1]) << ","
                << int(ours[kBmpHeaderSize + at]) << " platform " << int((*theirs)[at + 2]) << ","
                << int((*theirs)[at + 1]) << "," << int((*theirs)[at]) << std::dec << " alpha " << int(alpha);
        break;
      }
    }
  }
  if (partial || info->bitsPerPixel == 32) ++result.withAlpha;
  if (differing > 0) {
    ++result.mismatched;
    if (result.mismatched <= 5)
      result.details << "  " << std::filesystem::path(path).filename().string() << " icon " << index << " ("
                     << info->bitsPerPixel << " bpp" << (info->png ? ", png" : "") << "): " << differing
                     << " pixels differ;" << first.str() << "\n";
  }
}

TEST(PlatformDrawing, EveryWineIconAtItsNativeSizeLooksAsThePlatformDrawsIt) {
  std::string dir = fixtures::wineModuleDir(kArch);
  REQUIRE_WINE_MODULE(fixtures::wineModule(kArch, "shell32.dll"));
  Comparison result;
  int modules = 0;
  for (const auto& entry : std::filesystem::directory_iterator(dir)) {
    std::string extension = entry.path().extension().string();
    if (extension != ".dll" && extension != ".exe") continue;
    std::string path = dir + "/" + entry.path().filename().string();
    icons::IconSource source = icons::IconSource::open(path);
    if (source.kind() != icons::SourceKind::PeModule || source.iconCount() == 0) continue;
    ++modules;
    for (int index = 0; index < source.iconCount(); ++index) {
      compareIcon(path, index, result);
      if (HasFatalFailure()) return;
    }
  }
  std::printf("%d modules with icons; %d icons drawn at 32x32 compared (%d with alpha); %d differ\n", modules,
              result.compared, result.withAlpha, result.mismatched);
  EXPECT_GT(result.compared, 184) << "shell32.dll alone has 184 icons";
  EXPECT_EQ(result.mismatched, 0) << result.details.str();
}

}  // namespace
