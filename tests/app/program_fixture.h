#pragma once
// A program context over fake controls and the real engine, with the
// program directory in a temporary folder.

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "app/program_context.h"
#include "fixtures/dib_fixture.h"
#include "fixtures/pe_fixture.h"
#include "fixtures/test_paths.h"
#include "ui/fake_controls.h"

namespace fixtures {

// The real engine; work-folder paths are joined with "\", which this makes
// the host's separator so the tests also run off Windows.
class HostPathEngine final : public app::EngineOperations {
 public:
  int saveIconAsIcoFile(const std::string& source, const std::string& target, int number) override {
    std::string host = target;
    std::replace(host.begin(), host.end(), '\\', '/');
    targets.push_back(target);
    return EngineOperations::saveIconAsIcoFile(source, host, number);
  }
  std::vector<std::string> targets;  // as the load routine named them
};

// A picture no decoder takes: a bitmap header with 7 bits per pixel.
inline base::Bytes undecodableImage() {
  base::Bytes image = dibImage(32, 32, 8);
  image[14] = 7;
  return image;
}

struct ProgramFixture {
  TempDir dir;
  FakeWindow window;
  app::ExtractorState state;
  HostPathEngine engine;
  app::ProgramContext program{state, dir.path(), engine, window.parts};

  std::string workFolder() const { return dir.file("temp"); }
  void makeWorkFolder() const { std::filesystem::create_directory(std::filesystem::u8path(workFolder())); }

  // A DLL with one group per entry; false entries hold an undecodable image.
  std::string writeModule(const std::string& name, const std::vector<bool>& decodable) const {
    std::vector<GroupLayout> groups;
    for (std::size_t i = 0; i < decodable.size(); ++i)
      groups.push_back({ResourceId::number(static_cast<std::uint16_t>(i + 1)),
                        {decodable[i] ? dibImage(32, 32, 32, static_cast<std::uint8_t>(i)) : undecodableImage()}});
    base::Bytes bytes = buildIconModule(groups);
    std::string path = dir.file(name);
    writeFile(path, std::string(bytes.begin(), bytes.end()));
    return path;
  }
};

}  // namespace fixtures
