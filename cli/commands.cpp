#include "cli/commands.h"

#include <filesystem>
#include <functional>
#include <map>
#include <ostream>

#include "base/file.h"
#include "icons/count_icons.h"
#include "icons/icon_file.h"
#include "icons/icon_source.h"

namespace cli {

namespace {

constexpr const char* kUsageText =
    "Usage: iconextract COMMAND FILE [DIR]\n"
    "Reads the icons of an EXE, DLL, ICL or ICO file (PE, NE or icon file).\n"
    "\n"
    "Commands:\n"
    "  count FILE      print the number of icons FILE holds\n"
    "  ico FILE DIR    write DIR/n.ico for every icon n (DIR is created if missing)\n"
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
  std::error_code ignored;
  std::filesystem::create_directories(utf8Path(dir), ignored);

  int written = 0;
  for (int index = 0; index < source.iconCount(); ++index) {
    std::string target = joinPath(dir, std::to_string(index + 1) + ".ico");
    auto images = source.iconImages(index);
    auto ico = images ? icons::buildIcoFile(*images) : std::nullopt;
    if (!ico) {
      err << "iconextract: " << path << ": icon " << index + 1 << " cannot be read; skipped\n";
    } else if (!base::writeFileBytes(target, *ico)) {
      err << "iconextract: " << target << ": cannot be written\n";
    } else {
      ++written;
    }
  }
  out << path << ": " << written << " of " << source.iconCount() << " icons written to " << dir << "\n";
  return written == source.iconCount() ? kSuccess : kNoIcons;
}

}  // namespace

int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  using Command = std::function<int(const std::vector<std::string>&, std::ostream&, std::ostream&)>;
  static const std::map<std::string, Command> commands = {{"count", countCommand}, {"ico", icoCommand}};
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
