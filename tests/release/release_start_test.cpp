// The released programs start on their own: each is copied into a fresh
// folder, with nothing beside it (no temp folder, no DLLs), and run there.

#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

#include "base/unique_handle_win.h"
#include "base/wide_win.h"
#include "fixtures/test_paths.h"

namespace {

namespace fs = std::filesystem;

const std::wstring title = base::toWide("青杉ICO图标提取器 V1.0 BY 林间客 QQ：10000");

// The program's path in a new folder that holds nothing else.
fs::path copyAlone(const char* builtProgram, const fixtures::TempDir& folder) {
  const fs::path built = base::toWide(fixtures::windowsPath(builtProgram));
  const fs::path program = fs::path(base::toWide(folder.path())) / built.filename();
  fs::copy_file(built, program);
  return program;
}

// A process started with the program's folder as its current directory,
// ended at the close of the test if it still runs.
class Process {
 public:
  Process(const fs::path& program, const std::wstring& arguments, HANDLE output = nullptr) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    if (output) {
      startup.dwFlags = STARTF_USESTDHANDLES;
      startup.hStdOutput = output;
      startup.hStdError = output;
    }
    std::wstring command = L"\"" + program.wstring() + L"\" " + arguments;
    const std::wstring folder = program.parent_path().wstring();
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, output != nullptr, 0, nullptr, folder.c_str(),
                        &startup, &info))
      return;
    process_.reset(info.hProcess);
    thread_.reset(info.hThread);
    id_ = info.dwProcessId;
  }
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;
  ~Process() {
    if (process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT) TerminateProcess(process_.get(), 1);
  }

  bool started() const { return static_cast<bool>(process_); }
  bool hasEnded(DWORD waitMilliseconds) const {
    return WaitForSingleObject(process_.get(), waitMilliseconds) == WAIT_OBJECT_0;
  }
  DWORD id() const { return id_; }

  // The exit code once the process has ended within 30 s; STILL_ACTIVE if not.
  DWORD exitCode() const {
    DWORD code = STILL_ACTIVE;
    if (hasEnded(30000)) GetExitCodeProcess(process_.get(), &code);
    return code;
  }

 private:
  base::UniqueKernelHandle process_;
  base::UniqueKernelHandle thread_;
  DWORD id_ = 0;
};

// The visible main window of the process, waited for up to 30 s.
HWND mainWindowOf(const Process& p) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  while (std::chrono::steady_clock::now() < deadline) {
    HWND window = FindWindowW(nullptr, title.c_str());
    DWORD owner = 0;
    if (window) GetWindowThreadProcessId(window, &owner);
    if (window && owner == p.id() && IsWindowVisible(window)) return window;
    if (p.hasEnded(50)) return nullptr;  // ended without a window
  }
  return nullptr;
}

// Closing makes the work folder, empty, beside the program.
TEST(ReleasedProgram, StartsAloneInAFolderWithoutTempAndClosesWithExitCode0) {
  fixtures::TempDir folder;
  const fs::path program = copyAlone(ICON_EXTRACTOR_EXE, folder);
  ASSERT_FALSE(fs::exists(program.parent_path() / L"temp"));

  const Process p(program, L"");
  ASSERT_TRUE(p.started()) << "CreateProcess failed: " << GetLastError();
  HWND window = mainWindowOf(p);
  ASSERT_TRUE(window) << "no main window within 30 s";

  PostMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(p.exitCode(), 0u);
  EXPECT_TRUE(fs::is_directory(program.parent_path() / L"temp"));
  EXPECT_TRUE(fs::is_empty(program.parent_path() / L"temp"));
}

TEST(ReleasedProgram, CommandLineToolRunsAloneAndPrintsItsUsage) {
  fixtures::TempDir folder;
  const fs::path program = copyAlone(ICONEXTRACT_EXE, folder);

  SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
  HANDLE readEnd = nullptr, writeEnd = nullptr;
  ASSERT_TRUE(CreatePipe(&readEnd, &writeEnd, &inherit, 0));
  base::UniqueKernelHandle reader(readEnd), writer(writeEnd);
  SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);

  const Process p(program, L"--help", writeEnd);
  ASSERT_TRUE(p.started()) << "CreateProcess failed: " << GetLastError();
  writer.reset();  // the pipe ends when the tool's copy of the write end closes
  std::string output;
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(readEnd, buffer, sizeof(buffer), &got, nullptr) && got > 0) output.append(buffer, got);

  EXPECT_EQ(p.exitCode(), 0u);
  EXPECT_EQ(output.rfind("Usage: iconextract COMMAND FILE", 0), 0u) << output;
  for (const char* command : {"count FILE", "list FILE", "ico FILE DIR", "bmp FILE DIR", "png FILE DIR [--size S]"})
    EXPECT_NE(output.find(command), std::string::npos) << command;
}

}  // namespace
