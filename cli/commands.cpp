#include "cli/commands.h"

#include <filesystem>
#include <functional>
#include <map>
#include <ostream>

#include "base/file.h"
#include "icons/add_icon_from_file.h"
#include "icons/cell_picture.h"
#include "icons/count_icons.h"
#include "icons/icon_file.h"
#include "icons/icon_source.h"
#include "icons/image_info.h"
#include "icons/pick_image.h"
#include "icons/png_codec.h"
#include "icons/render_image_as_bmp.h"

namespace cli {

namespace {

constexpr const char* kUsageText =
    "Usage: iconextract COMMAND FILE [DIR] [--size S]\n"
    "Reads the icons of an EXE, DLL, ICL or ICO file (PE, NE or icon file).\n"
    "\n"
    "Commands:\n"
    "  count FILE      print the number of icons FILE holds\n"
    "  list FILE       print one line per icon: its number, resource name or id, and\n"
    "                  its images as WxH/bpp, PNG images marked (png)\n"
    "  ico FILE DIR    write DIR/n.ico for every icon n (DIR is created if missing)\n"
    "  bmp FILE DIR    write DIR/n.bmp for every icon n: its 32x32 picture on white,\n"
    "                  as the program exports it\n"
    "  png FILE DIR [--size S]\n"
    "                  write DIR/n.png for every icon n: the image that fits SxS best\n"
    "                  (default: the largest), with its alpha\n"
    "  --help          show this text\n"
    "\n"
    "Exit codes: 0 success, 1 no icons or the file (or an icon) cannot be read, 2 bad usage.\n";

std::filesystem::path utf8Path(const std::string& text) { return std::filesystem::path(std::u8string(text.begin(), text.end())); }

std::string joinPath(const std::string& dir, const std::string& name) {
  if (dir.empty() || dir.back() == '/' || dir.back() == '\\') return dir + name;
  return dir + "/" + name;
}

int usageError(std::ostream& err, const std::string& message) {
  err << "iconextract: " << message << "\n" << kUsageText;
  return kUsage;
}

// Opens FILE and checks that it holds icons, saying why not on err.
bool openWithIcons(const std::string& path, icons::IconSource& source, std::ostream& err) {
  source = icons::IconSource::open(path);
  if (source.kind() == icons::SourceKind::Unreadable || source.kind() == icons::SourceKind::Other) {
    err << "iconextract: " << path << ": " << icons::describe(source.kind()) << "\n";
    return false;
  }
  if (source.iconCount() == 0) {
    err << "iconextract: " << path << ": " << icons::describe(source.kind()) << " holds no icons\n";
    return false;
  }
  return true;
}

int countCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.size() != 2) return usageError(err, "count takes one FILE");
  int count = icons::countIconsInFile(args[1]);
  out << count << "\n";
  if (count == 0) err << "iconextract: " << args[1] << ": no icons found\n";
  return count > 0 ? kSuccess : kNoIcons;
}

// Makes DIR, then writes DIR/n.EXT for every icon n with the bytes of bytesOf;
// an icon without bytes is reported with `failure` and skipped.
int writeEachIcon(const icons::IconSource& source, const std::string& path, const std::string& dir,
                  const char* extension, const char* failure, std::ostream& out, std::ostream& err,
                  const std::function<std::optional<base::Bytes>(int index)>& bytesOf) {
  std::error_code ignored;
  std::filesystem::create_directories(utf8Path(dir), ignored);
  int written = 0;
  for (int index = 0; index < source.iconCount(); ++index) {
    std::string target = joinPath(dir, std::to_string(index + 1) + extension);
    std::optional<base::Bytes> bytes = bytesOf(index);
    if (!bytes || bytes->empty()) {
      err << "iconextract: " << path << ": icon " << index + 1 << " " << failure << "; skipped\n";
    } else if (!base::writeFileBytes(target, *bytes)) {
      err << "iconextract: " << target << ": cannot be written\n";
    } else {
      ++written;
    }
  }
  out << path << ": " << written << " of " << source.iconCount() << " icons written to " << dir << "\n";
  return written == source.iconCount() ? kSuccess : kNoIcons;
}

int icoCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.size() != 3) return usageError(err, "ico takes FILE and DIR");
  const std::string& path = args[1];
  const std::string& dir = args[2];
  icons::IconSource source = icons::IconSource::open(path);
  if (!openWithIcons(path, source, err)) return kNoIcons;
  if (source.kind() == icons::SourceKind::NeModule) {
    err << "iconextract: " << path << ": a 16-bit (NE) module; its icons can be counted but not written as ICO files\n";
    return kNoIcons;
  }
  return writeEachIcon(source, path, dir, ".ico", "cannot be read", out, err, [&](int index) {
    auto images = source.iconImages(index);
    return images ? icons::buildIcoFile(*images) : std::nullopt;
  });
}

std::string describeImage(base::ByteView image) {
  auto info = icons::readImageInfo(image);
  if (!info) return "?";
  return std::to_string(info->width) + "x" + std::to_string(info->height) + "/" + std::to_string(info->bitsPerPixel) +
         (info->png ? "(png)" : "");
}

int listCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.size() != 2) return usageError(err, "list takes one FILE");
  const std::string& path = args[1];
  icons::IconSource source = icons::IconSource::open(path);
  if (!openWithIcons(path, source, err)) return kNoIcons;
  int unreadable = 0;
  for (int index = 0; index < source.iconCount(); ++index) {
    std::string name = source.iconName(index);
    out << index + 1 << " " << (name.empty() ? "-" : name);
    auto images = source.iconImages(index);
    if (!images) {
      out << " (cannot be read)";
      ++unreadable;
    }
    for (base::ByteView image : images.value_or(std::vector<base::ByteView>{})) out << " " << describeImage(image);
    out << "\n";
  }
  return unreadable == 0 ? kSuccess : kNoIcons;
}

int bmpCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.size() != 3) return usageError(err, "bmp takes FILE and DIR");
  const std::string& path = args[1];
  icons::IconSource source = icons::IconSource::open(path);
  if (!openWithIcons(path, source, err)) return kNoIcons;
  // One list for the file, as the program loads it.
  icons::IconImageList list = icons::createIconImageList(32, 32);
  return writeEachIcon(source, path, args[2], ".bmp", "cannot be drawn", out, err, [&](int index) -> std::optional<base::Bytes> {
    int added = icons::addIconFromFile(list, path, index);
    if (added < 0) return std::nullopt;
    return icons::renderImageAsBmp(list, added);
  });
}

// The S of "--size S": a whole number from 1 to the largest image side.
std::optional<int> parseSize(const std::string& text) {
  if (text.empty() || text.size() > 5 || text.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
  int size = std::stoi(text);
  if (size < 1 || size > icons::kMaxImageSide) return std::nullopt;
  return size;
}

int pngCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  std::optional<int> size;
  if (args.size() == 5 && args[3] == "--size") {
    size = parseSize(args[4]);
    if (!size) return usageError(err, "--size takes a whole number from 1 to " + std::to_string(icons::kMaxImageSide));
  } else if (args.size() != 3) {
    return usageError(err, "png takes FILE and DIR, and optionally --size S");
  }
  const std::string& path = args[1];
  icons::IconSource source = icons::IconSource::open(path);
  if (!openWithIcons(path, source, err)) return kNoIcons;
  return writeEachIcon(source, path, args[2], ".png", "cannot be drawn", out, err, [&](int index) -> std::optional<base::Bytes> {
    auto images = source.iconImages(index);
    if (!images) return std::nullopt;
    auto chosen = size ? icons::pickImage(*images, *size, *size) : icons::pickLargestImage(*images);
    if (!chosen) return std::nullopt;
    auto picture = icons::decodeIconImage((*images)[*chosen]);
    if (!picture) return std::nullopt;
    return icons::encodePng(*picture);
  });
}

}  // namespace

int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  using Command = std::function<int(const std::vector<std::string>&, std::ostream&, std::ostream&)>;
  static const std::map<std::string, Command> commands = {
      {"count", countCommand}, {"list", listCommand}, {"ico", icoCommand}, {"bmp", bmpCommand}, {"png", pngCommand}};
  if (args.empty()) return usageError(err, "no command given");
  if (args[0] == "--help" || args[0] == "-h") {
    out << kUsageText;
    return kSuccess;
  }
  auto command = commands.find(args[0]);
  if (command == commands.end()) return usageError(err, "unknown command '" + args[0] + "'");
  return command->second(args, out, err);
}

}  // namespace cli
