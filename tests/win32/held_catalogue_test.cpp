// A catalogue replaced while another program reads the old one: this test
// program started again holds it open (as a search does) while a run
// replaces it. The replacement succeeds, and the reader reads the old
// catalogue whole.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <thread>

#include "platform/win32/wide_text.h"
#include "platform/win32/win32_files.h"
#include "support/temp_folder.h"
#include "win32/wine_support.h"

namespace zbk::testing {
namespace {

namespace fs = std::filesystem;

constexpr wchar_t kFolderVariable[] = L"ZBK_HELD_FOLDER";

bool AwaitFile(const fs::path& file) {
  for (int i = 0; i < 600 && !fs::exists(file); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return fs::exists(file);
}

// The reader, run only in the program started by the test below: holds
// A.txt open until it is replaced, then reads it to its end.
TEST(HeldCatalogue, DISABLED_Reader) {
  wchar_t folder[MAX_PATH] = {};
  ASSERT_GT(GetEnvironmentVariableW(kFolderVariable, folder, MAX_PATH), 0u);
  const fs::path work(folder);
  Win32Files files;
  const auto reader = files.Open(NativeOf((work / L"A.txt").wstring()), "A.txt");
  WriteBytes(work / L"held", "");
  ASSERT_TRUE(AwaitFile(work / L"replaced"));
  std::string read(64, '\0');
  read.resize(reader->Read(read.data(), read.size()));
  reader->Close();
  WriteBytes(work / L"read", read);
}

TEST(HeldCatalogue, AReaderInAnotherProgramNeitherBlocksNorSeesTheReplacement) {
  TempFolder temp;
  const WorkingFolderScope in(temp.path());
  WriteBytes(temp.path() / L"A.txt", "old\r\n");
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring command = L"\"" + std::wstring(self) +
                         L"\" --gtest_also_run_disabled_tests"
                         L" --gtest_filter=HeldCatalogue.DISABLED_Reader";
  SetEnvironmentVariableW(kFolderVariable, temp.path().wstring().c_str());
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  const BOOL started = CreateProcessW(self, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                      nullptr, &startup, &process);
  SetEnvironmentVariableW(kFolderVariable, nullptr);
  ASSERT_TRUE(started);
  ASSERT_TRUE(AwaitFile(temp.path() / L"held")) << "the reader opened the catalogue";

  Win32Files files;
  auto file = files.Create("A.txt");
  ASSERT_NE(file, nullptr);
  file->Write("new\r\n");
  EXPECT_TRUE(file->Close(Placement::kReplace));
  EXPECT_EQ(ReadBytes(temp.path() / L"A.txt"), "new\r\n");
  WriteBytes(temp.path() / L"replaced", "");

  EXPECT_EQ(WaitForSingleObject(process.hProcess, 60000), WAIT_OBJECT_0);
  DWORD code = 1;
  GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  EXPECT_EQ(code, 0u);
  EXPECT_EQ(ReadBytes(temp.path() / L"read"), "old\r\n");
  std::size_t catalogues = 0;
  for (const auto& entry : fs::directory_iterator(temp.path())) {
    if (entry.path().extension() == L".txt" || entry.path().extension() == L".tmp") ++catalogues;
  }
  EXPECT_EQ(catalogues, 1u) << "the old catalogue is gone once its reader closed it";
}

}  // namespace
}  // namespace zbk::testing
